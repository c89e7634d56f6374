<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<!-- The German language pack. Each text is keyed by its string-table id ("qarvo_<id>") in the context "Strings". -->
<context>
    <name>Strings</name>
    <message>
        <source>qarvo_1</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>qarvo_2</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>qarvo_6</source>
        <translation>Kommunikation unterbrochen.
Die Zentrale antwortet nicht mehr..</translation>
    </message>
    <message>
        <source>qarvo_16</source>
        <translation>Verbinde...</translation>
    </message>
    <message>
        <source>qarvo_19</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>qarvo_21</source>
        <translation>Trenne...</translation>
    </message>
    <message>
        <source>qarvo_24</source>
        <translation>Tavi ist noch verbunden
Zum Trennen erneut auf Stopp klicken</translation>
    </message>
    <message>
        <source>qarvo_49</source>
        <translation>Das Passwort muss ein 6-stelliger Code sein.</translation>
    </message>
    <message>
        <source>qarvo_50</source>
        <translation>Ungültiges Passwort. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>qarvo_52</source>
        <translation>Abgeschlossen </translation>
    </message>
    <message>
        <source>qarvo_54</source>
        <translation>Kein Anruf vom Kommunikator</translation>
    </message>
    <message>
        <source>qarvo_55</source>
        <translation>Der Kommunikator fordert keine Verbindung an</translation>
    </message>
    <message>
        <source>qarvo_56</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>qarvo_57</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>qarvo_58</source>
        <translation>Fehler beim Trennen
Der Kommunikator ist möglicherweise noch verbunden</translation>
    </message>
    <message>
        <source>qarvo_59</source>
        <translation>Passwörter ändern</translation>
    </message>
    <message>
        <source>qarvo_84</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>qarvo_86</source>
        <translation>Bitte vor dem Beenden die Verbindung schließen</translation>
    </message>
    <message>
        <source>qarvo_116</source>
        <translation>Anmeldepasswort:</translation>
    </message>
    <message>
        <source>qarvo_117</source>
        <translation>Seite "Online-Status":</translation>
    </message>
    <message>
        <source>qarvo_118</source>
        <translation>Seite "Master-Funktionen":</translation>
    </message>
    <message>
        <source>qarvo_119</source>
        <translation>Seite "Errichter-Funktionen":</translation>
    </message>
    <message>
        <source>qarvo_120</source>
        <translation>Seite "Ereignisprotokoll":</translation>
    </message>
    <message>
        <source>qarvo_121</source>
        <translation>Seite "Tavi":</translation>
    </message>
    <message>
        <source>qarvo_128</source>
        <translation>QarvoIP
