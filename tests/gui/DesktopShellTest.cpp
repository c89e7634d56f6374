// The shell as a desktop program: languages from the system locale and the
// shipped folders, masked passwords with their toggle, dialogs and pages
// that fit the default window, what Stop ends next, leaving while
// connected, and the about box.
#include "GuiTestSupport.h"

#include "app/Languages.h"
#include "app/Strings.h"
#include "operations/OperationCodes.h"
#include "gui/dialogs/CAboutDlg.h"
#include "gui/dialogs/CCallbackDlg.h"
#include "gui/dialogs/CConnectToDlg.h"
#include "gui/dialogs/CIpSettingsDlg.h"
#include "gui/dialogs/CLanguageDialog.h"
#include "gui/dialogs/CLoginDlg.h"
#include "gui/shell/CMainFrame.h"
#include "gui/dialogs/CNewPassDlg.h"
#include "gui/pages/CPage.h"
#include "gui/dialogs/CTabPassDlg.h"
#include "gui/shell/CUploadApp.h"
#include "gui/shell/DemoPeers.h"
#include "gui/shell/ShellTexts.h"
#include "gui/shell/StatusPanes.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace qarvo;
using namespace qarvo::gui;

using DialogMaker = std::function<QDialog*()>;
Q_DECLARE_METATYPE(DialogMaker)

namespace {

using testing::kLinkTimeout;
constexpr QSize kDefaultWindow(644, 436);

// Answers the offer to disconnect and exit as told, and records it.
class OfferPrompter : public testing::ScriptedPrompter {
public:
    bool offer(QWidget*, MessageKind kind, const QString& text, const QString& actionText) override
    {
        messages.push_back({kind, text});
        offers << actionText;
        return takeOffer;
    }
    bool takeOffer = false;
    QStringList offers;
};

// Two shipped folders, both holding the German pack.
struct PackFolders {
    QTemporaryDir first;
    QTemporaryDir second;
    QStringList dirs() const { return {first.path(), second.path()}; }
    bool install() const
    {
        const QString pack = QDir(QStringLiteral(QARVO_PACK_DIR)).filePath(app::packFileName("DEU"));
        return QFile::copy(pack, QDir(first.path()).filePath(app::packFileName("DEU"))) &&
               QFile::copy(pack, QDir(second.path()).filePath(app::packFileName("DEU")));
    }
};

} // namespace

class DesktopShellTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<OfferPrompter> prompter;

    // The program on a settings file that reaches the simulator, started.
    std::unique_ptr<CUploadApp> startOn(DemoPeers& peers)
    {
        if (!peers.start())
            return nullptr;
        link::ConnectionSettings settings;
        peers.pointSettingsAt(settings);
        home->writeConnectionSettings(settings);
        return testing::startProgram(*home);
    }

