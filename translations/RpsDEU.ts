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
        <source>qarvo_7</source>
        <translation>040704B0</translation>
    </message>
    <message>
        <source>qarvo_8</source>
        <translation>Falscher Identifikationscode der Zentrale.</translation>
    </message>
    <message>
        <source>qarvo_9</source>
        <translation>Falscher Identifikationscode des PCs.</translation>
    </message>
    <message>
        <source>qarvo_10</source>
        <translation>Die Zentrale hat einen Alarmzustand erkannt, der an die
Leitstelle gemeldet werden muss, und trennt den Computer.
Bitte später erneut verbinden.</translation>
    </message>
    <message>
        <source>qarvo_11</source>
        <translation>LOG </translation>
    </message>
    <message>
        <source>qarvo_12</source>
        <translation>Modul entfernt</translation>
    </message>
    <message>
        <source>qarvo_13</source>
        <translation>16/ein bei Netzausfall</translation>
    </message>
    <message>
        <source>qarvo_14</source>
        <translation>17/ein bei Akkustörung</translation>
    </message>
    <message>
        <source>qarvo_15</source>
        <translation>09/Zusatzsirene</translation>
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
        <source>qarvo_20</source>
        <translation>Prüfe ID-Codes...</translation>
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
        <source>qarvo_25</source>
        <translation>Funküberwachung ausgefallen Zone %02d</translation>
    </message>
    <message>
        <source>qarvo_26</source>
        <translation>Funküberwachung wiederhergestellt Zone %02d</translation>
    </message>
    <message>
        <source>qarvo_27</source>
        <translation>Funkmelder-Batterie schwach Zone %02d</translation>
    </message>
    <message>
        <source>qarvo_28</source>
        <translation>Funkmelder-Batterie wieder normal Zone %02d</translation>
    </message>
    <message>
        <source>qarvo_29</source>
        <translation>Modul hinzugefügt</translation>
    </message>
    <message>
        <source>qarvo_30</source>
        <translation>Funküberwachung ausgefallen</translation>
    </message>
    <message>
        <source>qarvo_31</source>
        <translation>Funküberwachung wiederhergestellt</translation>
    </message>
    <message>
        <source>qarvo_32</source>
        <translation>Funkmelder-Batterie schwach</translation>
    </message>
    <message>
        <source>qarvo_33</source>
        <translation>Funkmelder-Batterie wieder normal</translation>
    </message>
    <message>
        <source>qarvo_34</source>
        <translation>Bedienteil %d am Bus angemeldet</translation>
    </message>
    <message>
        <source>qarvo_35</source>
        <translation>Modul %d am Bus angemeldet</translation>
    </message>
    <message>
        <source>qarvo_36</source>
        <translation>Zonenerweiterung am Bus angemeldet</translation>
    </message>
    <message>
        <source>qarvo_37</source>
        <translation>Funkerweiterung am Bus angemeldet</translation>
    </message>
    <message>
        <source>qarvo_38</source>
        <translation>PGM-Erweiterung am Bus angemeldet</translation>
    </message>
    <message>
        <source>qarvo_39</source>
        <translation>Sprachmodul am Bus angemeldet</translation>
    </message>
    <message>
        <source>qarvo_40</source>
        <translation>Handsender am Bus angemeldet</translation>
    </message>
    <message>
        <source>qarvo_41</source>
        <translation>Kartenleser am Bus angemeldet</translation>
    </message>
    <message>
        <source>qarvo_42</source>
        <translation>Bedienteil %d vom Bus entfernt</translation>
    </message>
    <message>
        <source>qarvo_43</source>
        <translation>Modul %d vom Bus entfernt</translation>
    </message>
    <message>
        <source>qarvo_44</source>
        <translation>Zonenerweiterung vom Bus entfernt</translation>
    </message>
    <message>
        <source>qarvo_45</source>
        <translation>Funkerweiterung vom Bus entfernt</translation>
    </message>
    <message>
        <source>qarvo_46</source>
        <translation>PGM-Erweiterung vom Bus entfernt</translation>
    </message>
    <message>
        <source>qarvo_47</source>
        <translation>Sprachmodul vom Bus entfernt</translation>
    </message>
    <message>
        <source>qarvo_48</source>
        <translation>Handsender vom Bus entfernt</translation>
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
        <source>qarvo_51</source>
        <translation>Kartenleser vom Bus entfernt</translation>
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
        <source>qarvo_60</source>
        <translation>Die Zentrale ist beschäftigt. Bitte in einigen Sekunden erneut versuchen</translation>
    </message>
    <message>
        <source>qarvo_61</source>
        <translation>Ereignisprotokoll gelesen am</translation>
    </message>
    <message>
        <source>qarvo_62</source>
        <translation>Im Protokoll der Zentrale sind keine Ereignisse gespeichert</translation>
    </message>
    <message>
        <source>qarvo_63</source>
        <translation>Ereignisprotokoll erfolgreich gelesen</translation>
    </message>
    <message>
        <source>qarvo_64</source>
        <translation>Ereignisprotokoll erfolgreich gelesen und gelöscht</translation>
    </message>
    <message>
        <source>qarvo_65</source>
        <translation>Abruf der Ereignisse vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>qarvo_66</source>
        <translation>Teilbereich A  </translation>
    </message>
    <message>
        <source>qarvo_67</source>
        <translation>Teilbereich   B</translation>
    </message>
    <message>
        <source>qarvo_68</source>
        <translation>Teilbereich A&amp;B</translation>
    </message>
    <message>
        <source>qarvo_69</source>
        <translation>Der Kommunikator wird zurückgesetzt und neu gestartet
