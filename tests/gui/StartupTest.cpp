// Start-up: program directory, language pack, login and first page,
// window placement and the document of the command line.
#include "WidgetTest.h"

#include "gui/dialogs/CAboutDlg.h"
#include "gui/shell/CMainFrame.h"
#include "gui/pages/CPage.h"
#include "gui/shell/CUploadApp.h"
#include "gui/shell/ProgramTexts.h"
#include "gui/shell/ShellTexts.h"
#include "gui/shell/StatusPanes.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QSettings>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace qarvo;
using namespace qarvo::gui;
using qarvo::testing::ScriptedPrompter;

class StartupTest : public testing::WidgetTest {
    Q_OBJECT


    std::unique_ptr<CUploadApp> makeApp(QStringList extra = {})
    {
        auto app = std::make_unique<CUploadApp>(QStringList{"qarvoip", "--home", home().path()} + extra);
        app->setTiming(testing::fastTiming());
        return app;
    }

    static void setPasswords(const app::PagePasswords& passwords)
    {
        app::UserSettings settings;
        settings.setPasswords(passwords);
        settings.sync();
    }

    static void setPlacementValue(const char* name, int value)
    {
        QSettings raw("Qarvo", "QarvoIP");
        raw.setValue(QString("Settings/") + name, value);
    }

    const app::PagePasswords allSet{"111111", "222222", "333333", "444444", "555555"};

    void initTest() override { home().writeConnectionSettings(testing::savedSettings()); }

private slots:
    void commandLineAndProgramDirectory()
    {
        const CommandLine line = parseCommandLine({"qarvoip", "--demo", "doc.rps", "--home", "/x", "other.rps"});
        QVERIFY(line.demo);
        QCOMPARE(line.home, QString("/x"));
        QCOMPARE(line.document, QString("doc.rps"));
        QCOMPARE(programFiles(line, "/env", "/exe"), app::ProgramFiles("/x"));
        QCOMPARE(programFiles(CommandLine{}, "/env", "/exe"), app::ProgramFiles("/env"));
        QCOMPARE(programFiles(CommandLine{}, "", "/usr/bin"), app::ProgramFiles::installed("/usr/bin"));
    }

    void englishStartsWithoutMessagesOnTheFirstPage()
    {
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QCOMPARE(app->programDirectory(), home().path());
        QVERIFY(prompter().messages.empty());
        QVERIFY(prompter().dialogs.isEmpty()); // no passwords: no login
        QCOMPARE(app->mainFrame()->currentPage(), kOnlinePage);
        QVERIFY(app->mainFrame()->isVisible());
        QCOMPARE(app->language().code(), QString("ENU"));
    }

    void firstStartInAnEmptyHomeShowsNoMessage()
    {
        testing::resetSettings(QString());
        QVERIFY(QDir(home().path()).removeRecursively() && QDir().mkpath(home().path()));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // no pack installed for it
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QVERIFY2(prompter().messages.empty(), qPrintable(prompter().messageTexts().join(u'|')));
        QVERIFY(prompter().dialogs.isEmpty());
        QCOMPARE(app->language().code(), QString("ENU"));
        QCOMPARE(app->mainFrame()->menuBar()->actions().at(0)->text(), QString("&File"));
    }

    void firstStartTakesThePackOfTheSystemLanguage()
    {
        testing::resetSettings(QString());
        QVERIFY(home().installPack("DEU"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Austria));
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QVERIFY(prompter().messages.empty());
        QCOMPARE(app->language().code(), QString("DEU"));
        QCOMPARE(app->mainFrame()->menuBar()->actions().at(0)->text(), QString("&Datei"));
        QCOMPARE(app->settings().language(), QString()); // nothing chosen: the system's language goes on
    }

    void chosenPackThatIsMissingSaysEnglishWillBeUsed()
    {
        testing::resetSettings("FRA");
        QVERIFY(home().installPack("DEU"));
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QCOMPARE(prompter().messageTexts(), QStringList{text(shell_text::kNoLanguagePack)});
        QCOMPARE(prompter().messages[0].kind, MessageKind::Error);
        QVERIFY(!text(shell_text::kNoLanguagePack).contains("DLL"));
        QCOMPARE(app->mainFrame()->menuBar()->actions().at(0)->text(), QString("&File"));
    }

