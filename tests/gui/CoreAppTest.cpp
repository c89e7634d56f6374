// The shell's rules without widgets: passwords, placement, recent files,
// languages, the per-user store and the shell's own texts.
#include "GuiTestSupport.h"

#include "app/Languages.h"
#include "app/Passwords.h"
#include "app/StringTable.h"
#include "app/UserSettings.h"
#include "gui/shell/ShellTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTest>

using namespace qarvo;
using namespace qarvo::app;
using Check = passwords::Check;
using Outcome = passwords::LoginAttempts::Outcome;

class CoreAppTest : public QObject {
    Q_OBJECT

    const PagePasswords allSet{"111111", "222222", "333333", "444444", "555555"};

private slots:
    void loginIsAskedOnlyWhenEveryPageHasAPassword()
    {
        QVERIFY(passwords::loginRequired(allSet));
        PagePasswords four = allSet;
        four[3].clear();
        QVERIFY(!passwords::loginRequired(four));
        QVERIFY(!passwords::loginRequired({}));
    }

    void loginChecksLengthThenComparesInPageOrder()
    {
        QCOMPARE(passwords::checkLogin("33333", allSet).check, Check::WrongLength);
        QCOMPARE(passwords::checkLogin("3333333", allSet).check, Check::WrongLength);
        QCOMPARE(passwords::checkLogin("999999", allSet).check, Check::Invalid);
        const auto installer = passwords::checkLogin("333333", allSet);
        QCOMPARE(installer.check, Check::Accepted);
        QCOMPARE(installer.page, 2);
        PagePasswords same = allSet;
        same[3] = same[1];
        QCOMPARE(passwords::checkLogin("222222", same).page, 1); // the lower-numbered page
        QCOMPARE(passwords::messageFor(Check::WrongLength), 49);
        QCOMPARE(passwords::messageFor(Check::Invalid), 50);
    }

    void threeFailedAttemptsEndTheLogin()
    {
        passwords::LoginAttempts attempts(allSet);
        QCOMPARE(attempts.submit("12345"), Outcome::TryAgain);
        QCOMPARE(attempts.message(), 49);
        QCOMPARE(attempts.submit("123456"), Outcome::TryAgain);
        QCOMPARE(attempts.message(), 50);
        QCOMPARE(attempts.submit("1"), Outcome::Failed);
        QCOMPARE(attempts.attempts(), 3);

        passwords::LoginAttempts late(allSet);
        late.submit("000000");
        late.submit("000000");
        QCOMPARE(late.submit("555555"), Outcome::Accepted);
        QCOMPARE(late.loginText(), QString("555555"));
    }

    void firstPageIsTheFirstOpenOrMatchingOne()
    {
        QCOMPARE(passwords::firstPage(allSet, "333333"), 2);
        QCOMPARE(passwords::firstPage(allSet, "555555"), 4);
        PagePasswords four = allSet;
        four[3].clear();
        QCOMPARE(passwords::firstPage(four, QString()), 3);
        QCOMPARE(passwords::firstPage({}, QString()), 0);
        QCOMPARE(passwords::firstPage(allSet, "999999"), 0); // none qualifies: the first page
    }

    void pageEntryRules()
    {
        QCOMPARE(passwords::checkEntry(QString(), QString()), Check::Accepted);
        QCOMPARE(passwords::checkEntry("123456", "123456"), Check::Accepted);
        QCOMPARE(passwords::checkEntry("123456", "12345"), Check::WrongLength);
        QCOMPARE(passwords::checkEntry("123456", "654321"), Check::Invalid);
    }

    void changePasswordsFindsTheFirstBadField()
    {
        QCOMPARE(passwords::firstInvalidField({"", "123456", "", "", ""}), std::nullopt);
        QCOMPARE(passwords::firstInvalidField({"", "1234", "12", "", ""}), std::optional<int>(1));
        QCOMPARE(passwords::firstInvalidField({"", "", "", "", "1234567"}), std::optional<int>(4));
    }

    void hiddenFocusRuleGuardsOnlyMasterAndInstaller()
    {
        PagePasswords p{"111111", "", "333333", "444444", "555555"};
        QCOMPARE(passwords::hiddenFocusRefusal(1, p), std::nullopt);
        QCOMPARE(passwords::hiddenFocusRefusal(2, p), std::optional<int>(276));
        p[1] = "222222";
        QCOMPARE(passwords::hiddenFocusRefusal(1, p), std::optional<int>(275));
        QCOMPARE(passwords::hiddenFocusRefusal(0, p), std::nullopt);
        QCOMPARE(passwords::hiddenFocusRefusal(3, p), std::nullopt);
        QCOMPARE(passwords::hiddenFocusRefusal(4, p), std::nullopt);
    }

    void placementValuesOutOfRangeTakeTheirDefaults()
    {
        QCOMPARE(checkedPlacement({0, 0, 100, 436}).width, 644);
        QCOMPARE(checkedPlacement({0, 0, 101, 436}).width, 101);
        QCOMPARE(checkedPlacement({1201, 0, 644, 436}).left, 0);
        QCOMPARE(checkedPlacement({1200, 800, 1200, 1200}), (WindowPlacement{1200, 800, 1200, 1200}));
        QCOMPARE(checkedPlacement({-1, 801, 1201, 100}), WindowPlacement{});
    }