Die Verbindung ist getrennt</translation>
    </message>
    <message>
        <source>qarvo_70</source>
        <translation>Panel v2.1 </translation>
    </message>
    <message>
        <source>qarvo_71</source>
        <translation>Orin (8 PGMs, 12 Zonen)</translation>
    </message>
    <message>
        <source>qarvo_72</source>
        <translation>Orin (8 PGMs, 12 Zonen, VAD)</translation>
    </message>
    <message>
        <source>qarvo_73</source>
        <translation>Sirus (8 PGMs, 16 Zonen, Funk)</translation>
    </message>
    <message>
        <source>qarvo_74</source>
        <translation>Sirus (8 PGMs, 16 Zonen, Funk, VAD)</translation>
    </message>
    <message>
        <source>qarvo_75</source>
        <translation>OrinIP</translation>
    </message>
    <message>
        <source>qarvo_76</source>
        <translation>OrinIP (8 PGMs, 12 Zonen, VAD)</translation>
    </message>
    <message>
        <source>qarvo_77</source>
        <translation>SirusIP (8 PGMs, 16 Zonen, Funk)</translation>
    </message>
    <message>
        <source>qarvo_78</source>
        <translation>SirusIP (8 PGMs, 16 Zonen, Funk, VAD)</translation>
    </message>
    <message>
        <source>qarvo_79</source>
        <translation>Unbekannter Zentralentyp: %02X</translation>
    </message>
    <message>
        <source>qarvo_80</source>
        <translation>Lese Anzahl der Ereignisse</translation>
    </message>
    <message>
        <source>qarvo_81</source>
        <translation>Anzahl der Ereignisse gelesen</translation>
    </message>
    <message>
        <source>qarvo_82</source>
        <translation>Lese Ereignisprotokoll %02d%%</translation>
    </message>
    <message>
        <source>qarvo_83</source>
        <translation>Ereignisprotokoll löschen</translation>
    </message>
    <message>
        <source>qarvo_84</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>qarvo_85</source>
        <translation>Hardwarefehler</translation>
    </message>
    <message>
        <source>qarvo_86</source>
        <translation>Bitte vor dem Beenden die Verbindung schließen</translation>
    </message>
    <message>
        <source>qarvo_98</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>qarvo_99</source>
        <translation>min</translation>
    </message>
    <message>
        <source>qarvo_104</source>
        <translation>s</translation>
    </message>
    <message>
        <source>qarvo_105</source>
        <translation>min</translation>
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
        <translation>Seite "Hauptbenutzer-Funktionen":</translation>
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
        <source>qarvo_129</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>qarvo_130</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>qarvo_131</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>qarvo_132</source>
        <translation>EINGANGSZEIT</translation>
    </message>
    <message>
        <source>qarvo_133</source>
        <translation>NICHT BEREIT</translation>
    </message>
    <message>
        <source>qarvo_134</source>
        <translation>ZWANGSSCHARF BEREIT</translation>
    </message>
    <message>
        <source>qarvo_135</source>
        <translation>Sab. offen</translation>
    </message>
    <message>
        <source>qarvo_136</source>
        <translation>Sab. Alarm</translation>
    </message>
    <message>
        <source>qarvo_137</source>
        <translation>Sabotagestörung</translation>
    </message>
    <message>
        <source>qarvo_138</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>qarvo_139</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>qarvo_141</source>
        <translation>Auto-Scharf durch Auto-Unscharf gestoppt</translation>
    </message>
    <message>
        <source>qarvo_142</source>
        <translation>Zeitgesteuerte Unscharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_143</source>
        <translation>PGM</translation>
    </message>
    <message>
        <source>qarvo_144</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>qarvo_145</source>
        <translation>Aktivierung</translation>
    </message>
    <message>
        <source>qarvo_146</source>
        <translation>Deaktivierung</translation>
    </message>
    <message>
        <source>qarvo_147</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>qarvo_148</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>qarvo_149</source>
        <translation>min</translation>
    </message>
    <message>
        <source>qarvo_150</source>
        <translation>s</translation>
    </message>
    <message>
        <source>qarvo_151</source>
        <translation>Bitte auf der Errichter-Seite den Typ für PGM%d festlegen.</translation>
    </message>
    <message>
        <source>qarvo_152</source>
        <translation>Bedienteil</translation>
    </message>
    <message>
        <source>qarvo_153</source>
        <translation>Sabotage</translation>
    </message>
    <message>
        <source>qarvo_158</source>
        <translation>Zone 1</translation>
    </message>
    <message>
        <source>qarvo_159</source>
        <translation>Zone 2</translation>
    </message>
    <message>
        <source>qarvo_160</source>
        <translation>00/unbenutzt</translation>
    </message>
    <message>
        <source>qarvo_161</source>
        <translation>01/Panik</translation>
    </message>
    <message>
        <source>qarvo_162</source>
        <translation>02/Feuer</translation>
    </message>
    <message>
        <source>qarvo_163</source>
        <translation>03/Notruf</translation>
    </message>
    <message>
        <source>qarvo_164</source>
        <translation>04/Sabotage</translation>
    </message>
    <message>
        <source>qarvo_165</source>
        <translation>05/Alarm</translation>
    </message>
    <message>
        <source>qarvo_166</source>
        <translation>06/Sirene gepulst</translation>
    </message>
    <message>
        <source>qarvo_167</source>
        <translation>07/Sirene Dauerton</translation>
    </message>
    <message>
        <source>qarvo_168</source>
        <translation>08/stiller Alarm</translation>
    </message>
    <message>
        <source>qarvo_169</source>
        <translation>10/Status scharf</translation>
    </message>
    <message>
        <source>qarvo_170</source>
        <translation>11/Status unscharf</translation>
    </message>
    <message>
        <source>qarvo_171</source>
        <translation>12/Status Eingang</translation>
    </message>
    <message>
        <source>qarvo_172</source>
        <translation>13/Status Ausgang</translation>
    </message>
    <message>
        <source>qarvo_173</source>
        <translation>Scharfschaltung durch Benutzer</translation>
    </message>
    <message>
        <source>qarvo_174</source>
        <translation>Scharfschaltung per Schlüsselschalter</translation>
    </message>
    <message>
        <source>qarvo_175</source>
        <translation>Scharfschaltung per PC</translation>
    </message>
    <message>
        <source>qarvo_176</source>
        <translation>Datei: </translation>
    </message>
    <message>
        <source>qarvo_177</source>
        <translation>Seite: %d/%d</translation>
    </message>
    <message>
        <source>qarvo_178</source>
        <translation>Zeitgesteuerte Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_179</source>
        <translation>Scharfschaltung bei Inaktivität</translation>
    </message>
    <message>
        <source>qarvo_180</source>
        <translation>Schnellscharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_181</source>
        <translation>Intern-Scharfschaltung durch Benutzer</translation>
    </message>
    <message>
        <source>qarvo_182</source>
        <translation>Intern-Scharfschaltung per Schlüsselschalter</translation>
    </message>
    <message>
        <source>qarvo_183</source>
        <translation>Schnelle Intern-Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_184</source>
        <translation>Teilscharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_185</source>
        <translation>Auto-Scharfschaltung fehlgeschlagen</translation>
    </message>
    <message>
        <source>qarvo_186</source>
        <translation>Unscharfschaltung durch Benutzer</translation>
    </message>
    <message>
        <source>qarvo_187</source>
        <translation>Unscharfschaltung per Schlüsselschalter</translation>
    </message>
    <message>
        <source>qarvo_188</source>
        <translation>Unscharfschaltung per PC</translation>
    </message>
    <message>
        <source>qarvo_189</source>
        <translation>Auto-Scharfschaltung abgebrochen</translation>
    </message>
    <message>
        <source>qarvo_190</source>
        <translation>Swinger-Überbrückung</translation>
    </message>
    <message>
        <source>qarvo_191</source>
        <translation>19/Störung</translation>
    </message>
    <message>
        <source>qarvo_192</source>
        <translation>20/Uhr</translation>
    </message>
    <message>
        <source>qarvo_193</source>
        <translation>30/Summer Schlüsselschalter</translation>
    </message>
    <message>
        <source>qarvo_194</source>
        <translation>31/Warnsummer</translation>
    </message>
    <message>
        <source>qarvo_195</source>
        <translation>40/Impuls nach Ausgang</translation>
    </message>
    <message>
        <source>qarvo_196</source>
        <translation>41/Impuls scharf</translation>
    </message>
    <message>
        <source>qarvo_197</source>
        <translation>42/Impuls unscharf</translation>
    </message>
    <message>
        <source>qarvo_198</source>
        <translation>43/Orientierungslicht</translation>
    </message>
    <message>
        <source>qarvo_199</source>
        <translation>44/Impuls Rundgang OK</translation>
    </message>
    <message>
        <source>qarvo_200</source>
        <translation>45/Impuls Rundgang Fehler</translation>
    </message>
    <message>
        <source>qarvo_201</source>
        <translation>46/Impuls Sirenenstörung</translation>
    </message>
    <message>
        <source>qarvo_202</source>
        <translation>47/nachtriggerbares Monoflop</translation>
    </message>
    <message>
        <source>qarvo_203</source>
        <translation>49/bistabil</translation>
    </message>
    <message>
        <source>qarvo_204</source>
        <translation>Rundgänge Beginn</translation>
    </message>
    <message>
        <source>qarvo_205</source>
        <translation>Rundgänge Ende</translation>
    </message>
    <message>
        <source>qarvo_206</source>
        <translation>Rundgang OK</translation>
    </message>
    <message>
        <source>qarvo_207</source>
        <translation>Rundgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>qarvo_208</source>
        <translation>Rundgang unter Bedrohung</translation>
    </message>
    <message>
        <source>qarvo_209</source>
        <translation>Einbruchalarm</translation>
    </message>
    <message>
        <source>qarvo_210</source>
        <translation>Meldersabotage</translation>
    </message>
    <message>
        <source>qarvo_211</source>
        <translation>Panikalarm</translation>
    </message>
    <message>
        <source>qarvo_212</source>
        <translation>Feueralarm</translation>
    </message>
    <message>
        <source>qarvo_213</source>
        <translation>Medizinischer Notruf</translation>
    </message>
    <message>
        <source>qarvo_214</source>
        <translation>Bedrohung</translation>
    </message>
    <message>
        <source>qarvo_215</source>
        <translation>Bedienteilsperre</translation>
    </message>
    <message>
        <source>qarvo_216</source>
        <translation>Alarm-Rückstellung</translation>
    </message>
    <message>
        <source>qarvo_217</source>
        <translation>Sabotage-Rückstellung</translation>
    </message>
    <message>
        <source>qarvo_218</source>
        <translation>Netzausfall</translation>
    </message>
    <message>
        <source>qarvo_219</source>
        <translation>Akku schwach</translation>
    </message>
    <message>
        <source>qarvo_220</source>
        <translation>Sirenenstörung</translation>
    </message>
    <message>
        <source>qarvo_221</source>
        <translation>AUX-Überlast</translation>
    </message>
    <message>
        <source>qarvo_222</source>
        <translation>Uhrzeit verloren</translation>
    </message>
    <message>
        <source>qarvo_223</source>
        <translation>Netzausfall behoben</translation>
    </message>
    <message>
        <source>qarvo_224</source>
        <translation>Akku wieder normal</translation>
    </message>
    <message>
        <source>qarvo_225</source>
        <translation>Sirene wieder normal</translation>
    </message>
    <message>
        <source>qarvo_226</source>
        <translation>AUX wieder normal</translation>
    </message>
    <message>
        <source>qarvo_227</source>
        <translation>Uhrzeit wiederhergestellt</translation>
    </message>
    <message>
        <source>qarvo_228</source>
        <translation>Programmiermodus Beginn</translation>
    </message>
    <message>
        <source>qarvo_229</source>
        <translation>Programmiermodus Ende</translation>
    </message>
    <message>
        <source>qarvo_230</source>
        <translation>PC verbunden</translation>
    </message>
    <message>
        <source>qarvo_231</source>
        <translation>PC getrennt</translation>
    </message>
    <message>
        <source>qarvo_232</source>
        <translation>Protokoll 90% voll</translation>
    </message>
    <message>
        <source>qarvo_233</source>
        <translation>Protokoll 100% voll</translation>
    </message>
    <message>
        <source>qarvo_234</source>
        <translation>Routinemeldung</translation>
    </message>
    <message>
        <source>qarvo_235</source>
        <translation>Programmierung geändert</translation>
    </message>
    <message>
        <source>qarvo_236</source>
        <translation>Wartungsanforderung</translation>
    </message>
    <message>
        <source>qarvo_237</source>
        <translation>PGM-Aktivierung durch Benutzer</translation>
    </message>
    <message>
        <source>qarvo_238</source>
        <translation>PGM-Deaktivierung durch Benutzer</translation>
    </message>
    <message>
        <source>qarvo_239</source>
        <translation>Übertragung fehlgeschlagen</translation>
    </message>
    <message>
        <source>qarvo_240</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>qarvo_241</source>
        <translation>CID</translation>
    </message>
    <message>
        <source>qarvo_242</source>
        <translation>4x2</translation>
    </message>
    <message>
        <source>qarvo_243</source>
        <translation>Teil A</translation>
    </message>
    <message>
        <source>qarvo_244</source>
        <translation>Teil B</translation>
    </message>
    <message>
        <source>qarvo_245</source>
        <translation>Teil A</translation>
    </message>
    <message>
        <source>qarvo_246</source>
        <translation>Teil B</translation>
    </message>
    <message>
        <source>qarvo_247</source>
        <translation>Überbrückung</translation>
    </message>
    <message>
        <source>qarvo_248</source>
        <translation>Zeitgesteuerte Unscharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_249</source>
        <translation>Der Benutzercode muss 4 oder 6 Hex-Ziffern haben.</translation>
    </message>
    <message>
        <source>qarvo_250</source>
        <translation>Sabotage Bedienteil %d</translation>
    </message>
    <message>
        <source>qarvo_251</source>
        <translation>Sabotage-Rückstellung Bedienteil %d</translation>
    </message>
    <message>
        <source>qarvo_252</source>
        <translation>Sabotagealarm vom Kartenleser</translation>
    </message>
    <message>
        <source>qarvo_253</source>
        <translation>Sabotage-Rückstellung am Kartenleser</translation>
    </message>
    <message>
        <source>qarvo_254</source>
        <translation>Sabotagealarm vom Handsender</translation>
    </message>
    <message>
        <source>qarvo_255</source>
        <translation>Sabotage-Rückstellung am Handsender</translation>
    </message>
    <message>
        <source>qarvo_256</source>
        <translation>Scharfschaltung mit Wartungscode des Errichters</translation>
    </message>
    <message>
        <source>qarvo_257</source>
        <translation>Scharfschaltung durch Hauptbenutzer</translation>
    </message>
    <message>
        <source>qarvo_258</source>
        <translation>Scharfschaltung durch Benutzer %d</translation>
    </message>
    <message>
        <source>qarvo_259</source>
        <translation>Sabotagealarm von Gerät %d</translation>
    </message>
    <message>
        <source>qarvo_260</source>
        <translation>Sabotage-Rückstellung an Gerät %d</translation>
    </message>
    <message>
        <source>qarvo_261</source>
        <translation>Sabotage Erweiterungsmodul</translation>
    </message>
    <message>
        <source>qarvo_262</source>
        <translation>Erweiterungsmodul wieder normal</translation>
    </message>
    <message>
        <source>qarvo_263</source>
        <translation>Alle Ereignisse wurden als gelesen markiert.</translation>
    </message>
    <message>
        <source>qarvo_264</source>
        <translation>4B/Impuls nach Unscharf per Karte</translation>
    </message>
    <message>
        <source>qarvo_265</source>
        <translation>4C/Impuls bei Karte im Unscharfzustand</translation>
    </message>
    <message>
        <source>qarvo_266</source>
        <translation>PGM zeitgesteuert ein</translation>
    </message>
    <message>
        <source>qarvo_267</source>
        <translation>PGM zeitgesteuert aus</translation>
    </message>
    <message>
        <source>qarvo_268</source>
        <translation>Karte nicht vom PC bestätigt</translation>
    </message>
    <message>
        <source>qarvo_269</source>
        <translation>Karte nicht mit Wartungscode bestätigt</translation>
    </message>
    <message>
        <source>qarvo_270</source>
        <translation>Karte nicht vom Hauptbenutzer bestätigt</translation>
    </message>
    <message>
        <source>qarvo_271</source>
        <translation>Karte nicht von Benutzer %d bestätigt</translation>
    </message>
    <message>
        <source>qarvo_272</source>
        <translation>Karte nicht rechtzeitig bestätigt</translation>
    </message>
    <message>
        <source>qarvo_273</source>
        <translation>Ungültige Angabe Stunde:Minute.</translation>
    </message>
    <message>
        <source>qarvo_274</source>
        <translation>Bitte Stunde:Minute eingeben.</translation>
    </message>
    <message>
        <source>qarvo_275</source>
        <translation>Die Hauptbenutzer-Seite enthält einen Fehler. Bitte den Fehler beheben, um fortzufahren.</translation>
    </message>
    <message>
        <source>qarvo_276</source>
        <translation>Die Errichter-Seite enthält einen Fehler. Bitte den Fehler beheben, um fortzufahren.</translation>
    </message>
    <message>
        <source>qarvo_302</source>
        <translation>Unscharfschaltung mit Wartungscode des Errichters</translation>
    </message>
    <message>
        <source>qarvo_303</source>
        <translation>Unscharfschaltung durch Hauptbenutzer</translation>
    </message>
    <message>
        <source>qarvo_304</source>
        <translation>Unscharfschaltung durch Benutzer %d</translation>
    </message>
    <message>
        <source>qarvo_348</source>
        <translation>Zone %d durch Swinger-Abschaltung überbrückt</translation>
    </message>
    <message>
        <source>qarvo_354</source>
        <translation>Zone %d überbrückt</translation>
    </message>
    <message>
        <source>qarvo_366</source>
        <translation>Scharfschaltung per Schlüsselschalter</translation>
    </message>
    <message>
        <source>qarvo_367</source>
        <translation>Scharfschaltung per PC</translation>
    </message>
    <message>
        <source>qarvo_368</source>
        <translation>Zeitgesteuerte Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_369</source>
        <translation>Scharfschaltung bei Inaktivität</translation>
    </message>
    <message>
        <source>qarvo_370</source>
        <translation>Schnellscharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_371</source>
        <translation>Unbekanntes Ereignis. ERRICHTER ANRUFEN!</translation>
    </message>
    <message>
        <source>qarvo_372</source>
        <translation>Unscharfschaltung per Schlüsselschalter</translation>
    </message>
    <message>
        <source>qarvo_373</source>
        <translation>Unscharfschaltung per PC</translation>
    </message>
    <message>
        <source>qarvo_377</source>
        <translation>Intern-Scharfschaltung per Schlüsselschalter</translation>
    </message>
    <message>
        <source>qarvo_378</source>
        <translation>Schnelle Intern-Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_379</source>
        <translation>Teilscharfschaltung (Innenzonen wurden überbrückt)</translation>
    </message>
    <message>
        <source>qarvo_380</source>
        <translation>Auto-Scharfschaltung fehlgeschlagen</translation>
    </message>
    <message>
        <source>qarvo_382</source>
        <translation>Rundgang an Zone %d erfolgt</translation>
    </message>
    <message>
        <source>qarvo_388</source>
        <translation>Rundgang an Zone %d fehlgeschlagen</translation>
    </message>
    <message>
        <source>qarvo_394</source>
        <translation>Rundgang unter Bedrohung an Zone %d</translation>
    </message>
    <message>
        <source>qarvo_400</source>
        <translation>Errichter unter Bedrohung</translation>
    </message>
    <message>
        <source>qarvo_401</source>
        <translation>Hauptbenutzer unter Bedrohung</translation>
    </message>
    <message>
        <source>qarvo_402</source>
        <translation>Benutzer %d unter Bedrohung</translation>
    </message>
    <message>
        <source>qarvo_428</source>
        <translation>Firmware-Update läuft</translation>
    </message>
    <message>
        <source>qarvo_452</source>
        <translation>Alarm-Rückstellung Zone %d</translation>
    </message>
    <message>
        <source>qarvo_458</source>
        <translation>Panikalarm von Bedienteil %d ausgelöst</translation>
    </message>
    <message>
        <source>qarvo_459</source>
        <translation>Panikalarm Zone %d</translation>
    </message>
    <message>
        <source>qarvo_464</source>
        <translation>Bedienteilsperre nach zu vielen falschen Codes</translation>
    </message>
    <message>
        <source>qarvo_466</source>
        <translation>Feueralarm von Bedienteil %d ausgelöst</translation>
    </message>
    <message>
        <source>qarvo_467</source>
        <translation>Feueralarm Zone %d</translation>
    </message>
    <message>
        <source>qarvo_473</source>
        <translation>Medizinischer Notruf von Bedienteil %d ausgelöst</translation>
    </message>
    <message>
        <source>qarvo_474</source>
        <translation>Medizinischer Notruf Zone %d</translation>
    </message>
    <message>
        <source>qarvo_475</source>
        <translation>Sabotage-Rückstellung Zone %d</translation>
    </message>
    <message>
        <source>qarvo_480</source>
        <translation>Sabotagealarm Zone %d</translation>
    </message>
    <message>
        <source>qarvo_486</source>
        <translation>Netzausfall</translation>
    </message>
    <message>
        <source>qarvo_487</source>
        <translation>Niedrige Akkuspannung</translation>
    </message>
    <message>
        <source>qarvo_488</source>
        <translation>Störung am Sirenenausgang</translation>
    </message>
    <message>
        <source>qarvo_489</source>
        <translation>Überlast an AUX-Versorgung</translation>
    </message>
    <message>
        <source>qarvo_490</source>
        <translation>Eingeschaltet (Zeit/Datum ungenau!!!)</translation>
    </message>
    <message>
        <source>qarvo_491</source>
        <translation>Netzspannung wiederhergestellt</translation>
    </message>
    <message>
        <source>qarvo_492</source>
        <translation>Akkuspannung wieder normal</translation>
    </message>
    <message>
        <source>qarvo_493</source>
        <translation>Störung am Sirenenausgang behoben</translation>
    </message>
    <message>
        <source>qarvo_494</source>
        <translation>Überlast an AUX-Versorgung behoben</translation>
    </message>
    <message>
        <source>qarvo_495</source>
        <translation>Zeit/Datum geändert</translation>
    </message>
    <message>
        <source>qarvo_498</source>
        <translation>PC mit Zentrale verbunden</translation>
    </message>
    <message>
        <source>qarvo_499</source>
        <translation>PC von Zentrale getrennt</translation>
    </message>
    <message>
        <source>qarvo_500</source>
        <translation>Ereignisprotokoll zu 90% voll</translation>
    </message>
    <message>
        <source>qarvo_501</source>
        <translation>Ereignisprotokoll zu 100% voll</translation>
    </message>
    <message>
        <source>qarvo_502</source>
        <translation>Routinemeldung</translation>
    </message>
    <message>
        <source>qarvo_504</source>
        <translation>Wartungsanforderung Bedienteil %d</translation>
    </message>
    <message>
        <source>qarvo_508</source>
        <translation>Zeit/Datum eingestellt</translation>
    </message>
    <message>
        <source>qarvo_510</source>
        <translation>Errichter hat Telefonübertragung abgebrochen</translation>
    </message>
    <message>
        <source>qarvo_511</source>
        <translation>Hauptbenutzer hat Telefonübertragung abgebrochen</translation>
    </message>
    <message>
        <source>qarvo_512</source>
        <translation>Intern-Scharfschaltung mit Wartungscode des Errichters</translation>
    </message>
    <message>
        <source>qarvo_513</source>
        <translation>Intern-Scharfschaltung durch Hauptbenutzer</translation>
    </message>
    <message>
        <source>qarvo_514</source>
        <translation>Intern-Scharfschaltung durch Benutzer %d</translation>
    </message>
    <message>
        <source>qarvo_558</source>
        <translation>Rundgänge zeitgesteuert gestartet</translation>
    </message>
    <message>
        <source>qarvo_559</source>
        <translation>Rundgänge mit Wartungscode des Errichters gestartet</translation>
    </message>
    <message>
        <source>qarvo_560</source>
        <translation>Rundgänge durch Hauptbenutzer gestartet</translation>
    </message>
    <message>
        <source>qarvo_561</source>
        <translation>Rundgänge durch Benutzer %d gestartet</translation>
    </message>
    <message>
        <source>qarvo_605</source>
        <translation>Rundgänge zeitgesteuert beendet</translation>
    </message>
    <message>
        <source>qarvo_606</source>
        <translation>Rundgänge mit Wartungscode des Errichters beendet</translation>
    </message>
    <message>
        <source>qarvo_607</source>
        <translation>Rundgänge durch Hauptbenutzer beendet</translation>
    </message>
    <message>
        <source>qarvo_608</source>
        <translation>Rundgänge durch Benutzer %d beendet</translation>
    </message>
    <message>
        <source>qarvo_652</source>
        <translation>Melder im Test an Zone %d geöffnet</translation>
    </message>
    <message>
        <source>qarvo_658</source>
        <translation>Melder im Test an Zone %d wieder geschlossen</translation>
    </message>
    <message>
        <source>qarvo_711</source>
        <translation>Übertragung an Leitstelle 1 und 2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>qarvo_712</source>
        <translation>Übertragung an Leitstelle 1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>qarvo_713</source>
        <translation>Übertragung an Leitstelle 2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>qarvo_714</source>
        <translation>PGM-Deaktivierung per PC</translation>
    </message>
    <message>
        <source>qarvo_715</source>
        <translation>PGM-Deaktivierung mit Wartungscode des Errichters</translation>
    </message>
    <message>
        <source>qarvo_716</source>
        <translation>PGM-Deaktivierung durch Hauptbenutzer</translation>
    </message>
    <message>
        <source>qarvo_717</source>
        <translation>PGM-Deaktivierung durch Benutzer %d</translation>
    </message>
    <message>
        <source>qarvo_718</source>
        <translation>Einbruchalarm Zone %d</translation>
    </message>
    <message>
        <source>qarvo_800</source>
        <translation>48/rücksetzbares Monoflop</translation>
    </message>
    <message>
        <source>qarvo_801</source>
        <translation>51/Impuls nach Alarm Zone 2</translation>
    </message>
    <message>
        <source>qarvo_802</source>
        <translation>52/Impuls nach Alarm Zone 3</translation>
    </message>
    <message>
        <source>qarvo_803</source>
        <translation>53/Impuls nach Alarm Zone 4</translation>
    </message>
    <message>
        <source>qarvo_804</source>
        <translation>54/Impuls nach Alarm Zone 5</translation>
    </message>
    <message>
        <source>qarvo_805</source>
        <translation>55/Impuls nach Alarm Zone 6</translation>
    </message>
    <message>
        <source>qarvo_806</source>
        <translation>56/Impuls nach Alarm Zone 7</translation>
    </message>
    <message>
        <source>qarvo_807</source>
        <translation>18/Störung Telefonleitung</translation>
    </message>
    <message>
        <source>qarvo_808</source>
        <translation>50/Impuls nach Alarm Zone 1</translation>
    </message>
    <message>
        <source>qarvo_809</source>
        <translation>4A/Impuls Störung Telefonleitung</translation>
    </message>
    <message>
        <source>qarvo_810</source>
        <translation>57/Impuls nach Alarm Zone 8</translation>
    </message>
    <message>
        <source>qarvo_811</source>
        <translation>58/Impuls nach Alarm Zone 9</translation>
    </message>
    <message>
        <source>qarvo_812</source>
        <translation>59/Impuls nach Alarm Zone 10</translation>
    </message>
    <message>
        <source>qarvo_813</source>
        <translation>5A/Impuls nach Alarm Zone 11</translation>
    </message>
    <message>
        <source>qarvo_814</source>
        <translation>5B/Impuls nach Alarm Zone 12</translation>
    </message>
    <message>
        <source>qarvo_815</source>
        <translation>/Ungültiger PGM-Typ</translation>
    </message>
    <message>
        <source>qarvo_816</source>
        <translation>/Ungültiger Zonentyp</translation>
    </message>
    <message>
        <source>qarvo_817</source>
        <translation>5C/Impuls nach Alarm Zone 13</translation>
    </message>
    <message>
        <source>qarvo_818</source>
        <translation>/Ungültiges Übertragungsformat</translation>
    </message>
    <message>
        <source>qarvo_820</source>
        <translation>5D/Impuls nach Alarm Zone 14</translation>
    </message>
    <message>
        <source>qarvo_821</source>
        <translation>5E/Impuls nach Alarm Zone 15</translation>
    </message>
    <message>
        <source>qarvo_822</source>
        <translation>5F/Impuls nach Alarm Zone 16</translation>
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
        <source>qarvo_960</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>qarvo_961</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>qarvo_962</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>qarvo_963</source>
        <translation>Aktuell:</translation>
    </message>
    <message>
        <source>qarvo_964</source>
        <translation>Update auf:</translation>
    </message>
    <message>
        <source>qarvo_965</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>qarvo_966</source>
        <translation>Nicht gestartet</translation>
    </message>
    <message>
        <source>qarvo_1000</source>
        <translation>4D/Impuls Versorgung Brandmelder</translation>
    </message>
    <message>
        <source>qarvo_1012</source>
        <translation>Errichter startet Programmiermodus</translation>
    </message>
    <message>
        <source>qarvo_1013</source>
        <translation>Hauptbenutzer startet Programmiermodus</translation>
    </message>
    <message>
        <source>qarvo_1014</source>
        <translation>Errichter verlässt Programmiermodus</translation>
    </message>
    <message>
        <source>qarvo_1015</source>
        <translation>Hauptbenutzer verlässt Programmiermodus</translation>
    </message>
    <message>
        <source>qarvo_1016</source>
        <translation>Errichter hat Programmierwerte geändert</translation>
    </message>
    <message>
        <source>qarvo_1017</source>
        <translation>Hauptbenutzer hat Programmierwerte geändert</translation>
    </message>
    <message>
        <source>qarvo_1280</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>qarvo_1281</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>qarvo_1282</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>qarvo_1283</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>qarvo_1284</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>qarvo_1285</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>qarvo_1286</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>qarvo_1287</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>qarvo_1288</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>qarvo_1289</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>qarvo_1290</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>qarvo_1291</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>qarvo_1296</source>
        <translation>So.</translation>
    </message>
    <message>
        <source>qarvo_1297</source>
        <translation>Mo.</translation>
    </message>
    <message>
        <source>qarvo_1298</source>
        <translation>Di.</translation>
    </message>
    <message>
        <source>qarvo_1299</source>
        <translation>Mi.</translation>
    </message>
    <message>
        <source>qarvo_1300</source>
        <translation>Do.</translation>
    </message>
    <message>
        <source>qarvo_1301</source>
        <translation>Fr.</translation>
    </message>
    <message>
        <source>qarvo_1302</source>
        <translation>Sa.</translation>
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
        <translation>Über QarvoIP</translation>
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
        <source>qarvo_2006</source>
        <translation>Sprache der LCD-Meldungen</translation>
    </message>
    <message>
        <source>qarvo_2034</source>
        <translation>DTMF-Wahlpegel</translation>
    </message>
    <message>
        <source>qarvo_2037</source>
        <translation>Impulswahl-Verhältnis</translation>
    </message>
    <message>
        <source>qarvo_2042</source>
        <translation>Digitales Wählgerät</translation>
    </message>
    <message>
        <source>qarvo_2043</source>
        <translation>Teilbereiche aktivieren (für Betrieb mit Teilbereichen anhaken)</translation>
    </message>
    <message>
        <source>qarvo_2044</source>
        <translation>IDs und Codes</translation>
    </message>
    <message>
        <source>qarvo_2045</source>
        <translation>Errichtercode</translation>
    </message>
    <message>
        <source>qarvo_2046</source>
        <translation>Identifikationscode der Zentrale</translation>
    </message>
    <message>
        <source>qarvo_2047</source>
        <translation>Identifikationscode des PCs</translation>
    </message>
    <message>
        <source>qarvo_2050</source>
        <translation>A - Benutzer darf Zonen überbrücken