    void germanPackTranslatesTheShell()
    {
        QVERIFY(home().installPack("DEU"));
        testing::resetSettings("DEU");
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QVERIFY(prompter().messages.empty());
        CMainFrame* frame = app->mainFrame();
        const QList<QAction*> menus = frame->menuBar()->actions();
        QCOMPARE(menus.at(0)->text(), QString("&Datei"));
        QCOMPARE(menus.at(2)->text(), QString("&Kommunikation"));
        QCOMPARE(menus.at(4)->text(), QString("&Einstellungen"));
        QCOMPARE(menus.at(5)->text(), QString("&Hilfe"));
        QCOMPARE(menus.at(2)->menu()->actions().at(0)->text(), QString("Mit &Zentrale verbinden"));
        QCOMPARE(frame->action(Act::ShowMaster)->text(), QString("Hauptbenutzer-Funktionen"));
        QCOMPARE(frame->panes().text(5), QString("Getrennt"));
        QCOMPARE(frame->panes().text(4), QString("Zentrale"));
        QCOMPARE(frame->windowTitle(), QString("unbenannt - QarvoIP"));
        QVERIFY(app->language().qtTextsLoaded()); // Qt's own buttons speak German too
        QCOMPARE_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Yes"));

        CAboutDlg about(versionTexts());
        QCOMPARE(about.windowTitle(), QString("Über QarvoIP"));
        QCOMPARE(about.findChild<QLabel*>("version")->text(), QString("Version 0.1.0.0"));
        app.reset();
        QCOMPARE(text(1510), QString("&File")); // the pack goes with the run
    }

    void englishAboutBoxShowsTheProgramsVersion()
    {
        auto app = makeApp();
        QVERIFY(app->initInstance());
        CAboutDlg about(versionTexts());
        QCOMPARE(about.windowTitle(), text(1500));
        QCOMPARE(about.findChild<QLabel*>("version")->text(), QString("Version " QARVOIP_TEST_VERSION ".0"));
        QCOMPARE(about.findChild<QLabel*>("productName")->text(), QString("QarvoIP"));
    }

    void loginAcceptsTheInstallerPasswordAndOpensItsPage()
    {
        setPasswords(allSet);
        prompter().answer(testing::typeAndOk("password", "333333"));
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QCOMPARE(prompter().dialogs, QStringList{"loginDialog"});
        QCOMPARE(app->mainFrame()->currentPage(), kInstallerPage);
        QCOMPARE(app->mainFrame()->page(kInstallerPage)->name(), QString("Installer functions"));
        QVERIFY(prompter().messages.empty());
    }

    void loginFieldIsMaskedSixDigits()
    {
        setPasswords(allSet);
        prompter().answer([](QDialog& dialog) {
            auto* field = dialog.findChild<QLineEdit*>("password");
            QTest::keyClicks(field, "5x555559");
            const bool masked = field->echoMode() == QLineEdit::Password;
            return masked && field->text() == "555555" ? testing::pressOk(dialog) : int(QDialog::Rejected);
        });
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QCOMPARE(app->mainFrame()->currentPage(), kTaviPage);
    }

    void fiveDigitsGiveMessage49AndThreeWrongTriesEndTheProgram()
    {
        setPasswords(allSet);
        prompter().answer(testing::typeAndOk("password", "33333"));
        prompter().answer(testing::typeAndOk("password", "999999"));
        prompter().answer(testing::typeAndOk("password", "33333"));
        prompter().answer(testing::typeAndOk("password", "333333")); // never asked
        auto app = makeApp();
        QVERIFY(!app->initInstance());
        QCOMPARE(app->exitCode(), CUploadApp::kStartFailed);
        QVERIFY(!app->mainFrame());
        QCOMPARE(prompter().dialogs.size(), 3);
        QCOMPARE(prompter().messageTexts(),
                 (QStringList{text(text_id::kPasswordSixDigits), text(text_id::kInvalidPassword),
                              text(text_id::kPasswordSixDigits)}));
    }