    void recentFilesKeepFourNewestFirst()
    {
        QStringList list;
        for (const char* f : {"a", "b", "c", "d", "e"})
            list = withRecentFile(list, f);
        QCOMPARE(list, (QStringList{"e", "d", "c", "b"}));
        QCOMPARE(withRecentFile(list, "c"), (QStringList{"c", "e", "d", "b"}));
    }

    void firstStartSizeFitsTheGridsWithinNinetyPerCentOfTheScreen()
    {
        const QSize wanted(kFirstStartWidth, kFirstStartHeight);
        QCOMPARE(firstStartSize(QSize(1920, 1080)), wanted);
        QCOMPARE(firstStartSize(QSize(1280, 900)), wanted);
        QCOMPARE(firstStartSize(QSize(1024, 768)), QSize(1024 * kFirstStartScreenPercent / 100,
                                                         768 * kFirstStartScreenPercent / 100));
    }

    void maximisedStateAndConfirmationsAreStored()
    {
        testing::TestHome home;
        UserSettings settings;
        QVERIFY(!settings.placementStored());
        QVERIFY(!settings.maximised());
        for (const Confirmation c : {Confirmation::PageWrite, Confirmation::ArmingWithOpenZones})
            QVERIFY(settings.asks(c));
        settings.setPlacement({10, 20, 300, 400});
        settings.setMaximised(true);
        settings.setAsks(Confirmation::ArmingWithOpenZones, false);
        settings.sync();
        UserSettings again;
        QVERIFY(again.placementStored());
        QVERIFY(again.maximised());
        QVERIFY(again.asks(Confirmation::PageWrite));
        QVERIFY(!again.asks(Confirmation::ArmingWithOpenZones));
    }

    void settingsStoreUsesTheNamedValues()
    {
        testing::TestHome home;
        UserSettings settings;
        settings.setLanguage("DEU");
        settings.setPasswords({"", "222222", "", "", "555555"});
        settings.setPlacement({10, 20, 300, 400});
        settings.sync();
        QSettings raw("Qarvo", "QarvoIP");
        QCOMPARE(raw.value("Settings/Language").toString(), QString("DEU"));
        QCOMPARE(raw.value("Settings/Password2").toString(), QString("222222"));
        QCOMPARE(raw.value("Settings/Password5").toString(), QString("555555"));
        QCOMPARE(raw.value("Settings/Width").toInt(), 300);
        raw.setValue("Settings/Height", 5000);
        raw.sync();
        QCOMPARE(settings.placement(), (WindowPlacement{10, 20, 300, 436}));
        QCOMPARE(settings.password(1), QString("222222"));
    }

    void languageCodesAndPackNames()
    {
        QCOMPARE(languageCode("DEUX"), QString("DEU"));
        QCOMPARE(packFileName("DEU"), QString("RpsDEU.qm"));
        QCOMPARE(packFileName(QString()), QString("Rps.qm"));
    }

    void languageListHasEnglishFirstThenThePacks()
    {
        testing::TestHome home;
        QVERIFY(home.installPack("DEU"));
        QFile junk(home.file("RpsXYZ.qm"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a pack");
        junk.close();
        const auto entries = availableLanguages(home.path());
        QCOMPARE(entries.size(), std::size_t(2));
        QCOMPARE(entries[0], (LanguageEntry{"English", "ENU"}));
        QCOMPARE(entries[1], (LanguageEntry{"Deutsch", "DEU"}));
        QCOMPARE(currentLanguageIndex(entries, "DEU"), 1);
        QCOMPARE(currentLanguageIndex(entries, "FRA"), 0);
    }

    void currentLanguageLoadsAndRemovesItsPack()
    {
        testing::TestHome home;
        QVERIFY(home.installPack("DEU"));
        {
            CurrentLanguage english;
            QCOMPARE(english.load(home.path(), "ENU"), CurrentLanguage::Result::English);
            QCOMPARE(english.load(home.path(), ""), CurrentLanguage::Result::English); // no language chosen: the system's, else English, silently
            QCOMPARE(english.code(), QString("ENU"));
            QCOMPARE(gui::text(1510), QString("&File"));

            CurrentLanguage german;
            QCOMPARE(german.load(home.path(), "DEU"), CurrentLanguage::Result::Loaded);
            QCOMPARE(german.code(), QString("DEU"));
            QCOMPARE(gui::text(1510), QString("&Datei"));
            QCOMPARE(gui::text(9120), QString("IP-Einstellungen"));
            QCOMPARE(gui::text(5243), QString("Januar"));
        }
        QCOMPARE(gui::text(1510), QString("&File"));
    }

    void shellTextsLiveInTheOneStringTable()
    {
        // The shell's menus, prompts and dialog labels come from the core table.
        for (int id : {gui::shell_text::kPasswordLabelFirst, gui::shell_text::kMenuConnectToPanel, gui::shell_text::kMenuAbout,
                       gui::shell_text::kNoLanguagePack, gui::shell_text::kPromptShowOnline,
                       gui::shell_text::kSettingsNotWritten})
            QVERIFY2(strings::findEnglish(id), qPrintable(QString("id %1 is not in the string table").arg(id)));
        QCOMPARE(gui::text(1513), QString("&Connect to panel"));
        QCOMPARE(gui::statusPart(9106), QString("Show panel status"));
        QCOMPARE(gui::toolTipPart(9106), QString("Panel status"));
        QCOMPARE(gui::text(1511), QString("&Communication"));
        QCOMPARE(gui::text(999999), QString("#999999"));
    }
};

QTEST_GUILESS_MAIN(CoreAppTest)
#include "CoreAppTest.moc"