B - Benutzer darf scharf schalten
C - Benutzer darf intern scharf schalten
D - Benutzer darf zwangsscharf schalten</translation>
    </message>
    <message>
        <source>qarvo_2051</source>
        <translation>E - Benutzer darf unscharf schalten/Sirene stoppen
F - Zugang zu Teilbereich A
G - Zugang zu Teilbereich B
H - Zugang über Telefonleitung</translation>
    </message>
    <message>
        <source>qarvo_2052</source>
        <translation>I - Benutzer darf Rundgänge starten
J - Benutzer darf Rundgänge beenden
K - Benutzer darf PGM per Karte schalten</translation>
    </message>
    <message>
        <source>qarvo_2053</source>
        <translation>P1-P8 - Benutzer darf PGM umschalten</translation>
    </message>
    <message>
        <source>qarvo_2054</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>qarvo_2056</source>
        <translation>A - Lauter/stiller Alarm
B - Sirene Dauer-/Pulston
C - Manuell überbrückbar
D - Swinger-Abschaltung</translation>
    </message>
    <message>
        <source>qarvo_2057</source>
        <translation>E - Zwangsscharfschaltung
F - Aktiviert "Gong"
G - Innenzone
H - Schnelle Zone (50ms)</translation>
    </message>
    <message>
        <source>qarvo_2058</source>
        <translation>I - Intellizone