    void cancelledLoginEndsWithoutAMessage()
    {
        setPasswords(allSet);
        prompter().answer(testing::cancelDialog());
        auto app = makeApp();
        QVERIFY(!app->initInstance());
        QVERIFY(prompter().messages.empty());
    }

    void withOnePageOpenNoLoginAndThatPageFirst()
    {
        app::PagePasswords four = allSet;
        four[3].clear();
        setPasswords(four);
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QVERIFY(prompter().dialogs.isEmpty());
        QCOMPARE(app->mainFrame()->currentPage(), kEventLogPage);
    }

    void sharedPasswordOpensTheLowerPage()
    {
        app::PagePasswords same = allSet;
        same[4] = same[2];
        setPasswords(same);
        prompter().answer(testing::typeAndOk("password", same[2]));
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QCOMPARE(app->mainFrame()->currentPage(), kInstallerPage);
    }

    void width100StartsAt644AndWidth101Stays()
    {
        setPlacementValue("Width", 100);
        {
            auto app = makeApp();
            QVERIFY(app->initInstance());
            QCOMPARE(app->mainFrame()->width(), 644);
            QCOMPARE(app->mainFrame()->height(), 436);
        }
        setPlacementValue("Width", 101);
        setPlacementValue("Left", 1201);
        setPlacementValue("Top", 30);
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QCOMPARE(app->mainFrame()->width(), 101);
        QCOMPARE(app->mainFrame()->x(), 0);
        QCOMPARE(app->mainFrame()->y(), 30);
    }

    void closingWritesThePlacementForTheNextStart()
    {
        {
            auto app = makeApp();
            QVERIFY(app->initInstance());
            app->mainFrame()->applyPlacement({40, 50, 700, 500});
            QVERIFY(app->mainFrame()->close());
        }
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QCOMPARE(app->mainFrame()->size(), QSize(700, 500));
    }

    void firstStartOpensAtTheFirstStartSize()
    {
        QSettings stored("Qarvo", "QarvoIP");
        for (const char* value : {"Left", "Top", "Width", "Height"})
            stored.remove(QStringLiteral("Settings/%1").arg(value));
        stored.sync();
        auto app = makeApp();
        QVERIFY(app->initInstance());
        CMainFrame& frame = *app->mainFrame();
        QCOMPARE(frame.size(), app::firstStartSize(frame.screen()->availableGeometry().size()));
    }

    void aMaximisedWindowComesBackMaximisedWithItsNormalSize()
    {
        {
            auto app = makeApp();
            QVERIFY(app->initInstance());
            app->mainFrame()->applyPlacement({40, 50, 700, 500});
            app->mainFrame()->showMaximized();
            QTRY_VERIFY(app->mainFrame()->isMaximized());
            QVERIFY(app->mainFrame()->close());
        }
        auto app = makeApp();
        QVERIFY(app->initInstance());
        QTRY_VERIFY(app->mainFrame()->isMaximized());
        QCOMPARE(app->mainFrame()->normalGeometry().size(), QSize(700, 500));
    }

    void documentOfTheCommandLineIsOpened()
    {
        QString path = home().file("start.rps");
        {
            auto app = makeApp();
            QVERIFY(app->initInstance());
            app->mainFrame()->session().doc.setPanelNotes("from the command line");
            QVERIFY(app->mainFrame()->saveDocument(path));
        }
        auto app = makeApp({path});
        QVERIFY(app->initInstance());
        QCOMPARE(app->mainFrame()->session().doc.panelNotes(), std::string("from the command line"));
        QCOMPARE(app->mainFrame()->documentPath(), path);

        auto missing = makeApp({home().file("none.rps")});
        QVERIFY(missing->initInstance()); // starts with a new document and says why
        QCOMPARE(prompter().messages.size(), std::size_t(1));
        QVERIFY(missing->mainFrame()->documentPath().isEmpty());
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