unbenannt
Upload Download
QarvoIP-Einstellungen (*.rps)
.rps
QarvoIPDocument
QarvoIPDownloadDocument</translation>
    </message>
    <message>
        <source>qarvo_275</source>
        <translation>Die Master-Seite enthält einen Fehler. Bitte den Fehler beheben, um fortzufahren.</translation>
    </message>
    <message>
        <source>qarvo_276</source>
        <translation>Die Errichter-Seite enthält einen Fehler. Bitte den Fehler beheben, um fortzufahren.</translation>
    </message>
    <message>
        <source>qarvo_957</source>
        <translation>Firmware-Update-Server</translation>
    </message>
    <message>
        <source>qarvo_958</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>qarvo_959</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>qarvo_1400</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>qarvo_1401</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>qarvo_1402</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>qarvo_1403</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>qarvo_1404</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>qarvo_1405</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>qarvo_1406</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>qarvo_1407</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>qarvo_1408</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>qarvo_1409</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>qarvo_1410</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>qarvo_1411</source>
        <translation>Rückruf</translation>
    </message>
    <message>
        <source>qarvo_1412</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>qarvo_1500</source>
        <translation>Über QarvoIP...</translation>
    </message>
    <message>
        <source>qarvo_1502</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>qarvo_1510</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>qarvo_1511</source>
        <translation>&amp;Kommunikation</translation>
    </message>
    <message>
        <source>qarvo_1512</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>qarvo_1513</source>
        <translation>Mit &amp;Zentrale verbinden</translation>
    </message>
    <message>
        <source>qarvo_1514</source>
        <translation>&amp;Rückruf</translation>
    </message>
    <message>
        <source>qarvo_1515</source>
        <translation>Auf &amp;Anruf warten</translation>
    </message>
    <message>
        <source>qarvo_1516</source>
        <translation>Kommunikation a&amp;bbrechen</translation>
    </message>
    <message>
        <source>qarvo_1517</source>
        <translation>Mit Kommunikator &amp;verbinden</translation>
    </message>
    <message>
        <source>qarvo_1518</source>
        <translation>Kommunikator-Rück&amp;ruf</translation>
    </message>
    <message>
        <source>qarvo_1519</source>
        <translation>&amp;Verbindungsoptionen...</translation>
    </message>
    <message>
        <source>qarvo_1520</source>
        <translation>Passwörter ä&amp;ndern...</translation>
    </message>
    <message>
        <source>qarvo_1521</source>
        <translation>&amp;Sprache wählen...</translation>
    </message>
    <message>
        <source>qarvo_1522</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>qarvo_1523</source>
        <translation>&amp;Neu	Strg+N</translation>
    </message>
    <message>
        <source>qarvo_1524</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>qarvo_1525</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>qarvo_1526</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>qarvo_1527</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>qarvo_1528</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>qarvo_1529</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>qarvo_1530</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>qarvo_1531</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>qarvo_1532</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>qarvo_1800</source>
        <translation>Sprachauswahl</translation>
    </message>
    <message>
        <source>qarvo_1801</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>qarvo_1802</source>
        <translation>DEU</translation>
    </message>
    <message>
        <source>qarvo_1803</source>
        <translation>Sprache wählen:</translation>
    </message>
    <message>
        <source>qarvo_1805</source>
        <translation>Die neue Sprache gilt nach einem Neustart des Programms</translation>
    </message>
    <message>
        <source>qarvo_5051</source>
        <translation>Lese Master-Seite</translation>
    </message>
    <message>
        <source>qarvo_5052</source>
        <translation>Schreibe Master-Seite</translation>
    </message>
    <message>
        <source>qarvo_5053</source>
        <translation>Lese Errichter-Seite</translation>
    </message>
    <message>
        <source>qarvo_5054</source>
        <translation>Schreibe Errichter-Seite</translation>
    </message>
    <message>
        <source>qarvo_5235</source>
        <translation>Online-Status</translation>
    </message>
    <message>
        <source>qarvo_5236</source>
        <translation>Master-Funktionen</translation>
    </message>
    <message>
        <source>qarvo_5237</source>
        <translation>Errichter-Funktionen</translation>
    </message>
    <message>
        <source>qarvo_5238</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>qarvo_5239</source>
        <translation>Tavi</translation>
    </message>
    <message>
        <source>qarvo_9000</source>
        <translation>Konfigurationsdatei fehlt oder ist beschädigt. Es werden Standardwerte verwendet.</translation>
    </message>
    <message>
        <source>qarvo_9001</source>
        <translation>Socket kann nicht initialisiert werden</translation>
    </message>
    <message>
        <source>qarvo_9002</source>
        <translation>Die Portnummer muss zwischen 10 und 65535 liegen. Bitte wiederholen.</translation>
    </message>
    <message>
        <source>qarvo_9100</source>
        <translation>Das gewählte Sprachpaket ist nicht installiert. Es wird Englisch verwendet</translation>
    </message>
    <message>
        <source>qarvo_9102</source>
        <translation>Programmname kann nicht ermittelt werden</translation>
    </message>
    <message>
        <source>qarvo_9104</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>qarvo_9105</source>
        <translation>Bitte das Passwort eingeben für den Zugriff auf</translation>
    </message>
    <message>
        <source>qarvo_9106</source>
        <translation>Zentralenstatus anzeigen
Zentralenstatus</translation>
    </message>
    <message>
        <source>qarvo_9107</source>
        <translation>Master-Optionen anzeigen
Master-Optionen</translation>
    </message>
    <message>
        <source>qarvo_9108</source>
        <translation>Errichter-Optionen anzeigen
Errichter-Optionen</translation>
    </message>
    <message>
        <source>qarvo_9109</source>
        <translation>Ereignisprotokoll anzeigen und herunterladen
Ereignisprotokoll</translation>
    </message>
    <message>
        <source>qarvo_9110</source>
        <translation>Tavi-Optionen anzeigen/herunterladen/hochladen