J - Melder im Test
K - NC-Kontakte an Zone
L - Sabotageerkennung</translation>
    </message>
    <message>
        <source>qarvo_2059</source>
        <translation>M - EOL-Zone
N - Zonenverdopplung (ATZ)
O - ATZ parallel verdrahtet
P - Alarm nur am Summer</translation>
    </message>
    <message>
        <source>qarvo_2060</source>
        <translation>Q - Gehört zu Teilbereich A
R - Gehört zu Teilbereich B
S - Funkmelder</translation>
    </message>
    <message>
        <source>qarvo_2061</source>
        <translation>Codelänge:</translation>
    </message>
    <message>
        <source>qarvo_2062</source>
        <translation>Wahlverfahren:</translation>
    </message>
    <message>
        <source>qarvo_2063</source>
        <translation>Rufannahme:</translation>
    </message>
    <message>
        <source>qarvo_2064</source>
        <translation>TLM-Option:</translation>
    </message>
    <message>
        <source>qarvo_2065</source>
        <translation>Bedienteilsperre nach</translation>
    </message>
    <message>
        <source>qarvo_2066</source>
        <translation>falschen Codes</translation>
    </message>
    <message>
        <source>qarvo_2067</source>
        <translation>Systemdaten und Uhrzeit nicht durch Hauptbenutzer programmierbar</translation>
    </message>
    <message>
        <source>qarvo_2068</source>
        <translation>Sperre zurücksetzen</translation>
    </message>
    <message>
        <source>qarvo_2069</source>
        <translation>Nächste Störungstöne am Bedienteil stoppen</translation>
    </message>
    <message>
        <source>qarvo_2070</source>
        <translation>Sabotage löst Sirene auch unscharf aus</translation>
    </message>
    <message>
        <source>qarvo_2071</source>
        <translation>Sabotage Handsendermodul</translation>
    </message>
    <message>
        <source>qarvo_2072</source>
        <translation>Sabotage PGM-Erweiterung</translation>
    </message>
    <message>
        <source>qarvo_2073</source>
        <translation>Zone/Benutzer/Bedienteil als 0 melden (komprimierter CID)</translation>
    </message>
    <message>
        <source>qarvo_2074</source>
        <translation>PGM ein per Karte nicht melden</translation>
    </message>
    <message>
        <source>qarvo_2075</source>
        <translation>Quittungstöne bei Schlüsselschalter</translation>
    </message>
    <message>
        <source>qarvo_2076</source>
        <translation>Quittungston beim Scharfschalten</translation>
    </message>
    <message>
        <source>qarvo_2077</source>
        <translation>Quittungstöne beim Unscharfschalten</translation>
    </message>
    <message>
        <source>qarvo_2078</source>
        <translation>Ton während Ausgangsverzögerung</translation>
    </message>
    <message>
        <source>qarvo_2079</source>
        <translation>Warntöne vor Auto-Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_2080</source>
        <translation>Ton nach Ablauf der Ausgangszeit</translation>
    </message>
    <message>
        <source>qarvo_2081</source>
        <translation>Sirene aktiviert Bedienteilsummer</translation>
    </message>
    <message>
        <source>qarvo_2082</source>
        <translation>Sabotage Zonenerweiterung</translation>
    </message>
    <message>
        <source>qarvo_2083</source>
        <translation>Bedrohung aktiviert Sirene</translation>
    </message>
    <message>
        <source>qarvo_2084</source>
        <translation>Bedienteilsperre mit Sirene</translation>
    </message>
    <message>
        <source>qarvo_2085</source>
        <translation>Rundgang OK am Ende melden</translation>
    </message>
    <message>
        <source>qarvo_2086</source>
        <translation>Eingangsverzögerung 1:</translation>
    </message>
    <message>
        <source>qarvo_2087</source>
        <translation>Eingangsverzögerung 2:</translation>
    </message>
    <message>
        <source>qarvo_2088</source>
        <translation>Sirenenlaufzeit:</translation>
    </message>
    <message>
        <source>qarvo_2089</source>
        <translation>Sirenenlaufzeit Feuer:</translation>
    </message>
    <message>
        <source>qarvo_2090</source>
        <translation>Verzögerung Netzausfall:</translation>
    </message>
    <message>
        <source>qarvo_2091</source>
        <translation>Zeitfenster Intellizonen:</translation>
    </message>
    <message>
        <source>qarvo_2092</source>
        <translation>Tondauer:</translation>
    </message>
    <message>
        <source>qarvo_2093</source>
        <translation>Tonpause:</translation>
    </message>
    <message>
        <source>qarvo_2094</source>
        <translation>Zähler Swinger-Abschaltung:</translation>
    </message>
    <message>
        <source>qarvo_2095</source>
        <translation>PGM-Ausgänge</translation>
    </message>
    <message>
        <source>qarvo_2097</source>
        <translation>DTMF-Präfix:</translation>
    </message>
    <message>
        <source>qarvo_2098</source>
        <translation>Beginn der Rundgänge:
Ende der Rundgänge:</translation>
    </message>
    <message>
        <source>qarvo_2099</source>
        <translation>Anzahl Klingelzeichen</translation>
    </message>
    <message>
        <source>qarvo_2100</source>
        <translation>Zeit zwischen den Routinemeldungen</translation>
    </message>
    <message>
        <source>qarvo_2101</source>
        <translation>Zeitpunkt der ersten Routinemeldung</translation>
    </message>
    <message>
        <source>qarvo_2102</source>
        <translation>Bedienteile</translation>
    </message>
    <message>
        <source>qarvo_2103</source>
        <translation>Rundgangsintervall:
Vorwarnzeit vor jedem Rundgang:</translation>
    </message>
    <message>
        <source>qarvo_2104</source>
        <translation>Ausgangsverzögerung:</translation>
    </message>
    <message>
        <source>qarvo_2105</source>
        <translation>Begrüßungstext</translation>
    </message>
    <message>
        <source>qarvo_2106</source>
        <translation>Rückrufnummer:</translation>
    </message>
    <message>
        <source>qarvo_2107</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>qarvo_2108</source>
        <translation>(min)</translation>
    </message>
    <message>
        <source>qarvo_2109</source>
        <translation>(x65 ms)</translation>
    </message>
    <message>
        <source>qarvo_2110</source>
        <translation>(Std:Min)</translation>
    </message>
    <message>
        <source>qarvo_2111</source>
        <translation>Rückruf erforderlich</translation>
    </message>
    <message>
        <source>qarvo_2112</source>
        <translation>Zentrale nimmt Anrufe des entfernten PCs an</translation>
    </message>
    <message>
        <source>qarvo_2113</source>
        <translation>Inaktivitätszeit:</translation>
    </message>
    <message>
        <source>qarvo_2114</source>
        <translation>Protokoll automatisch senden, wenn es zu 90% voll ist</translation>
    </message>
    <message>
        <source>qarvo_2116</source>
        <translation>Sprach-/Tonwählgerät nimmt Fernabfragen an</translation>
    </message>
    <message>
        <source>qarvo_2117</source>
        <translation>Dauer der Sprach-/Tonmeldung (s):