private slots:
    void init()
    {
        home = std::make_unique<testing::TestHome>();
        testing::resetSettings();
        prompter = std::make_unique<OfferPrompter>();
    }

    void cleanup()
    {
        prompter.reset();
        home.reset();
    }

    void languageOfTheSystemLocale_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QLocale>("system");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("code");
        using R = app::CurrentLanguage::Result;
        const QLocale german(QLocale::German, QLocale::Switzerland);
        const QLocale french(QLocale::French, QLocale::France);
        QTest::newRow("nothing chosen, German system") << QString() << german << int(R::Loaded) << "DEU";
        QTest::newRow("nothing chosen, French system") << QString() << french << int(R::English) << "ENU";
        QTest::newRow("nothing chosen, English system") << QString() << QLocale(QLocale::English) << int(R::English) << "ENU";
        QTest::newRow("English chosen, German system") << "ENU" << german << int(R::English) << "ENU";
        QTest::newRow("German chosen, French system") << "DEU" << french << int(R::Loaded) << "DEU";
        QTest::newRow("a missing pack chosen") << "FRA" << german << int(R::Missing) << "ENU";
    }

    void languageOfTheSystemLocale()
    {
        QFETCH(QString, stored);
        QFETCH(QLocale, system);
        QFETCH(int, result);
        QFETCH(QString, code);
        PackFolders folders;
        QVERIFY(folders.install());
        app::CurrentLanguage language;
        QCOMPARE(int(language.load(folders.dirs(), stored, system)), result);
        QCOMPARE(language.code(), code);
    }

    void packsOfSeveralFoldersAreListedOnce()
    {
        PackFolders folders;
        QVERIFY(folders.install());
        const auto entries = app::availableLanguages(folders.dirs());
        QCOMPARE(entries.size(), std::size_t(2));
        QCOMPARE(entries[1].code, QString("DEU"));
    }

    void stopHintSaysWhatStopEndsNext_data()
    {
        QTest::addColumn<bool>("panelLinkUp");
        QTest::addColumn<bool>("communicatorOpen");
        QTest::addColumn<int>("hint");
        QTest::newRow("both up") << true << true << text_id::kStopEndsPanelLink;
        QTest::newRow("communicator only") << false << true << text_id::kStopClosesCommunicator;
        QTest::newRow("nothing open") << false << false << 0;
    }

    void stopHintSaysWhatStopEndsNext()
    {
        QFETCH(bool, panelLinkUp);
        QFETCH(bool, communicatorOpen);
        QFETCH(int, hint);
        QCOMPARE(stopHintFor(panelLinkUp, communicatorOpen), hint);
    }

    void passwordsAreMaskedWithAShowToggle_data()
    {
        QTest::addColumn<DialogMaker>("make");
        const link::ConnectionSettings record = testing::savedSettings();
        QTest::newRow("connect") << DialogMaker([record] { return new CConnectToDlg(record); });
        QTest::newRow("callback") << DialogMaker([record] { return new CCallbackDlg(record); });
        QTest::newRow("IP settings") << DialogMaker([record, this] {
            return new CIpSettingsDlg(record, home->file("PanelRPS.cfg"));
        });
    }

    void passwordsAreMaskedWithAShowToggle()
    {
        QFETCH(DialogMaker, make);
        std::unique_ptr<QDialog> dialog(make());
        auto* field = dialog->findChild<QLineEdit*>("password");
        auto* toggle = dialog->findChild<QToolButton*>("passwordShow");
        QVERIFY(field && toggle);
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        QCOMPARE(toggle->text(), text(text_id::kShowPassword));
        toggle->click();
        QCOMPARE(field->echoMode(), QLineEdit::Normal);
        toggle->click();
        QCOMPARE(field->echoMode(), QLineEdit::Password);
    }

    void dialogsFitTheDefaultWindow_data()
    {
        QTest::addColumn<DialogMaker>("make");
        const link::ConnectionSettings record = testing::savedSettings();
        QTest::newRow("IP settings") << DialogMaker([record, this] {
            return new CIpSettingsDlg(record, home->file("PanelRPS.cfg"));
        });
        QTest::newRow("connect") << DialogMaker([record] { return new CConnectToDlg(record); });
        QTest::newRow("callback") << DialogMaker([record] { return new CCallbackDlg(record); });
        QTest::newRow("change passwords") << DialogMaker([] {
            return new CNewPassDlg(app::PagePasswords{}, 0);
        });
        QTest::newRow("login") << DialogMaker([] { return new CLoginDlg; });
        QTest::newRow("page password") << DialogMaker([] { return new CTabPassDlg("x"); });
        QTest::newRow("about") << DialogMaker([] { return new CAboutDlg(versionTexts()); });
    }

    void dialogsFitTheDefaultWindow()
    {
        QFETCH(DialogMaker, make);
        std::unique_ptr<QDialog> dialog(make());
        const QSize hint = dialog->sizeHint();
        QVERIFY2(hint.width() <= kDefaultWindow.width() && hint.height() <= kDefaultWindow.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(hint.width()).arg(hint.height())));
    }

    void dialogIsMovedWholeOntoTheScreen()
    {
        QWidget owner;
        owner.setGeometry(-3000, -3000, 200, 200); // far off every screen
        CIpSettingsDlg dialog(testing::savedSettings(), home->file("PanelRPS.cfg"), &owner);
        fitOnScreen(dialog);
        const QRect area = dialog.screen()->availableGeometry();
        QVERIFY(area.contains(QRect(dialog.pos(), dialog.size())));
    }

    // Every page scrolls its own body, so none forces the window beyond
    // its default size.
    void everyPageKeepsTheDefaultWindow()
    {
        home->writeConnectionSettings(testing::savedSettings());
        app::UserSettings settings;
        app::CurrentLanguage language;
        FrameSetup setup;
        setup.programDirectory = home->path();
        setup.timing = testing::fastTiming();
        CMainFrame frame(setup, settings, language);
        frame.applyPlacement(app::WindowPlacement{});
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        for (int page = 0; page < app::kPageCount; ++page) {
            frame.setCurrentPage(page);
            QCoreApplication::processEvents();
            QVERIFY2(frame.size() == kDefaultWindow, qPrintable(QString::number(page)));
        }
    }

    void aboutBoxShowsBuildQtLicenceAndDocumentation()
    {
        CAboutDlg about(versionTexts());
        const auto label = [&](const char* name) { return about.findChild<QLabel*>(name)->text(); };
        QCOMPARE(label("qtVersion"), text(text_id::kQtVersion) + ' ' + qVersion());
        QVERIFY(QRegularExpression("^Built \\d{4}-\\d{2}-\\d{2}$").match(label("buildDate")).hasMatch());
        QCOMPARE(label("licence"), QString("Licence: Proprietary. All rights reserved."));
        QVERIFY(label("documentation").contains(">Documentation<"));
        const QUrl docs = documentationUrl();
        QVERIFY(docs.isLocalFile());
        QVERIFY2(QFile::exists(docs.toLocalFile()), qPrintable(docs.toLocalFile()));
        QVERIFY(label("documentation").contains(docs.toString()));
    }

    void closingWhileConnectedOffersToDisconnectAndExit()
    {
        DemoPeers peers;
        const auto app = startOn(peers);
        QVERIFY(app);
        CMainFrame& frame = *app->mainFrame();
        QCOMPARE(frame.panes().stopHint(), 0);

        frame.connectToPanelNow();
        QTRY_VERIFY_WITH_TIMEOUT(frame.session().worker.panelLinkUp(), kLinkTimeout);
        QTRY_COMPARE(frame.panes().stopHint(), text_id::kStopEndsPanelLink);
        QCOMPARE(frame.panes().stopHintText(), text(text_id::kStopEndsPanelLink));

        // Declined: the refusal is the answer and the links stay up.
        QVERIFY(!frame.close());
        QCOMPARE(prompter->offers, QStringList{text(text_id::kDisconnectAndExit)});
        QVERIFY(prompter->shown(text_id::kCloseConnectionBeforeExit));
        QVERIFY(frame.isVisible());
        QVERIFY(frame.session().worker.panelLinkUp());

        // Taken: the document's question comes first, once; the panel link
        // ends, then the communicator, then the window closes.
        frame.session().doc.setPanelNotes("edited");
        prompter->buttons.push_back(QMessageBox::No);
        prompter->takeOffer = true;
        QVERIFY(!frame.close());
        QTRY_VERIFY_WITH_TIMEOUT(!frame.isVisible(), kLinkTimeout);
        const QStringList asked = prompter->messageTexts();
        QCOMPARE(asked.count(text(text_id::kCloseConnectionBeforeExit)), 2); // once per close
        QCOMPARE(asked.filter(strings::formatTexts(text_id::kSaveChanges, {QString()}).left(10)).size(), 1);
        QVERIFY(!frame.session().worker.panelLinkUp());
        QVERIFY(!frame.session().link.connection.isOpen());
        QCOMPARE(frame.panes().stopHint(), 0);
    }

    // A page write keeps the panel's pages in the data folder first and
    // says where in the status bar.
    void pageWriteSaysWhereItsBackupWent()
    {
        DemoPeers peers;
        QVERIFY(peers.start());
        link::ConnectionSettings settings;
        peers.pointSettingsAt(settings);
        home->writeConnectionSettings(settings);
        CUploadApp app({"qarvoip", "--home", home->path()});
        app.setTiming(testing::fastTiming());
        QVERIFY(app.initInstance());
        CMainFrame& frame = *app.mainFrame();
        frame.connectToPanelNow();
        QTRY_VERIFY_WITH_TIMEOUT(frame.action(Act::WriteInstaller)->isEnabled(), kLinkTimeout);
        QSignalSpy shown(frame.statusBar(), &QStatusBar::messageChanged);
        const QString kept = strings::formatTexts(text_id::kBackupKept, {QString()});
        const auto backupShown = [&shown, &kept]() -> QString {
            for (const QList<QVariant>& message : shown)
                if (message.at(0).toString().startsWith(kept))
                    return message.at(0).toString().mid(kept.size());
            return {};
        };
        frame.action(Act::WriteInstaller)->trigger();
        QTRY_VERIFY2_WITH_TIMEOUT(!backupShown().isEmpty(), qPrintable(prompter->messageTexts().join(u'|')),
                                  kLinkTimeout);
        const QString file = backupShown();
        QVERIFY2(file.startsWith(QDir(home->path()).filePath("backups/")), qPrintable(file));
        QVERIFY2(QFile::exists(file), qPrintable(file));
        QTRY_COMPARE_WITH_TIMEOUT(frame.statusBar()->currentMessage(), text(text_id::kUploadedSuccessfully),
                                  kLinkTimeout);
        QCOMPARE(prompter->messages.size(), std::size_t(1)); // the question before the write, nothing else
    }

    // The question before a page write names the page and the settings it
    // changes; No writes nothing, and "Don't ask again" stops the question.
    void aPageWriteAsksFirst()
    {
        DemoPeers peers;
        const auto app = startOn(peers);
        QVERIFY(app);
        CMainFrame& frame = *app->mainFrame();
        frame.connectToPanelNow();
        QTRY_VERIFY_WITH_TIMEOUT(frame.action(Act::WriteInstaller)->isEnabled(), kLinkTimeout);
        frame.session().forms.installer.zones[1].name = "Changed name";
        const QString question = strings::formatTexts(text_id::kConfirmPageWrite,
                                                      {frame.page(kInstallerPage)->name()}, {1});
        const unsigned before = peers.panel().counters().completions;

        prompter->buttons.push_back(QMessageBox::No);
        frame.action(Act::WriteInstaller)->trigger();
        QCOMPARE(prompter->messageTexts(), QStringList{question});
        QCOMPARE(frame.session().worker.currentCode(), int(operations::kIdlePoll));

        app::UserSettings().setAsks(app::Confirmation::PageWrite, false);
        frame.action(Act::WriteInstaller)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(peers.panel().counters().completions, before + 1, kLinkTimeout);
        QCOMPARE(prompter->messageTexts(), QStringList{question}); // asked no more
    }

    void stopHintFollowsTheTwoStops()
    {
        DemoPeers peers;
        const auto app = startOn(peers);
        QVERIFY(app);
        CMainFrame& frame = *app->mainFrame();
        frame.connectToPanelNow();
        QTRY_COMPARE_WITH_TIMEOUT(frame.panes().stopHint(), text_id::kStopEndsPanelLink, kLinkTimeout);
        QTRY_VERIFY(frame.action(Act::Abort)->isEnabled());
        frame.action(Act::Abort)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(frame.panes().stopHint(), text_id::kStopClosesCommunicator, kLinkTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(frame.action(Act::Abort)->isEnabled(), kLinkTimeout);
        frame.action(Act::Abort)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(frame.panes().stopHint(), 0, kLinkTimeout);
        QVERIFY(frame.close());
    }
};

QTEST_MAIN(DesktopShellTest)
#include "DesktopShellTest.moc"