Tavi-Optionen</translation>
    </message>
    <message>
        <source>qarvo_9111</source>
        <translation>Passwörter ändern, um unbefugten Zugriff zu verhindern</translation>
    </message>
    <message>
        <source>qarvo_9112</source>
        <translation>Eine Sprache wählen</translation>
    </message>
    <message>
        <source>qarvo_9113</source>
        <translation>Tavi-Optionen lesen</translation>
    </message>
    <message>
        <source>qarvo_9114</source>
        <translation>Tavi-Optionen schreiben</translation>
    </message>
    <message>
        <source>qarvo_9115</source>
        <translation>Tavi-Firmware-Update starten</translation>
    </message>
    <message>
        <source>qarvo_9116</source>
        <translation>Direkte Tavi-Verbindung über ihre Adresse erzwingen</translation>
    </message>
    <message>
        <source>qarvo_9117</source>
        <translation>Server veranlassen, dass Tavi sich verbindet</translation>
    </message>
    <message>
        <source>qarvo_9118</source>
        <translation>Auf Rückruf vom Server warten
Auf Rückruf vom Server warten</translation>
    </message>
    <message>
        <source>qarvo_9119</source>
        <translation>Verbindung abbrechen/beenden
Kommunikation abbrechen</translation>
    </message>
    <message>
        <source>qarvo_9120</source>
        <translation>IP-Einstellungen</translation>
    </message>
    <message>
        <source>qarvo_9121</source>
        <translation>Verbinden mit</translation>
    </message>
    <message>
        <source>qarvo_9122</source>
        <translation>Rückruf</translation>
    </message>
    <message>
        <source>qarvo_9123</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>qarvo_9124</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>qarvo_9125</source>
        <translation>Rückruf-Server</translation>
    </message>
    <message>
        <source>qarvo_9126</source>
        <translation>Eigene Portnummer</translation>
    </message>
    <message>
        <source>qarvo_9127</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>qarvo_9128</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>qarvo_9129</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>qarvo_9130</source>
        <translation>Standard-IDs verwenden (0000, 0000)</translation>
    </message>
    <message>
        <source>qarvo_9131</source>
        <translation>Zentralen-ID</translation>
    </message>
    <message>
        <source>qarvo_9132</source>
        <translation>PC-ID</translation>
    </message>
    <message>
        <source>qarvo_9133</source>
        <translation>Diese Seite ist noch nicht gebaut.</translation>
    </message>
    <message>
        <source>qarvo_9134</source>
        <translation>QarvoIP</translation>
    </message>
    <message>
        <source>qarvo_9135</source>
        <translation>Copyright (C) Qarvo</translation>
    </message>
    <message>
        <source>qarvo_9136</source>
        <translation>0.1.0.0</translation>
    </message>
    <message>
        <source>qarvo_9137</source>
        <translation>(keine zuletzt geöffneten Dateien)</translation>
    </message>
    <message>
        <source>qarvo_9138</source>
        <translation>Die Verbindungseinstellungen können nicht in PanelRPS.cfg geschrieben werden.</translation>
    </message>
    <message>
        <source>qarvo_9700</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>qarvo_9701</source>
        <translation>Trennen und beenden</translation>
    </message>
    <message>
        <source>qarvo_9702</source>
        <translation>Stopp beendet die Verbindung zur Zentrale; der Kommunikator bleibt verbunden</translation>
    </message>
    <message>
        <source>qarvo_9703</source>
        <translation>Stopp schließt die Verbindung zum Kommunikator</translation>
    </message>
    <message>
        <source>qarvo_9704</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>qarvo_9705</source>
        <translation>Qt-Version</translation>
    </message>
    <message>
        <source>qarvo_9706</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>qarvo_9707</source>
        <translation>Proprietär. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>qarvo_9708</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>qarvo_9720</source>
        <translation>Sicherung der Seiten der Zentrale: %s</translation>
    </message>
    <message>
        <source>qarvo_9721</source>
        <translation>Die Seiten der Zentrale konnten nicht gesichert werden (%s). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>qarvo_59144</source>
        <translation>Tavi</translation>
    </message>
    <message>
        <source>qarvo_59145</source>
        <translation>Zentrale</translation>
    </message>
    <message>
        <source>qarvo_9415</source>
        <translation>Der Drucker kann nicht geöffnet werden. Es wurde nichts gedruckt.</translation>
    </message>
</context>
</TS>