Anzahl der Sprach-/Tonwahlfolgen:</translation>
    </message>
    <message>
        <source>qarvo_2118</source>
        <translation>Sprachmodul aktivieren</translation>
    </message>
    <message>
        <source>qarvo_2119</source>
        <translation>Doppelte Meldung</translation>
    </message>
    <message>
        <source>qarvo_2120</source>
        <translation>Alarme lösen Sprach-/Tonmeldung aus</translation>
    </message>
    <message>
        <source>qarvo_2121</source>
        <translation>Ereignis "Netzausfall" löst Sprach-/Tonmeldung aus</translation>
    </message>
    <message>
        <source>qarvo_2122</source>
        <translation>Ereignis "Bedrohung" löst Sprach-/Tonmeldung aus</translation>
    </message>
    <message>
        <source>qarvo_2123</source>
        <translation>Sprach-/Tonmeldung bei Akkustörung</translation>
    </message>
    <message>
        <source>qarvo_2124</source>
        <translation>Selektive "Follow me"-Meldung</translation>
    </message>
    <message>
        <source>qarvo_2127</source>
        <translation>Teilbereich A</translation>
    </message>
    <message>
        <source>qarvo_2128</source>
        <translation>Schnellscharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_2129</source>
        <translation>Schnelle Intern-Scharfschaltung sofort</translation>
    </message>
    <message>
        <source>qarvo_2130</source>
        <translation>Schnelle Intern-Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_2131</source>
        <translation>Scharfschaltung ohne Benutzercode immer zwangsweise</translation>
    </message>
    <message>
        <source>qarvo_2132</source>
        <translation>Unscharfschaltung per Karte muss bestätigt werden</translation>
    </message>
    <message>
        <source>qarvo_2133</source>
        <translation>Offene Zonen bei Zwangsscharf erlaubt</translation>
    </message>
    <message>
        <source>qarvo_2134</source>
        <translation>Zeitgesteuerte Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_2137</source>
        <translation>Zeitgesteuerte Unscharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_2138</source>
        <translation>Scharfschaltung bei Inaktivität</translation>
    </message>
    <message>
        <source>qarvo_2139</source>
        <translation>Intern scharf, wenn niemand hinausgeht</translation>
    </message>
    <message>
        <source>qarvo_2140</source>
        <translation>Auto-Scharfschaltung als Intern-Scharf</translation>
    </message>
    <message>
        <source>qarvo_2141</source>
        <translation>Auto-Scharfschaltung als Zwangsscharf</translation>
    </message>
    <message>
        <source>qarvo_2142</source>
        <translation>Piepton während Ausgangsverzögerung</translation>
    </message>
    <message>
        <source>qarvo_2143</source>
        <translation>Keine Töne bei Intern-Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_2146</source>
        <translation>Medizinischer Notruf ([1]+[3])</translation>
    </message>
    <message>
        <source>qarvo_2147</source>
        <translation>Wartungsanforderung ([4]+[6])</translation>
    </message>
    <message>
        <source>qarvo_2148</source>
        <translation>Feueralarm ([7]+[9])</translation>
    </message>
    <message>
        <source>qarvo_2149</source>
        <translation>Panik ([*]+[#])</translation>
    </message>
    <message>
        <source>qarvo_2150</source>
        <translation>Medizinischer Notruf aktiviert Sirene</translation>
    </message>
    <message>
        <source>qarvo_2151</source>
        <translation>Panik aktiviert Sirene</translation>
    </message>
    <message>
        <source>qarvo_2159</source>
        <translation>Teilbereich B</translation>
    </message>
    <message>
        <source>qarvo_2185</source>
        <translation>Primär</translation>
    </message>
    <message>
        <source>qarvo_2186</source>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>qarvo_2187</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>qarvo_2188</source>
        <translation>Impuls</translation>
    </message>
    <message>
        <source>qarvo_2189</source>
        <translation>Nach Anzahl Klingelzeichen</translation>
    </message>
    <message>
        <source>qarvo_2190</source>
        <translation>Doppelanruf</translation>
    </message>
    <message>
        <source>qarvo_2191</source>
        <translation>TLM ist deaktiviert (Standard)</translation>
    </message>
    <message>
        <source>qarvo_2192</source>
        <translation>TLM erzeugt nur eine Störung</translation>
    </message>
    <message>
        <source>qarvo_2193</source>
        <translation>Stille Alarme werden laut</translation>
    </message>
    <message>
        <source>qarvo_2194</source>
        <translation>Alarm, wenn Zentrale vollständig scharf</translation>
    </message>
    <message>
        <source>qarvo_2195</source>
        <translation>Anderer Standard</translation>
    </message>
    <message>
        <source>qarvo_2196</source>
        <translation>Standard TBR21</translation>
    </message>
    <message>
        <source>qarvo_2197</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>qarvo_2198</source>
        <translation>*</translation>
    </message>
    <message>
        <source>qarvo_2199</source>
        <translation>#</translation>
    </message>
    <message>
        <source>qarvo_2217</source>
        <translation>Benutzercodes</translation>
    </message>
    <message>
        <source>qarvo_2218</source>
        <translation>Bedrohungsziffer:</translation>
    </message>
    <message>
        <source>qarvo_2221</source>
        <translation>A - Benutzer darf Zonen überbrücken
B - Benutzer darf scharf schalten
C - Benutzer darf intern scharf schalten
D - Benutzer darf zwangsscharf schalten</translation>
    </message>
    <message>
        <source>qarvo_2222</source>
        <translation>E - Benutzer darf unscharf schalten/Sirene stoppen
F - Zugang zu Teilbereich A
G - Zugang zu Teilbereich B
H - Zugang über Telefonleitung</translation>
    </message>
    <message>
        <source>qarvo_2223</source>
        <translation>I - Benutzer darf Rundgänge starten
J - Benutzer darf Rundgänge beenden
K - Benutzer darf PGM per Karte schalten</translation>
    </message>
    <message>
        <source>qarvo_2224</source>
        <translation>P1-P8 - Benutzer darf PGM umschalten</translation>
    </message>
    <message>
        <source>qarvo_2226</source>
        <translation>"Follow me" 01:</translation>
    </message>
    <message>
        <source>qarvo_2227</source>
        <translation>"Follow me" 02:</translation>
    </message>
    <message>
        <source>qarvo_2228</source>
        <translation>"Follow me" 03:</translation>
    </message>
    <message>
        <source>qarvo_2229</source>
        <translation>"Follow me" 04:</translation>
    </message>
    <message>
        <source>qarvo_2230</source>
        <translation>Sprach-/Tonwählgerät nimmt Fernabfragen an</translation>
    </message>
    <message>
        <source>qarvo_2231</source>
        <translation>Dauer der Sprach-/Tonmeldung (s):
Anzahl der Sprach-/Tonwahlfolgen:</translation>
    </message>
    <message>
        <source>qarvo_2232</source>
        <translation>Sprachmodul aktivieren</translation>
    </message>
    <message>
        <source>qarvo_2233</source>
        <translation>Doppelte Meldung</translation>
    </message>
    <message>
        <source>qarvo_2234</source>
        <translation>Alarme lösen Sprach-/Tonmeldung aus</translation>
    </message>
    <message>
        <source>qarvo_2235</source>
        <translation>Ereignis "Netzausfall" löst Sprach-/Tonmeldung aus</translation>
    </message>
    <message>
        <source>qarvo_2236</source>
        <translation>Ereignis "Bedrohung" löst Sprach-/Tonmeldung aus</translation>
    </message>
    <message>
        <source>qarvo_2237</source>
        <translation>Sprach-/Tonmeldung bei Akkustörung</translation>
    </message>
    <message>
        <source>qarvo_2238</source>
        <translation>Selektive "Follow me"-Meldung</translation>
    </message>
    <message>
        <source>qarvo_2240</source>
        <translation>Beginn der Rundgänge:
Ende der Rundgänge:</translation>
    </message>
    <message>
        <source>qarvo_2242</source>
        <translation>Rundgangsintervall:
Vorwarnzeit vor jedem Rundgang:</translation>
    </message>
    <message>
        <source>qarvo_2244</source>
        <translation>PGM-Ausgänge</translation>
    </message>
    <message>
        <source>qarvo_2248</source>
        <translation>Teilbereich A</translation>
    </message>
    <message>
        <source>qarvo_2249</source>
        <translation>Zeitgesteuert scharf:</translation>
    </message>
    <message>
        <source>qarvo_2250</source>
        <translation>Zeitgesteuert unscharf:</translation>
    </message>
    <message>
        <source>qarvo_2251</source>
        <translation>Inaktivitätszeit:</translation>
    </message>
    <message>
        <source>qarvo_2252</source>
        <translation>(Std:Min)</translation>
    </message>
    <message>
        <source>qarvo_2259</source>
        <translation>Teilbereich B</translation>
    </message>
    <message>
        <source>qarvo_2260</source>
        <translation>Zeitgesteuert scharf:</translation>
    </message>
    <message>
        <source>qarvo_2261</source>
        <translation>Zeitgesteuert unscharf:</translation>
    </message>
    <message>
        <source>qarvo_2262</source>
        <translation>Inaktivitätszeit:</translation>
    </message>
    <message>
        <source>qarvo_2263</source>
        <translation>(Std:Min)</translation>
    </message>
    <message>
        <source>qarvo_2315</source>
        <translation>Zonen-Rückstellung...</translation>
    </message>
    <message>
        <source>qarvo_2316</source>
        <translation>Unscharfschaltung melden...</translation>
    </message>
    <message>
        <source>qarvo_2317</source>
        <translation>Testmeldung nur im scharfen Zustand senden</translation>
    </message>
    <message>
        <source>qarvo_2318</source>
        <translation>Digitale Übertragung aktivieren, Verfahren: </translation>
    </message>
    <message>
        <source>qarvo_2319</source>
        <translation>Nur ersten Zonenalarm melden</translation>
    </message>
    <message>
        <source>qarvo_2320</source>
        <translation>Überbrückung von Innenzonen melden</translation>
    </message>
    <message>
        <source>qarvo_2321</source>
        <translation>4x2-Format meldet Benutzer 16-45 als Benutzer F</translation>
    </message>
    <message>
        <source>qarvo_2322</source>
        <translation>Teilnehmernr. 1</translation>
    </message>
    <message>
        <source>qarvo_2323</source>
        <translation>Teilnehmernr. 2</translation>
    </message>
    <message>
        <source>qarvo_2324</source>
        <translation>Leitstelle 1: getrennte Meldungen</translation>
    </message>
    <message>
        <source>qarvo_2325</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>qarvo_2326</source>
        <translation>Alarme/Rückstellungen, Bedrohung, Panik, Bedienteilsperre melden</translation>
    </message>
    <message>
        <source>qarvo_2327</source>
        <translation>Scharf-/Unscharfschaltung, Überbrückung melden</translation>
    </message>
    <message>
        <source>qarvo_2328</source>
        <translation>Sabotage, Systemstörungen/-rückstellungen, Routinemeldung melden</translation>
    </message>
    <message>
        <source>qarvo_2329</source>
        <translation>Feuer, medizinischen Notruf melden</translation>
    </message>
    <message>
        <source>qarvo_2330</source>
        <translation>Leitstelle 2: getrennte Meldungen</translation>
    </message>
    <message>
        <source>qarvo_2331</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>qarvo_2332</source>
        <translation>Alarme/Rückstellungen, Bedrohung, Panik, Bedienteilsperre melden</translation>
    </message>
    <message>
        <source>qarvo_2333</source>
        <translation>Scharf-/Unscharfschaltung, Überbrückung melden</translation>
    </message>
    <message>
        <source>qarvo_2334</source>
        <translation>Sabotage, Systemstörungen/-rückstellungen, Routinemeldung melden</translation>
    </message>
    <message>
        <source>qarvo_2335</source>
        <translation>Feuer, medizinischen Notruf melden</translation>
    </message>
    <message>
        <source>qarvo_2336</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>qarvo_2337</source>
        <translation>Programmierung erlauben von</translation>
    </message>
    <message>
        <source>qarvo_2338</source>
        <translation>HINWEIS! Contact-ID-Codes 0xAA werden als 0x00 gemeldet.</translation>
    </message>
    <message>
        <source>qarvo_2339</source>
        <translation>Um ein Ereignis nicht zu melden, '0' oder '00' eingeben oder das Feld leer lassen.</translation>
    </message>
    <message>
        <source>qarvo_2343</source>
        <translation>wenn die Sirenenlaufzeit abläuft</translation>
    </message>
    <message>
        <source>qarvo_2344</source>
        <translation>wenn sich die Zonenschleife wieder schließt</translation>
    </message>
    <message>
        <source>qarvo_2345</source>
        <translation>immer</translation>
    </message>
    <message>
        <source>qarvo_2346</source>
        <translation>nur nach Alarm</translation>
    </message>
    <message>
        <source>qarvo_2347</source>
        <translation>getrennt</translation>
    </message>
    <message>
        <source>qarvo_2348</source>
        <translation>abwechselnd</translation>
    </message>
    <message>
        <source>qarvo_2349</source>
        <translation>Contact-ID-Codes</translation>
    </message>
    <message>
        <source>qarvo_2350</source>
        <translation>4x2-Codes</translation>
    </message>
    <message>
        <source>qarvo_2351</source>
        <translation>00/10PPS, 4x2 Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2352</source>
        <translation>01/10PPS, 4x2 Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2353</source>
        <translation>02/10PPS, 4x2 ohne Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2354</source>
        <translation>03/10PPS, 4x2 ohne Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2355</source>
        <translation>04/10PPS, 4x2 Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2356</source>
        <translation>05/10PPS, 4x2 Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2357</source>
        <translation>06/10PPS, 4x2 ohne Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2358</source>
        <translation>07/10PPS, 4x2 ohne Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2359</source>
        <translation>20/20PPS, 4x2 Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2360</source>
        <translation>21/20PPS, 4x2 Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2361</source>
        <translation>22/20PPS, 4x2 ohne Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2362</source>
        <translation>23/20PPS, 4x2 ohne Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2363</source>
        <translation>24/20PPS, 4x2 Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2364</source>
        <translation>25/20PPS, 4x2 Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2365</source>
        <translation>29/20PPS, 4x2 ohne Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2366</source>
        <translation>30/20PPS, 4x2 ohne Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2367</source>
        <translation>40/40PPS, 4x2 Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2368</source>
        <translation>41/40PPS, 4x2 Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2369</source>
        <translation>42/40PPS, 4x2 ohne Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2370</source>
        <translation>43/40PPS, 4x2 ohne Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2371</source>
        <translation>44/40PPS, 4x2 Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2372</source>
        <translation>45/40PPS, 4x2 Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2373</source>
        <translation>46/40PPS, 4x2 ohne Parität, 1400Hz</translation>
    </message>
    <message>
        <source>qarvo_2374</source>
        <translation>47/40PPS, 4x2 ohne Parität, 2300Hz</translation>
    </message>
    <message>
        <source>qarvo_2375</source>
        <translation>10/DTMF, 4x2 Ademco Express</translation>
    </message>
    <message>
        <source>qarvo_2376</source>
        <translation>90/DTMF, Ademco Contact ID</translation>
    </message>
    <message>
        <source>qarvo_2413</source>
        <translation>Zeit/Datum Zentrale:</translation>
    </message>
    <message>
        <source>qarvo_2414</source>
        <translation>Zeit/Datum PC:</translation>
    </message>
    <message>
        <source>qarvo_2415</source>
        <translation>Gong global:</translation>
    </message>
    <message>
        <source>qarvo_2416</source>
        <translation>System ist:</translation>
    </message>
    <message>
        <source>qarvo_2417</source>
        <translation>Teilbereich B ist:</translation>
    </message>
    <message>
        <source>qarvo_2418</source>
        <translation>Zentrale:</translation>
    </message>
    <message>
        <source>qarvo_2419</source>
        <translation>Systemstörungen:</translation>
    </message>
    <message>
        <source>qarvo_2420</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>qarvo_2421</source>
        <translation>Gong ein / aus</translation>
    </message>
    <message>
        <source>qarvo_2422</source>
        <translation>Scharf / Unscharf</translation>
    </message>
    <message>
        <source>qarvo_2423</source>
        <translation>Scharf / Unscharf</translation>
    </message>
    <message>
        <source>qarvo_2425</source>
        <translation>Überbrückung ein / aus</translation>
    </message>
    <message>
        <source>qarvo_2427</source>
        <translation>PGM ein / aus</translation>
    </message>
    <message>
        <source>qarvo_2428</source>
        <translation>Beschreibung der Zentrale / Notizen</translation>
    </message>
    <message>
        <source>qarvo_2505</source>
        <translation>Ereignisprotokoll anzeigen...</translation>
    </message>
    <message>
        <source>qarvo_2506</source>
        <translation>Ereignisse nach dem Abruf als gelesen markieren</translation>
    </message>
    <message>
        <source>qarvo_2507</source>
        <translation>Gesamtes Protokoll lesen, auch als gelesen markierte Ereignisse</translation>
    </message>
    <message>
        <source>qarvo_2508</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>qarvo_2509</source>
        <translation>&amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>qarvo_2510</source>
        <translation>&amp;TXT exportieren...</translation>
    </message>
    <message>
        <source>qarvo_2513</source>
        <translation>Aktuelles Protokoll</translation>
    </message>
    <message>
        <source>qarvo_2600</source>
        <translation>Modellinformationen</translation>
    </message>
    <message>
        <source>qarvo_2601</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>qarvo_2602</source>
        <translation>Hardware-Revision</translation>
    </message>
    <message>
        <source>qarvo_2603</source>
        <translation>Software-Revision</translation>
    </message>
    <message>
        <source>qarvo_2604</source>
        <translation>Verbunden über</translation>
    </message>
    <message>
        <source>qarvo_2605</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>qarvo_2606</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>qarvo_2607</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>qarvo_2608</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>qarvo_2609</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>qarvo_2610</source>
        <translation>Störsender</translation>
    </message>
    <message>
        <source>qarvo_2611</source>
        <translation>Kommunikator</translation>
    </message>
    <message>
        <source>qarvo_2612</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>qarvo_2613</source>
        <translation>Teilnehmernr.</translation>
    </message>
    <message>
        <source>qarvo_2614</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>qarvo_2615</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>qarvo_2616</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>qarvo_2617</source>
        <translation>Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>qarvo_2618</source>
        <translation>Automatisch (DHCP)</translation>
    </message>
    <message>
        <source>qarvo_2619</source>
        <translation>Netzmaske</translation>
    </message>
    <message>
        <source>qarvo_2620</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>qarvo_2621</source>
        <translation>Primärer DNS</translation>
    </message>
    <message>
        <source>qarvo_2622</source>
        <translation>Sekundärer DNS</translation>
    </message>
    <message>
        <source>qarvo_2623</source>
        <translation>Primärer Server</translation>
    </message>
    <message>
        <source>qarvo_2624</source>
        <translation>Sekundärer Server</translation>
    </message>
    <message>
        <source>qarvo_2625</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>qarvo_2626</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>qarvo_2627</source>
        <translation>Statischer Schlüssel</translation>
    </message>
    <message>
        <source>qarvo_2628</source>
        <translation>Keep-alive</translation>
    </message>
    <message>
        <source>qarvo_2629</source>
        <translation>(0...%d)s</translation>
    </message>
    <message>
        <source>qarvo_2630</source>
        <translation>GPRS</translation>
    </message>
    <message>
        <source>qarvo_2631</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>qarvo_2632</source>
        <translation>Einstellungen geändert</translation>
    </message>
    <message>
        <source>qarvo_2633</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>qarvo_2634</source>
        <translation>Teilbereich</translation>
    </message>
    <message>
        <source>qarvo_2635</source>
        <translation>Rückruf angenommen</translation>
    </message>
    <message>
        <source>qarvo_2636</source>
        <translation>PC verbunden</translation>
    </message>
    <message>
        <source>qarvo_2637</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>qarvo_2638</source>
        <translation>Panik</translation>
    </message>
    <message>
        <source>qarvo_2639</source>
        <translation>Leitung umschalten</translation>
    </message>
    <message>
        <source>qarvo_2640</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>qarvo_2641</source>
        <translation>Eingang 1</translation>
    </message>
    <message>
        <source>qarvo_2642</source>
        <translation>Eingang 2</translation>
    </message>
    <message>
        <source>qarvo_2643</source>
        <translation>Sabotage</translation>
    </message>
    <message>
        <source>qarvo_2644</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>qarvo_2645</source>
        <translation>Ereigniscode</translation>
    </message>
    <message>
        <source>qarvo_2646</source>
        <translation>PGM-Einstellungen</translation>
    </message>
    <message>
        <source>qarvo_2647</source>
        <translation>Selbsthaltung</translation>
    </message>
    <message>
        <source>qarvo_2648</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>qarvo_2649</source>
        <translation>PGM1</translation>
    </message>
    <message>
        <source>qarvo_2650</source>
        <translation>PGM2</translation>
    </message>
    <message>
        <source>qarvo_2651</source>
        <translation>PGM3</translation>
    </message>
    <message>
        <source>qarvo_2652</source>
        <translation>PGM4</translation>
    </message>
    <message>
        <source>qarvo_2653</source>
        <translation>SIM1</translation>
    </message>
    <message>
        <source>qarvo_2654</source>
        <translation>SIM2</translation>
    </message>
    <message>
        <source>qarvo_2655</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>qarvo_2656</source>
        <translation>Dual-SIM</translation>
    </message>
    <message>
        <source>qarvo_2657</source>
        <translation>PGM1 wenn gesperrt</translation>
    </message>
    <message>
        <source>qarvo_2658</source>
        <translation>PGM2 wenn gesperrt</translation>
    </message>
    <message>
        <source>qarvo_2659</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>qarvo_2660</source>
        <translation>Initialisierungsfehler</translation>
    </message>
    <message>
        <source>qarvo_2661</source>
        <translation>Ethernet-Fehler</translation>
    </message>
    <message>
        <source>qarvo_2662</source>
        <translation>GPRS-Fehler</translation>
    </message>
    <message>
        <source>qarvo_2663</source>
        <translation>Störsender</translation>
    </message>
    <message>
        <source>qarvo_2664</source>
        <translation>Schwaches Signal</translation>
    </message>
    <message>
        <source>qarvo_2665</source>
        <translation>Modul entfernt</translation>
    </message>
    <message>
        <source>qarvo_2666</source>
        <translation>SIM entfernt</translation>
    </message>
    <message>
        <source>qarvo_2667</source>
        <translation>Standardwerte laden</translation>
    </message>
    <message>
        <source>qarvo_2668</source>
        <translation>Standardwerte speichern</translation>
    </message>
    <message>
        <source>qarvo_2669</source>
        <translation>Keine Meldung</translation>
    </message>
    <message>
        <source>qarvo_2670</source>
        <translation>TaviCom</translation>
    </message>
    <message>
        <source>qarvo_2671</source>
        <translation>DC-09</translation>
    </message>
    <message>
        <source>qarvo_2672</source>
        <translation>GPRS-Einstellungen</translation>
    </message>
    <message>
        <source>qarvo_4755</source>
        <translation>Rundgänge per PC gestartet</translation>
    </message>
    <message>
        <source>qarvo_4756</source>
        <translation>Rundgänge per PC beendet</translation>
    </message>
    <message>
        <source>qarvo_4757</source>
        <translation>Auto-Scharfschaltung mit Wartungscode gestoppt</translation>
    </message>
    <message>
        <source>qarvo_4758</source>
        <translation>Auto-Scharfschaltung durch Hauptbenutzer gestoppt</translation>
    </message>
    <message>
        <source>qarvo_4759</source>
        <translation>Auto-Scharfschaltung durch Benutzer %d gestoppt</translation>
    </message>
    <message>
        <source>qarvo_4760</source>
        <translation>PGM-Aktivierung per PC</translation>
    </message>
    <message>
        <source>qarvo_4761</source>
        <translation>PGM-Aktivierung mit Wartungscode des Errichters</translation>
    </message>
    <message>
        <source>qarvo_4762</source>
        <translation>PGM-Aktivierung durch Hauptbenutzer</translation>
    </message>
    <message>
        <source>qarvo_4763</source>
        <translation>PGM-Aktivierung durch Benutzer %d</translation>
    </message>
    <message>
        <source>qarvo_4764</source>
        <translation>Auto-Scharfschaltung per Schlüsselschalter gestoppt</translation>
    </message>
    <message>
        <source>qarvo_4765</source>
        <translation>Auto-Scharfschaltung per PC gestoppt</translation>
    </message>
    <message>
        <source>qarvo_4766</source>
        <translation>Störung Telefonleitung</translation>
    </message>
    <message>
        <source>qarvo_4767</source>
        <translation>Telefonleitung wieder normal</translation>
    </message>
    <message>
        <source>qarvo_5008</source>
        <translation>PGM%d ein / aus</translation>
    </message>
    <message>
        <source>qarvo_5009</source>
        <translation>PGM%d einschalten</translation>
    </message>
    <message>
        <source>qarvo_5010</source>
        <translation>PGM%d ausschalten</translation>
    </message>
    <message>
        <source>qarvo_5011</source>
        <translation>PGM%d starten</translation>
    </message>
    <message>
        <source>qarvo_5012</source>
        <translation>PGM%d stoppen</translation>
    </message>
    <message>
        <source>qarvo_5018</source>
        <translation>Gong ein / aus</translation>
    </message>
    <message>
        <source>qarvo_5019</source>
        <translation>Gong einschalten</translation>
    </message>
    <message>
        <source>qarvo_5020</source>
        <translation>Gong ausschalten</translation>
    </message>
    <message>
        <source>qarvo_5021</source>
        <translation>Scharf / Unscharf</translation>
    </message>
    <message>
        <source>qarvo_5022</source>
        <translation>Scharf schalten</translation>
    </message>
    <message>
        <source>qarvo_5023</source>
        <translation>Unscharf schalten</translation>
    </message>
    <message>
        <source>qarvo_5024</source>
        <translation>Auto-Scharf stoppen</translation>
    </message>
    <message>
        <source>qarvo_5025</source>
        <translation>Überbrückung ein / aus</translation>
    </message>
    <message>
        <source>qarvo_5026</source>
        <translation>Überbrückung aufheben</translation>
    </message>
    <message>
        <source>qarvo_5027</source>
        <translation>Überbrücken</translation>
    </message>
    <message>
        <source>qarvo_5028</source>
        <translation>Teilbereich A ist:</translation>
    </message>
    <message>
        <source>qarvo_5030</source>
        <translation>System ist:</translation>
    </message>
    <message>
        <source>qarvo_5032</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>qarvo_5033</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>qarvo_5034</source>
        <translation>Hauptbenutzer</translation>
    </message>
    <message>
        <source>qarvo_5035</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>qarvo_5040</source>
        <translation>Datum und Uhrzeit werden programmiert</translation>
    </message>
    <message>
        <source>qarvo_5041</source>
        <translation>PGM-Status wird geändert</translation>
    </message>
    <message>
        <source>qarvo_5042</source>
        <translation>Gong wird umgeschaltet</translation>
    </message>
    <message>
        <source>qarvo_5043</source>
        <translation>Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_5044</source>
        <translation>Scharfschaltung Teilbereich A</translation>
    </message>
    <message>
        <source>qarvo_5045</source>
        <translation>Scharfschaltung Teilbereich B</translation>
    </message>
    <message>
        <source>qarvo_5046</source>
        <translation>Unscharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_5047</source>
        <translation>Unscharfschaltung Teilbereich A</translation>
    </message>
    <message>
        <source>qarvo_5048</source>
        <translation>Unscharfschaltung Teilbereich B</translation>
    </message>
    <message>
        <source>qarvo_5049</source>
        <translation>Zone %d wird überbrückt</translation>
    </message>
    <message>
        <source>qarvo_5050</source>
        <translation>Überbrückung von Zone %d wird aufgehoben</translation>
    </message>
    <message>
        <source>qarvo_5051</source>
        <translation>Hauptbenutzer-Seite wird gelesen</translation>
    </message>
    <message>
        <source>qarvo_5052</source>
        <translation>Hauptbenutzer-Seite wird geschrieben</translation>
    </message>
    <message>
        <source>qarvo_5053</source>
        <translation>Errichter-Seite wird gelesen</translation>
    </message>
    <message>
        <source>qarvo_5054</source>
        <translation>Errichter-Seite wird geschrieben</translation>
    </message>
    <message>
        <source>qarvo_5072</source>
        <translation>PGM1 muss als bistabil, monostabil oder
Zeitschaltuhr programmiert sein, um es zu schalten.</translation>
    </message>
    <message>
        <source>qarvo_5073</source>
        <translation>PGM2 muss als bistabil, monostabil oder
Zeitschaltuhr programmiert sein, um es zu schalten.</translation>
    </message>
    <message>
        <source>qarvo_5074</source>
        <translation>Das System muss unscharf sein, 
um Zonen zu überbrücken/freizugeben.</translation>
    </message>
    <message>
        <source>qarvo_5075</source>
        <translation>Teilbereich A muss unscharf sein, um 
Zone  %d zu überbrücken/freizugeben.</translation>
    </message>
    <message>
        <source>qarvo_5076</source>
        <translation>Teilbereich B muss unscharf sein, um 
Zone  %d zu überbrücken/freizugeben.</translation>
    </message>
    <message>
        <source>qarvo_5077</source>
        <translation>Mindestens ein Teilbereich muss unscharf sein, 
um Zone  %d zu überbrücken/freizugeben.</translation>
    </message>
    <message>
        <source>qarvo_5078</source>
        <translation>Zone %d ist nicht überbrückbar. Bitte das Zonenattribut 
ändern, um sie zu überbrücken/freizugeben.</translation>
    </message>
    <message>
        <source>qarvo_5079</source>
        <translation>Zone %d muss zu einem Teilbereich gehören, um sie zu überbrücken.</translation>
    </message>
    <message>
        <source>qarvo_5080</source>
        <translation>Die Zentrale ist bereits unscharf.</translation>
    </message>
    <message>
        <source>qarvo_5081</source>
        <translation>Teilbereich A ist bereits unscharf.</translation>
    </message>
    <message>
        <source>qarvo_5082</source>
        <translation>Teilbereich B ist bereits unscharf.</translation>
    </message>
    <message>
        <source>qarvo_5083</source>
        <translation>Die Zentrale ist bereits scharf.</translation>
    </message>
    <message>
        <source>qarvo_5084</source>
        <translation>Teilbereich A ist bereits scharf.</translation>
    </message>
    <message>
        <source>qarvo_5085</source>
        <translation>Teilbereich B ist bereits scharf.</translation>
    </message>
    <message>
        <source>qarvo_5086</source>
        <translation>Die Zentrale ist in der Ausgangszeit.</translation>
    </message>
    <message>
        <source>qarvo_5087</source>
        <translation>Teilbereich A ist in der Ausgangszeit.</translation>
    </message>
    <message>
        <source>qarvo_5088</source>
        <translation>Teilbereich B ist in der Ausgangszeit.</translation>
    </message>
    <message>
        <source>qarvo_5089</source>
        <translation>Das System ist nicht in der Auto-Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_5090</source>
        <translation>Teilbereich A ist nicht in der Auto-Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_5091</source>
        <translation>Teilbereich B ist nicht in der Auto-Scharfschaltung</translation>
    </message>
    <message>
        <source>qarvo_5092</source>
        <translation>Auto-Scharfschaltung des Systems wird gestoppt</translation>
    </message>
    <message>
        <source>qarvo_5093</source>
        <translation>Auto-Scharfschaltung von Teilbereich A wird gestoppt</translation>
    </message>
    <message>
        <source>qarvo_5094</source>
        <translation>Auto-Scharfschaltung von Teilbereich B wird gestoppt</translation>
    </message>
    <message>
        <source>qarvo_5104</source>
        <translation>Keine Systemstörungen</translation>
    </message>
    <message>
        <source>qarvo_5105</source>
        <translation>Akku schwach</translation>
    </message>
    <message>
        <source>qarvo_5106</source>
        <translation>Netzausfall</translation>
    </message>
    <message>
        <source>qarvo_5107</source>
        <translation>Übertragungsfehler</translation>
    </message>
    <message>
        <source>qarvo_5108</source>
        <translation>Datum &amp; Uhrzeit verloren</translation>
    </message>
    <message>
        <source>qarvo_5109</source>
        <translation>Sirenenstörung</translation>
    </message>
    <message>
        <source>qarvo_5110</source>
        <translation>AUX-Störung</translation>
    </message>
    <message>
        <source>qarvo_5111</source>
        <translation>TLM-Störung</translation>
    </message>
    <message>
        <source>qarvo_5120</source>
        <translation>SOFORT </translation>
    </message>
    <message>
        <source>qarvo_5121</source>
        <translation>INTERN </translation>
    </message>
    <message>
        <source>qarvo_5122</source>
        <translation>SCHARF</translation>
    </message>
    <message>
        <source>qarvo_5123</source>
        <translation>UNSCHARF</translation>
    </message>
    <message>
        <source>qarvo_5124</source>
        <translation>AUSGANGSZEIT</translation>
    </message>
    <message>
        <source>qarvo_5127</source>
        <translation>AUTO-SCHARF</translation>
    </message>
    <message>
        <source>qarvo_5128</source>
        <translation>SCHARF</translation>
    </message>
    <message>
        <source>qarvo_5129</source>
        <translation>UNSCHARF</translation>
    </message>
    <message>
        <source>qarvo_5152</source>
        <translation>Es muss ein Wert eingetragen sein.</translation>
    </message>
    <message>
        <source>qarvo_5153</source>
        <translation>Der Wert darf nicht null sein.</translation>
    </message>
    <message>
        <source>qarvo_5154</source>
        <translation>Es muss ein %d-stelliger Code (HEX) sein.</translation>
    </message>
    <message>
        <source>qarvo_5163</source>
        <translation>Bitte den gewählten Wert prüfen!</translation>
    </message>
    <message>
        <source>qarvo_5184</source>
        <translation>Sie haben versucht, eine neuere Zentralenversion zu verbinden.
Bitte wenden Sie sich für eine neuere Softwareversion an Ihren Händler.</translation>
    </message>
    <message>
        <source>qarvo_5185</source>
        <translation>Sie haben versucht, eine unbekannte Zentrale zu verbinden.
Bitte wenden Sie sich an den Hersteller.</translation>
    </message>
    <message>
        <source>qarvo_5186</source>
        <translation>Sie sind mit einer anderen Zentrale verbunden. Alle Parameter wurden auf Standardwerte zurückgesetzt.</translation>
    </message>
    <message>
        <source>qarvo_5187</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <source>qarvo_5235</source>
        <translation>Online-Status</translation>
    </message>
    <message>
        <source>qarvo_5236</source>
        <translation>Hauptbenutzer-Funktionen</translation>
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
        <source>qarvo_5241</source>
        <translation>Aktuelles Protokoll</translation>
    </message>
    <message>
        <source>qarvo_5242</source>
        <translation>Altes Protokoll</translation>
    </message>
    <message>
        <source>qarvo_5243</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>qarvo_5244</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>qarvo_5245</source>
        <translation>März</translation>
    </message>
    <message>
        <source>qarvo_5246</source>
        <translation>April</translation>
    </message>
    <message>
        <source>qarvo_5247</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>qarvo_5248</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>qarvo_5249</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>qarvo_5250</source>
        <translation>August</translation>
    </message>
    <message>
        <source>qarvo_5251</source>
        <translation>September</translation>
    </message>
    <message>
        <source>qarvo_5252</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>qarvo_5253</source>
        <translation>November</translation>
    </message>
    <message>
        <source>qarvo_5254</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>qarvo_6000</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>qarvo_6001</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>qarvo_6002</source>
        <translation>Zone offen</translation>
    </message>
    <message>
        <source>qarvo_6003</source>
        <translation>Einbruch</translation>
    </message>
    <message>
        <source>qarvo_6004</source>
        <translation>Überbrückt</translation>
    </message>
    <message>
        <source>qarvo_6005</source>
        <translation>Intern</translation>
    </message>
    <message>
        <source>qarvo_6006</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>qarvo_6007</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>qarvo_6008</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>qarvo_6009</source>
        <translation>00/unbenutzt</translation>
    </message>
    <message>
        <source>qarvo_6010</source>
        <translation>01/verzögert 1</translation>
    </message>
    <message>
        <source>qarvo_6011</source>
        <translation>02/verzögert 2</translation>
    </message>
    <message>
        <source>qarvo_6012</source>
        <translation>03/Folgezone</translation>
    </message>
    <message>
        <source>qarvo_6013</source>
        <translation>04/sofort</translation>
    </message>
    <message>
        <source>qarvo_6014</source>
        <translation>05/24h Einbruch</translation>
    </message>
    <message>
        <source>qarvo_6015</source>
        <translation>10/24h Sabotage</translation>
    </message>
    <message>
        <source>qarvo_6016</source>
        <translation>11/24h Panik</translation>
    </message>
    <message>
        <source>qarvo_6017</source>
        <translation>12/24h Feuer</translation>
    </message>
    <message>
        <source>qarvo_6018</source>
        <translation>14/Schlüsselschalter/Panik</translation>
    </message>
    <message>
        <source>qarvo_6019</source>
        <translation>13/24h med. Notruf</translation>
    </message>
    <message>
        <source>qarvo_6020</source>
        <translation>15/Intern-Schlüsselschalter/Panik</translation>
    </message>
    <message>
        <source>qarvo_6021</source>
        <translation>16/Rundgang</translation>
    </message>
    <message>
        <source>qarvo_6022</source>
        <translation>06/24h Technik</translation>
    </message>
    <message>
        <source>qarvo_6100</source>
        <translation>Erfolgreich heruntergeladen</translation>
    </message>
    <message>
        <source>qarvo_6101</source>
        <translation>Fehler beim Herunterladen</translation>
    </message>
    <message>
        <source>qarvo_6102</source>
        <translation>Erfolgreich hochgeladen</translation>
    </message>
    <message>
        <source>qarvo_6103</source>
        <translation>Fehler beim Hochladen</translation>
    </message>
    <message>
        <source>qarvo_6104</source>
        <translation>Zeitüberschreitung Tavi</translation>
    </message>
    <message>
        <source>qarvo_6105</source>
        <translation>Fehler beim Aktivieren des PGM-Ausgangs</translation>
    </message>
    <message>
        <source>qarvo_6200</source>
        <translation>Firmware-Update gestartet</translation>
    </message>
    <message>
        <source>qarvo_6201</source>
        <translation>Suche Update-Server</translation>
    </message>
    <message>
        <source>qarvo_6202</source>
        <translation>Kommunikation fehlgeschlagen. Update gestoppt</translation>
    </message>
    <message>
        <source>qarvo_6203</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>qarvo_6204</source>
        <translation>Update-Server erreicht</translation>
    </message>
    <message>
        <source>qarvo_6205</source>
        <translation>Firmware ist aktuell. Kein Update nötig</translation>
    </message>
    <message>
        <source>qarvo_6206</source>
        <translation>Update-Server nicht erreicht</translation>
    </message>
    <message>
        <source>qarvo_6207</source>
        <translation>Herunterladen...</translation>
    </message>
    <message>
        <source>qarvo_6208</source>
        <translation>Erfolgreich heruntergeladen. Verbindung geschlossen</translation>
    </message>
    <message>
        <source>qarvo_6209</source>
        <translation>Update von der Gegenseite abgebrochen</translation>
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
        <source>qarvo_9003</source>
        <translation>Bitte eine Zahl von 0 bis %d eingeben.</translation>
    </message>
    <message>
        <source>qarvo_9004</source>
        <translation>Bitte eine IPv4-Adresse oder einen Hostnamen mit höchstens %d Zeichen eingeben.</translation>
    </message>
    <message>
        <source>qarvo_9005</source>
        <translation>Die Einstellungen wurden nicht geändert
Sind Sie sicher?</translation>
    </message>
    <message>
        <source>qarvo_9006</source>
        <translation>Bitte eine Zahl von 1 bis %d eingeben.</translation>
    </message>
    <message>
        <source>qarvo_9040</source>
        <translation>Zeile %d der Konfigurationsdatei enthält einen ungültigen Wert. Der Standardwert wird verwendet.</translation>
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
        <translation>Hauptbenutzer-Optionen anzeigen
Hauptbenutzer-Optionen</translation>
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
        <translation>Teilnehmernr.</translation>
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
        <source>qarvo_9300</source>
        <translation>Nicht aktiv</translation>
    </message>
    <message>
        <source>qarvo_9301</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>qarvo_9302</source>
        <translation>Aktiv (frühere Meldung)</translation>
    </message>
    <message>
        <source>qarvo_9303</source>
        <translation>Teilbereich A</translation>
    </message>
    <message>
        <source>qarvo_9304</source>
        <translation>Teilbereiche A und B</translation>
    </message>
    <message>
        <source>qarvo_9305</source>
        <translation>Teilbereich B</translation>
    </message>
    <message>
        <source>qarvo_9306</source>
        <translation>Teilbereich A, noch nicht gemeldet</translation>
    </message>
    <message>
        <source>qarvo_9307</source>
        <translation>Teilbereiche A und B, noch nicht gemeldet</translation>
    </message>
    <message>
        <source>qarvo_9308</source>
        <translation>Teilbereich B, noch nicht gemeldet</translation>
    </message>
    <message>
        <source>qarvo_9310</source>
        <translation>%1 (%2). Gefüllte Markierung: aktiv. A / B: der Teilbereich, in dem sie aktiv ist. Gestrichelter Umriss: im Betrieb mit Teilbereichen noch nicht gemeldet. Leer: nicht aktiv.</translation>
    </message>
    <message>
        <source>qarvo_9311</source>
        <translation>offene Tür</translation>
    </message>
    <message>
        <source>qarvo_9312</source>
        <translation>leeres Dreieck</translation>
    </message>
    <message>
        <source>qarvo_9313</source>
        <translation>Stern mit !</translation>
    </message>
    <message>
        <source>qarvo_9314</source>
        <translation>Dreieck mit !</translation>
    </message>
    <message>
        <source>qarvo_9315</source>
        <translation>Kreis mit Balken</translation>
    </message>
    <message>
        <source>qarvo_9316</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>qarvo_9400</source>
        <translation>Fehler: Die Datei '%s' konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>qarvo_9401</source>
        <translation>Fehler: Kein temporärer Pfad verfügbar. [%#08X]</translation>
    </message>
    <message>
        <source>qarvo_9402</source>
        <translation>Fehler: Kein temporärer Dateiname verfügbar. [%#08X]</translation>
    </message>
    <message>
        <source>qarvo_9403</source>
        <translation>Fehler: Die temporäre Datei '%s' konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>qarvo_9404</source>
        <translation>Fehler beim Ausführen des Befehls: '%s' [%#08X]
</translation>
    </message>
    <message>
        <source>qarvo_9405</source>
        <translation>Fehler: Die PDF-Datei wurde nicht erstellt.
%s</translation>
    </message>
    <message>
        <source>qarvo_9406</source>
        <translation>Fehler: Der PDF-Konverter war nach %d Sekunden nicht fertig und wurde gestoppt. Es wurde nichts geöffnet.</translation>
    </message>
    <message>
        <source>qarvo_9407</source>
        <translation>Excel-Dateien (*.txt)</translation>
    </message>
    <message>
        <source>qarvo_9408</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>qarvo_9409</source>
        <translation>Events.txt</translation>
    </message>
    <message>
        <source>qarvo_9410</source>
        <translation>Events.pdf</translation>
    </message>
    <message>
        <source>qarvo_9411</source>
        <translation>Aufruf: Text2PDF "input.txt" "output.pdf"</translation>
    </message>
    <message>
        <source>qarvo_9412</source>
        <translation>Die Textdatei '%s' kann nicht gelesen werden: %s</translation>
    </message>
    <message>
        <source>qarvo_9413</source>
        <translation>Die PDF-Datei '%s' kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>qarvo_9414</source>
        <translation>Der Konverter wurde mit Exit-Code %d beendet.</translation>
    </message>
    <message>
        <source>qarvo_9500</source>
        <translation>Die Standardwerte wurden nicht gespeichert: Es gibt keine Standardwertdatei zum Überschreiben.</translation>
    </message>
    <message>
        <source>qarvo_9501</source>
        <translation>Die Standardwerte wurden nicht gespeichert: Die Standardwertdatei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>qarvo_9502</source>
        <translation>Bitte eine IPv4-Adresse eingeben: vier Zahlen von 0 bis 255, durch Punkte getrennt.</translation>
    </message>
    <message>
        <source>qarvo_9503</source>
        <translation>Der Update-Server wurde nicht gefunden. An den Kommunikator wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>qarvo_9504</source>
        <translation>Ein Firmware-Update läuft bereits.</translation>
    </message>
    <message>
        <source>qarvo_9505</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>qarvo_9600</source>
        <translation>Telefonnummer 1</translation>
    </message>
    <message>
        <source>qarvo_9601</source>
        <translation>Telefonnummer 2</translation>
    </message>
    <message>
        <source>qarvo_9602</source>
        <translation>Änderungen an %s speichern?</translation>
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
        <source>qarvo_9722</source>
        <translation>Das Schreiben wurde nicht beendet: Die Zentrale ist möglicherweise nur teilweise beschrieben und enthält einen Teil der neuen und einen Teil der alten Einstellungen.

Ihre Seiten vor dem Schreiben sind gesichert in
%s

Zum Wiederherstellen diese Datei öffnen und beide Seiten schreiben, oder ausführen:
qarvoip-cli restore &quot;%s&quot;</translation>
    </message>
    <message>
        <source>qarvo_9723</source>
        <translation>Die Zentrale enthält diese Einstellungen bereits: Es wurde nichts geschrieben (bereits aktuell).</translation>
    </message>
    <message>
        <source>qarvo_9850</source>
        <translation>&amp;Objekte...</translation>
    </message>
    <message>
        <source>qarvo_9851</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>qarvo_9852</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>qarvo_9853</source>
        <translation>Letzte Sicherung</translation>
    </message>
    <message>
        <source>qarvo_9854</source>
        <translation>Letztes Ergebnis</translation>
    </message>
    <message>
        <source>qarvo_9855</source>
        <translation>Offene Störungen</translation>
    </message>
    <message>
        <source>qarvo_9856</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>qarvo_9857</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>qarvo_9858</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>qarvo_9859</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>qarvo_9860</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>qarvo_9861</source>
        <translation>Das Objekt %s aus dem Buch entfernen? Sein Verlauf bleibt erhalten.</translation>
    </message>
    <message>
        <source>qarvo_9862</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>qarvo_9863</source>
        <translation>Direkt</translation>
    </message>
    <message>
        <source>qarvo_9864</source>
        <translation>Rückruf</translation>
    </message>
    <message>
        <source>qarvo_9865</source>
        <translation>Auf den Anruf warten</translation>
    </message>
    <message>
        <source>qarvo_9866</source>
        <translation>Rückruf Host:Port</translation>
    </message>
    <message>
        <source>qarvo_9867</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>qarvo_9868</source>
        <translation>Leer lassen, um das gespeicherte Passwort zu behalten</translation>
    </message>
    <message>
        <source>qarvo_9869</source>
        <translation>Verlauf von %s</translation>
    </message>
    <message>
        <source>qarvo_9870</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>qarvo_9871</source>
        <translation>Auftragsläufe</translation>
    </message>
    <message>
        <source>qarvo_9872</source>
        <translation>Sicherung ö&amp;ffnen</translation>
    </message>
    <message>
        <source>qarvo_9873</source>
        <translation>Vergleichen &amp;mit...</translation>
    </message>
    <message>
        <source>qarvo_9874</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>qarvo_9875</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>qarvo_9876</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>qarvo_9877</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>qarvo_9878</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>qarvo_9879</source>
        <translation>Das Objektbuch kann nicht verwendet werden: %s</translation>
    </message>
    <message>
        <source>qarvo_9880</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>qarvo_9881</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>qarvo_9882</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>qarvo_9883</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>qarvo_9884</source>
        <translation>Einstellungen, die sich von der Sicherung vom %s unterscheiden</translation>
    </message>
    <message>
        <source>qarvo_9885</source>
        <translation>Die beiden Sicherungen enthalten dieselben Einstellungen.</translation>
    </message>
    <message>
        <source>qarvo_9886</source>
        <translation>Das Objekt wurde nicht gespeichert: %s</translation>
    </message>
    <message>
        <source>qarvo_9887</source>
        <translation>Vergleichen mit der Sicherung vom</translation>
    </message>
    <message>
        <source>qarvo_9888</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>qarvo_9889</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>qarvo_9890</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>qarvo_9891</source>
        <translation>Geänderte Einstellungen</translation>
    </message>
    <message>
        <source>qarvo_9892</source>
        <translation>Si&amp;chern</translation>
    </message>
    <message>
        <source>qarvo_9893</source>
        <translation>S&amp;tatus</translation>
    </message>
    <message>
        <source>qarvo_9894</source>
        <translation>Sto&amp;ppen</translation>
    </message>
    <message>
        <source>qarvo_9895</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>qarvo_9896</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>qarvo_9897</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>qarvo_9898</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>qarvo_9899</source>
        <translation>fehlgeschlagen: %s</translation>
    </message>
    <message>
        <source>qarvo_9900</source>
        <translation>abgewiesen: %s</translation>
    </message>
    <message>
        <source>qarvo_9901</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>qarvo_9902</source>
        <translation>Wählen Sie zuerst die Standorte aus.</translation>
    </message>
    <message>
        <source>qarvo_57348</source>
        <translation>Qarvo</translation>
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
        <source>qarvo_9800</source>
        <translation>Lesen unterbrochen</translation>
    </message>
    <message>
        <source>qarvo_9801</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>qarvo_9802</source>
        <translation>Teilbereich</translation>
    </message>
    <message>
        <source>qarvo_9803</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>qarvo_9804</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>qarvo_9805</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>qarvo_9810</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>qarvo_9811</source>
        <translation>&amp;Zentrale</translation>
    </message>
    <message>
        <source>qarvo_9812</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>qarvo_9813</source>
        <translation>&amp;Vorige Seite</translation>
    </message>
    <message>
        <source>qarvo_9814</source>
        <translation>Hauptbenutzer-Seite &amp;lesen</translation>
    </message>
    <message>
        <source>qarvo_9815</source>
        <translation>Hauptbenutzer-Seite &amp;schreiben...</translation>
    </message>
    <message>
        <source>qarvo_9816</source>
        <translation>&amp;Errichter-Seite lesen</translation>
    </message>
    <message>
        <source>qarvo_9817</source>
        <translation>E&amp;rrichter-Seite schreiben...</translation>
    </message>
    <message>
        <source>qarvo_9818</source>
        <translation>&amp;Ereignisprotokoll lesen</translation>
    </message>
    <message>
        <source>qarvo_9819</source>
        <translation>&amp;Kommunikator-Optionen lesen</translation>
    </message>
    <message>
        <source>qarvo_9820</source>
        <translation>K&amp;ommunikator-Optionen schreiben</translation>
    </message>
    <message>
        <source>qarvo_9821</source>
        <translation>&amp;Firmware-Update...</translation>
    </message>
    <message>
        <source>qarvo_9830</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>qarvo_9831</source>
        <translation>Die Seite &quot;%s&quot; in die Zentrale schreiben?
%d Einstellungen weichen von dem ab, was die Zentrale zuletzt bekanntermaßen enthielt (gelesen, geschrieben oder geöffnet).</translation>
    </message>
    <message>
        <source>qarvo_9832</source>
        <translation>Diese Zonen sind offen: %s
Trotzdem scharf schalten?</translation>
    </message>
    <message>
        <source>qarvo_9833</source>
        <translation>Bitte die Adresse des Kommunikators eingeben.</translation>
    </message>
    <message>
        <source>qarvo_9840</source>
        <translation>Aufruf: qarvoip [Optionen] [DOKUMENT.rps]
Programmiert Einbruchmelderzentralen über ihren Kommunikator.

  --demo           mit der eingebauten Demo-Zentrale auf diesem Computer verbinden
  --partitioned    die Demo-Zentrale arbeitet mit zwei Teilbereichen
  --home DIR       Einstellungen, Dokumente und Sicherungen in DIR ablegen
  --help, -h       diese Hilfe zeigen und beenden
  --version        die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>qarvo_9415</source>
        <translation>Der Drucker kann nicht geöffnet werden. Es wurde nichts gedruckt.</translation>
    </message>
</context>
</TS>
