// The main window without a peer: menus, toolbars, status panes, pages
// and their passwords, the progress display, the dialogs and documents.
#include "FrameTest.h"

#include "app/Strings.h"
#include "gui/dialogs/CIpSettingsDlg.h"
#include "gui/shell/CMainFrame.h"
#include "gui/dialogs/CNewPassDlg.h"
#include "gui/pages/CPage.h"
#include "gui/pages/CPageMaster.h"
#include "gui/pages/CPageOnline.h"
#include "gui/dialogs/CProgressDlg.h"
#include "gui/shell/CommandToolBar.h"
#include "gui/shell/ShellTexts.h"
#include "gui/shell/StatusPanes.h"
#include "link/ConnectionSettings.h"
#include "link/UDPSocket.h"

#include <QFile>
#include <QAction>
#include <QApplication>
#include <QSet>
#include <QToolBar>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <memory>

using namespace qarvo;
using namespace qarvo::gui;
using qarvo::testing::ScriptedPrompter;

// Each test makes the window itself, some without a settings file.
class ShellTest : public testing::FrameTest {
    Q_OBJECT

public:
    ShellTest() : FrameTest(false) {}

private:
    QString menuText(int index) const { return frame->menuBar()->actions().at(index)->text(); }

    // An edit on a page: a text field (the round period) takes a new value.
    void editThePage(int pageIndex = kMasterPage, int control = panel::master_control::kRoundPeriod,
                     const QString& typed = QStringLiteral("45"))
    {
        auto* edit = frame->page(pageIndex)->findChild<QLineEdit*>(QStringLiteral("control%1").arg(control));
        QVERIFY(edit);
        frame->show();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
    }

private slots:
    void menusCarryTheStringTableTexts()
    {
        makeFrame();
        QCOMPARE(menuText(0), QString("&File"));
        QCOMPARE(menuText(1), text(text_id::kMenuView));
        QCOMPARE(menuText(2), QString("&Communication"));
        QCOMPARE(menuText(3), text(text_id::kMenuPanel));
        QCOMPARE(menuText(4), QString("&Settings"));
        QCOMPARE(menuText(5), QString("&Help"));
        const QList<QAction*> communication = frame->menuBar()->actions().at(2)->menu()->actions();
        QCOMPARE(communication.at(0)->text(), QString("&Connect to panel"));
        QCOMPARE(communication.at(3)->text(), QString("A&bort communication"));
        QCOMPARE(frame->action(Act::SelectLanguage)->statusTip(), QString("Select a language"));
        QCOMPARE(frame->windowTitle(), QString("untitled - QarvoIP"));
    }

    void everyCommandHasAMenuEntry()
    {
        makeFrame();
        QSet<QAction*> entries;
        for (QAction* menu : frame->menuBar()->actions())
            for (QAction* entry : menu->menu()->actions())
                entries << entry;
        for (int a = 0; a < int(Act::Count); ++a)
            QVERIFY2(entries.contains(frame->action(Act(a))), qPrintable(frame->action(Act(a))->objectName()));
    }

    void keysShowThePagesAndReachTheirCommands()
    {
        makeFrame();
        frame->show();
        QApplication::setActiveWindow(frame.get());
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        for (int p = 0; p < app::kPageCount; ++p) {
            QTest::keyClick(frame.get(), Qt::Key(Qt::Key_1 + p), Qt::ControlModifier);
            QCOMPARE(frame->currentPage(), p);
            // Tab reaches the page's button in the page bar.
            QVERIFY(frame->pageToolBar()->widgetForAction(frame->action(showPageAct(p)))->focusPolicy() &
                    Qt::TabFocus);
        }
        QTest::keyClick(frame.get(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(frame->currentPage(), int(kOnlinePage)); // round from the last page
        QTest::keyClick(frame.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(frame->currentPage(), int(kTaviPage));

        // F5 and Ctrl+Shift+U go to the shown page's read and write.
        const QKeySequence read(Qt::Key_F5);
        const QKeySequence write(Qt::CTRL | Qt::SHIFT | Qt::Key_U);
        frame->setCurrentPage(kInstallerPage);
        QVERIFY(frame->action(Act::ReadInstaller)->shortcuts().contains(read));
        QCOMPARE(frame->action(Act::WriteInstaller)->shortcut(), write);
        frame->setCurrentPage(kMasterPage);
        QVERIFY(!frame->action(Act::ReadInstaller)->shortcuts().contains(read));
        QVERIFY(frame->action(Act::ReadMaster)->shortcuts().contains(read));
        QCOMPARE(frame->action(Act::WriteMaster)->shortcut(), write);
        QVERIFY(frame->action(Act::WriteInstaller)->shortcut().isEmpty());
    }

    void aDirectConnectionWithoutAnAddressSaysSo()
    {
        makeFrame();
        QCOMPARE(frame->session().link.settings.communicatorAddress, link::kNoAddress);
        frame->connectToPanelNow();
        QVERIFY(prompter().shown(text_id::kEnterPanelAddress));
        QVERIFY(!prompter().shown(text_id::kNoCallFromCommunicator));
        QVERIFY(!frame->session().worker.running());
    }

    void newForgetsTheLastPanelWhileNoneIsConnected()
    {
        makeFrame();
        frame->onlinePage()->report(ReportNotice{report_kind::kPanelIdentified, {}, 0x24});
        QVERIFY(!frame->onlinePage()->model().modelText().isEmpty());
        frame->action(Act::New)->trigger();
        QVERIFY(frame->onlinePage()->model().modelText().isEmpty());
    }

    void missingSettingsFileTakesDefaultsSilently()
    {
        makeFrame(false);
        QVERIFY(prompter().messages.empty());
        QCOMPARE(frame->session().link.settings, link::ConnectionSettings{});
    }

    void corruptSettingsFileWarnsAndTakesDefaults()
    {
        QFile file(home().file(QString::fromLatin1(link::kSettingsFileName)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a settings file\r\n");
        file.close();
        makeFrame(false);
        QVERIFY(prompter().shown(text_id::kConfigMissing));
        QCOMPARE(prompter().messages[0].kind, MessageKind::Warning);
        QCOMPARE(frame->session().link.settings, link::ConnectionSettings{});
    }

    void commandToolbarHasNineteenSlotsWithLabels()
    {
        makeFrame();
        const CommandToolBar* bar = frame->commandToolBar();
        QCOMPARE(bar->actions().size(), CommandToolBar::kSlotCount);
        QVERIFY(bar->slotAction(3)->isSeparator());
        QVERIFY(bar->slotAction(8)->isSeparator());
        QCOMPARE(bar->slotAction(0)->text(), QString("New"));
        QCOMPARE(bar->slotAction(4)->text(), QString("Connect"));
        QCOMPARE(bar->slotAction(7)->text(), QString("Stop"));
        QCOMPARE(bar->slotAction(18)->text(), QString("Update"));
        QVERIFY(!bar->slotAction(4)->icon().isNull());
    }

    void toolbarShowsEachPagesButtons()
    {
        makeFrame();
        const std::vector<Act> always{Act::New, Act::Open, Act::Save, Act::ConnectToPanel, Act::CallMe,
                                      Act::WaitForCall, Act::Abort};
        auto expect = [&](int page, std::vector<Act> extra) {
            frame->setCurrentPage(page);
            std::vector<Act> expected = always;
            if (page == kTaviPage) {
                expected[3] = Act::ConnectToCommunicator;
                expected[4] = Act::CommunicatorCallMe;
            }
            expected.insert(expected.end(), extra.begin(), extra.end());
            QCOMPARE(frame->commandToolBar()->visibleCommands(), expected);
        };
        expect(kOnlinePage, {});
        expect(kMasterPage, {Act::ReadMaster, Act::WriteMaster});
        expect(kInstallerPage, {Act::ReadInstaller, Act::WriteInstaller});
        expect(kEventLogPage, {Act::ReadEventLog, Act::PrintPreview, Act::Print});
        expect(kTaviPage, {Act::ReadTaviOptions, Act::WriteTaviOptions, Act::FirmwareUpdate});
        expect(kOnlinePage, {});
    }

    void slotFourFollowsThePage()
    {
        makeFrame();
        QSignalSpy panel(frame->action(Act::ConnectToPanel), &QAction::triggered);
        QSignalSpy communicator(frame->action(Act::ConnectToCommunicator), &QAction::triggered);
        frame->setCurrentPage(kTaviPage);
        frame->commandToolBar()->slotAction(4)->trigger(); // the Connect to dialog is cancelled
        QCOMPARE(communicator.count(), 1);
        QCOMPARE(panel.count(), 0);
        QCOMPARE(prompter().dialogs, QStringList{"connectToDialog"});
    }

    void commandStatesEnableTheActions()
    {
        makeFrame();
        CommandStates& states = frame->session().link.commands;
        QVERIFY(frame->action(Act::ConnectToPanel)->isEnabled());
        QVERIFY(!frame->action(Act::Abort)->isEnabled());
        QVERIFY(!frame->action(Act::ReadMaster)->isEnabled());
        states.enterIdle();
        frame->session().sink.post(RefreshNotice{});
        QTRY_VERIFY(frame->action(Act::ReadMaster)->isEnabled());
        QVERIFY(frame->action(Act::Abort)->isEnabled());
        QVERIFY(!frame->action(Act::ConnectToPanel)->isEnabled());
        frame->setCurrentPage(kMasterPage);
        QVERIFY(frame->commandToolBar()->slotAction(9)->isEnabled());
        QVERIFY(!frame->commandToolBar()->slotAction(4)->isEnabled());
    }

    void statusPanesStartDisconnectedAndFollowTheirTexts()
    {
        makeFrame();
        StatusPanes& panes = frame->panes();
        QCOMPARE(panes.text(1), QString("Tavi"));
        QCOMPARE(panes.text(4), QString("Panel"));
        QCOMPARE(panes.text(2), QString("Disconnected"));
        QCOMPARE(panes.text(5), QString("Disconnected"));
        QCOMPARE(panes.colour(5), QColor(255, 0, 0));

        frame->session().sink.post(StatusNotice{Pane::Connection, text_id::kConnected});
        QTRY_COMPARE(panes.text(5), QString("Connected"));
        QCOMPARE(panes.colour(5), QColor(0, 255, 0));
        frame->session().sink.post(StatusNotice{Pane::Connection, text_id::kConnecting});
        QTRY_COMPARE(panes.colour(5), QColor(255, 255, 0));
        frame->session().sink.post(StatusNotice{Pane::Panel, text_id::kCheckIdCodes});
        QTRY_COMPARE(panes.text(5), QString("Check ID codes..."));
        QCOMPARE(panes.colour(5), QColor(255, 255, 0)); // other texts keep the colour
        frame->session().sink.post(StatusNotice{Pane::Connection, text_id::kDisconnected});
        QTRY_COMPARE(panes.colour(5), QColor(255, 0, 0));
        QCOMPARE(panes.colour(2), QColor(255, 0, 0)); // the communicator pane is its own
    }

    void communicatorReportsPaintPaneTwoAndShowFailures()
    {
        makeFrame();
        NoticeSink& sink = frame->session().sink;
        sink.post(CommunicatorNotice{CommunicatorNotice::Kind::OpeningStarted, 1, {}});
        QTRY_COMPARE(frame->panes().text(2), QString("Connecting..."));
        sink.post(CommunicatorNotice{CommunicatorNotice::Kind::OpenResult, 57, {}});
        QTRY_COMPARE(frame->panes().text(2), QString("Disconnected"));
        QVERIFY(prompter().shown(57));
        sink.post(CommunicatorNotice{CommunicatorNotice::Kind::OpenResult, 2, {}});
        sink.post(CommunicatorNotice{CommunicatorNotice::Kind::OpenResult, 1, {}});
        QTRY_COMPARE(frame->panes().colour(2), QColor(0, 255, 0));
        // The notices are taken in order: the cancelled wait was handled
        // before the opening, and showed nothing.
        QCOMPARE(prompter().messages.size(), std::size_t(1));
    }

    void messageNoticesFormatTheirNumber()
    {
        makeFrame();
        frame->session().sink.post(MessageNotice{5078, 7});
        frame->session().sink.post(MessageNotice{text_id::kPanelDoesntAnswer, {}});
        QTRY_COMPARE(prompter().messages.size(), std::size_t(2));
        QCOMPARE(prompter().messages[0].text, strings::format(5078, 7));
        QVERIFY(prompter().messages[0].text.startsWith("Zone 7 is not bypassable"));
        QCOMPARE(prompter().messages[1].text, gui::text(text_id::kPanelDoesntAnswer));
    }

    void progressDisplayShowsStepsAndCancelsOnce()
    {
        makeFrame();
        NoticeSink& sink = frame->session().sink;
        sink.post(ProgressNotice{4, 0, text_id::kBypassingZone, 3});
        sink.post(ProgressNotice{1, 0, text_id::kCompleted, {}});
        sink.post(ProgressNotice{2, 33, 0, {}});
        QTRY_VERIFY(frame->progressDialog() && frame->progressDialog()->percent() == 33);
        CProgressDlg* progress = frame->progressDialog();
        QVERIFY(progress->isVisible());
        QVERIFY(!progress->isModal());
        QCOMPARE(progress->caption(), QString("Bypassing zone 3"));
        QCOMPARE(progress->barText(), QString("Completed 33%"));
        QCOMPARE(progress->windowTitle(), QString("QarvoIP"));
        QVERIFY(progress->cancelArmed());

        AutoResetEvent& stop = frame->session().link.socket.workerStopEvent;
        stop.reset();
        progress->reject(); // Cancel
        QVERIFY(!progress->isVisible());
        QVERIFY(stop.wait(Millis(0)));
        progress->reject(); // a second Cancel does not signal again
        QVERIFY(!stop.wait(Millis(0)));

        sink.post(ProgressNotice{0, 0, text_id::kReadingMasterPage, {}});
        QTRY_VERIFY(progress->isVisible());
        QCOMPARE(progress->caption(), QString("Reading master page"));
        sink.post(ProgressNotice{3, 0, 0, {}});
        QTRY_VERIFY(!progress->isVisible());
    }

    void pagesComeInOrderAndSayTheyAreNotBuilt()
    {
        makeFrame();
        const QStringList names{"Online status", "Master functions", "Installer functions", "Event Log", "Tavi"};
        QVERIFY(!frame->page(kOnlinePage)->placeholder());
        for (int p = 0; p < 5; ++p) {
            QCOMPARE(frame->page(p)->name(), names[p]);
            // A page not built yet says so.
            auto* note = frame->page(p)->findChild<QLabel*>("placeholder");
            QCOMPARE(note != nullptr, frame->page(p)->placeholder());
            QVERIFY(!note || note->text().contains("This page is not built yet."));
            QCOMPARE(frame->action(showPageAct(p))->text(), names[p]);
        }
        QVERIFY(!frame->page(kTaviPage)->placeholder());
        QCOMPARE(frame->action(Act::ShowEventLog)->statusTip(), QString("Show and download events log"));
    }

    void guardedPageAsksItsPasswordOnEverySwitch()
    {
        settings->setPasswords({"", "222222", "", "", ""});
        makeFrame();
        prompter().answer(testing::typeAndOk("password", "22222"));
        QVERIFY(!frame->showPage(kMasterPage));
        QVERIFY(prompter().shown(text_id::kPasswordSixDigits));
        QCOMPARE(frame->currentPage(), kOnlinePage);

        prompter().answer(testing::typeAndOk("password", "999999"));
        QVERIFY(!frame->showPage(kMasterPage));
        QVERIFY(prompter().shown(text_id::kInvalidPassword));

        prompter().answer(testing::cancelDialog());
        QVERIFY(!frame->showPage(kMasterPage));
        QCOMPARE(prompter().messages.size(), std::size_t(2)); // Cancel shows nothing

        prompter().answer(testing::typeAndOk("password", "222222"));
        frame->action(Act::ShowMaster)->trigger();
        QCOMPARE(frame->currentPage(), kMasterPage);
        QVERIFY(frame->action(Act::ShowMaster)->isChecked());
        QVERIFY(!frame->action(Act::ShowOnline)->isChecked());

        // The page already shown still asks.
        const qsizetype asked = prompter().dialogs.size();
        prompter().answer(testing::cancelDialog());
        frame->action(Act::ShowMaster)->trigger();
        QCOMPARE(prompter().dialogs.size(), asked + 1);
        QCOMPARE(prompter().dialogs.last(), QString("tabPassDialog"));
        QCOMPARE(frame->currentPage(), kMasterPage);

        // Unguarded pages switch without a dialog.
        frame->action(Act::ShowEventLog)->trigger();
        QCOMPARE(frame->currentPage(), kEventLogPage);
        QCOMPARE(prompter().dialogs.size(), asked + 1);
    }

    void hiddenPageFocusFollowsThePasswordRule()
    {
        settings->setPasswords({"", "", "333333", "", ""});
        makeFrame();
        QVERIFY(!frame->revealForFocus(kInstallerPage));
        QVERIFY(prompter().shown(text_id::kErrorInInstallerPage));
        QCOMPARE(frame->currentPage(), kOnlinePage);
        QVERIFY(frame->revealForFocus(kMasterPage));
        QCOMPARE(frame->currentPage(), kMasterPage);
        QVERIFY(frame->revealForFocus(kTaviPage));
        QCOMPARE(frame->currentPage(), kTaviPage);
        QVERIFY(prompter().dialogs.isEmpty());
    }

    void changePasswordsEnablesOnlyTheShownPagesField()
    {
        settings->setPasswords({"", "222222", "", "", ""});
        makeFrame();
        frame->setCurrentPage(kInstallerPage);
        prompter().answer([](QDialog& d) {
            auto& dialog = static_cast<CNewPassDlg&>(d);
            for (int p = 0; p < 5; ++p)
                if (dialog.field(p)->isEnabled() != (p == kInstallerPage))
                    return int(QDialog::Rejected);
            if (dialog.field(1)->text() != "222222" || dialog.field(1)->echoMode() != QLineEdit::Password)
                return int(QDialog::Rejected);
            dialog.field(kInstallerPage)->setText("1234");
            if (testing::pressOk(dialog) == QDialog::Accepted)
                return int(QDialog::Accepted); // must not happen
            dialog.field(kInstallerPage)->setText("333333");
            return testing::pressOk(dialog);
        });
        frame->action(Act::ChangePasswords)->trigger();
        QCOMPARE(prompter().count(text_id::kPasswordSixDigits), 1);
        QCOMPARE(settings->passwords(), (app::PagePasswords{"", "222222", "333333", "", ""}));

        prompter().answer(testing::cancelDialog());
        frame->action(Act::ChangePasswords)->trigger();
        QCOMPARE(settings->password(2), QString("333333"));
    }

    void passwordFieldsTakeSixDigitsOnly()
    {
        makeFrame();
        CNewPassDlg dialog({}, 0);
        QLineEdit* field = dialog.field(0);
        QTest::keyClicks(field, "12ab345678");
        QCOMPARE(field->text(), QString("123456"));
    }

    void ipSettingsRefusesPortsOutsideTenTo65535()
    {
        makeFrame();
        const link::ConnectionSettings before = frame->session().link.settings;
        prompter().answer([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("port")->setText("9");
            if (testing::pressOk(dialog) == QDialog::Accepted)
                return int(QDialog::Accepted);
            dialog.findChild<QLineEdit*>("port")->setText("65536");
            if (testing::pressOk(dialog) == QDialog::Accepted)
                return int(QDialog::Accepted);
            return int(QDialog::Rejected);
        });
        frame->action(Act::ConnectionOptions)->trigger();
        QCOMPARE(prompter().count(text_id::kPortNumberOutOfRange), 2);
        QCOMPARE(prompter().messages[0].kind, MessageKind::Warning);
        QCOMPARE(frame->session().link.settings, before);
    }

    void ipSettingsOkAppliesTheConnectionPart()
    {
        makeFrame();
        prompter().answer([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("address")->setText("127.0.0.2");
            dialog.findChild<QLineEdit*>("port")->setText("10");
            dialog.findChild<QLineEdit*>("callbackAddress")->setText("cb.example");
            dialog.findChild<QLineEdit*>("ownPort")->setText("4000");
            dialog.findChild<QLineEdit*>("account")->setText("00ab");
            dialog.findChild<QCheckBox*>("defaultIds")->setChecked(false);
            dialog.findChild<QLineEdit*>("panelId")->setText("12ef");
            dialog.findChild<QLineEdit*>("pcId")->setText("0a0b");
            return testing::pressOk(dialog);
        });
        frame->action(Act::ConnectionOptions)->trigger();
        const link::ConnectionSettings& s = frame->session().link.settings;
        QCOMPARE(s.communicatorAddress, 0x7F000002u);
        QCOMPARE(s.communicatorPort, 10);
        QCOMPARE(s.callbackServer, std::string("cb.example"));
        QCOMPARE(s.ownPort, 4000);
        QCOMPARE(s.account, 1); // the account acts through the file only
        QVERIFY(!s.useDefaultIds);
        QCOMPARE(s.panelId, 0x12EF);
        QCOMPARE(frame->masterPage()->idFields(), std::optional<IdCodes>(IdCodes{0x12EF, 0x0A0B}));
    }

    void ipSettingsSaveWritesTheFileAndStaysOpen()
    {
        makeFrame();
        CIpSettingsDlg dialog(frame->session().link.settings, frame->settingsFile());
        dialog.findChild<QLineEdit*>("port")->setText("51070");
        dialog.findChild<QLineEdit*>("password")->setText("12");
        dialog.findChild<QCheckBox*>("broadcast")->setChecked(true);
        QCOMPARE(dialog.findChild<QLineEdit*>("address")->text(), QString("255.255.255.255"));
        dialog.show();
        QVERIFY(dialog.save());
        QVERIFY(dialog.isVisible());
        link::ConnectionSettings written;
        QCOMPARE(link::loadSettings(frame->settingsFile().toStdString(), written), link::SettingsLoad::Loaded);
        QCOMPARE(written.communicatorPort, 51070);
        QCOMPARE(written.password, std::string("12"));
        QCOMPARE(written.communicatorAddress, link::kBroadcastAddress);
        dialog.findChild<QCheckBox*>("broadcast")->setChecked(false);
        QCOMPARE(dialog.findChild<QLineEdit*>("address")->text(), QString()); // no address until one is given
        // The record in use is unchanged until OK.
        QCOMPARE(frame->session().link.settings.communicatorPort, 51069);

        dialog.findChild<QLineEdit*>("port")->setText("9");
        QVERIFY(!dialog.save());
        QCOMPARE(link::loadSettings(frame->settingsFile().toStdString(), written), link::SettingsLoad::Loaded);
        QCOMPARE(written.communicatorPort, 51070);
    }

    void connectToAndCallbackStoreTheirFields()
    {
        makeFrame();
        frame->setCurrentPage(kTaviPage);
        // A port of the test's own, where nothing answers.
        NullSink nobody;
        link::UDPSocket silent(nobody);
        QVERIFY(silent.open(0));
        const int silentPort = silent.localPort();
        prompter().answer([silentPort](QDialog& dialog) {
            if (dialog.findChild<QLineEdit*>("panelId")->isEnabled())
                return int(QDialog::Rejected); // default IDs are on
            dialog.findChild<QLineEdit*>("address")->setText("127.0.0.1");
            dialog.findChild<QSpinBox*>("port")->setValue(silentPort);
            dialog.findChild<QLineEdit*>("password")->setText("abcdef");
            return testing::pressOk(dialog);
        });
        frame->action(Act::ConnectToCommunicator)->trigger();
        QCOMPARE(frame->session().link.settings.communicatorAddress, 0x7F000001u);
        QCOMPARE(frame->session().link.settings.password, std::string("abcd"));
        // Nothing listens on the communicator port: the opening fails with its text.
        QTRY_VERIFY_WITH_TIMEOUT(prompter().shown(text_id::kNoCallFromCommunicator), 5000);
        QTRY_COMPARE(frame->panes().text(2), QString("Disconnected"));

        prompter().answer([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("callbackAddress")->setText("127.0.0.1");
            dialog.findChild<QLineEdit*>("account")->setText("BEEF");
            return int(QDialog::Rejected);
        });
        frame->action(Act::CommunicatorCallMe)->trigger();
        QCOMPARE(frame->session().link.settings.account, 1); // cancelled: nothing stored
    }

    void languageSelectionWritesTheCodeAndAsksForARestart()
    {
        QVERIFY(home().installPack("DEU"));
        makeFrame();
        prompter().answer([](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>("languages");
            if (list->count() != 2 || list->currentRow() != 0 || list->item(1)->text() != "Deutsch")
                return int(QDialog::Rejected);
            list->setCurrentRow(1);
            return testing::pressOk(dialog);
        });
        frame->action(Act::SelectLanguage)->trigger();
        QCOMPARE(settings->language(), QString("DEU"));
        QVERIFY(prompter().shown(text_id::kRestartToApplyLanguage));

        prompter().messages.clear();
        prompter().answer(testing::pressOk); // English again: the language in use
        frame->action(Act::SelectLanguage)->trigger();
        QCOMPARE(settings->language(), QString("ENU"));
        QVERIFY(prompter().messages.empty());
    }

    void documentsSaveOpenAndRefuseBadFiles()
    {
        makeFrame();
        panel::CUploadDoc& doc = frame->session().doc;
        doc.setPanelNotes("notes of the test");
        prompter().fileToSave = home().file("first");
        frame->action(Act::SaveAs)->trigger();
        QCOMPARE(frame->documentPath(), home().file("first.rps"));
        QCOMPARE(frame->windowTitle(), QString("first.rps - QarvoIP"));
        QCOMPARE(settings->recentFiles(), QStringList{home().file("first.rps")});

        frame->action(Act::New)->trigger();
        QCOMPARE(doc.panelNotes(), std::string());
        QCOMPARE(frame->windowTitle(), QString("untitled - QarvoIP"));

        QFile bad(home().file("bad.rps"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("short");
        bad.close();
        prompter().fileToOpen = bad.fileName();
        frame->action(Act::Open)->trigger();
        QCOMPARE(prompter().messages.size(), std::size_t(1));
        QCOMPARE(prompter().messages[0].kind, MessageKind::Error);
        QCOMPARE(frame->documentPath(), QString());

        prompter().fileToOpen = home().file("first.rps");
        frame->action(Act::Open)->trigger();
        QCOMPARE(doc.panelNotes(), std::string("notes of the test"));
        QCOMPARE(frame->documentPath(), home().file("first.rps"));
    }

    void editsMarkTheTitleUntilSaved_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("typed");
        QTest::newRow("master page") << int(kMasterPage) << panel::master_control::kRoundPeriod << "45";
        QTest::newRow("installer page") << int(kInstallerPage) << panel::installer_control::kCallbackPhone << "5551234";
    }

    void editsMarkTheTitleUntilSaved()
    {
        QFETCH(int, page);
        QFETCH(int, control);
        QFETCH(QString, typed);
        makeFrame();
        frame->setCurrentPage(page);
        editThePage(page, control, typed);
        QCOMPARE(frame->windowTitle(), QString("untitled* - QarvoIP"));
        prompter().fileToSave = home().file("edited");
        frame->action(Act::Save)->trigger();
        QCOMPARE(frame->windowTitle(), QString("edited.rps - QarvoIP"));
        QVERIFY(!frame->session().modified());
    }

    void unsavedEditsAskBeforeTheDocumentGoes_data()
    {
        QTest::addColumn<bool>("closing"); // else New
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("documentGoes");
        QTest::addColumn<bool>("saved");
        QTest::newRow("close, cancel") << true << int(QMessageBox::Cancel) << false << false;
        QTest::newRow("close, no") << true << int(QMessageBox::No) << true << false;
        QTest::newRow("close, yes") << true << int(QMessageBox::Yes) << true << true;
        QTest::newRow("new, cancel") << false << int(QMessageBox::Cancel) << false << false;
        QTest::newRow("new, no") << false << int(QMessageBox::No) << true << false;
        QTest::newRow("new, yes") << false << int(QMessageBox::Yes) << true << true;
    }

    void unsavedEditsAskBeforeTheDocumentGoes()
    {
        QFETCH(bool, closing);
        QFETCH(int, button);
        QFETCH(bool, documentGoes);
        QFETCH(bool, saved);
        makeFrame();
        editThePage();
        const std::string edited = frame->session().forms.master.roundPeriod;
        prompter().fileToSave = home().file("asked");
        prompter().buttons.push_back(QMessageBox::StandardButton(button));
        const bool closed = closing ? frame->close() : (frame->action(Act::New)->trigger(), false);

        QCOMPARE(prompter().messageTexts(), QStringList{"Save changes to untitled?"});
        QCOMPARE(QFile::exists(home().file("asked.rps")), saved);
        if (closing)
            QCOMPARE(closed, documentGoes);
        else
            QCOMPARE(frame->session().forms.master.roundPeriod == edited, !documentGoes);
    }

    // Open and a recent file ask too; a Yes whose save does not happen (the
    // Save As dialog cancelled, or the file cannot be written) keeps the
    // edited document and opens nothing.
    void unsavedEditsAskBeforeAnotherDocumentOpens_data()
    {
        QTest::addColumn<bool>("recent"); // else Open
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("saveAs"); // the Save As dialog's answer; empty: cancelled
        QTest::addColumn<bool>("opens");
        for (const bool recent : {false, true}) {
            const char* how = recent ? "recent file" : "open";
            QTest::addRow("%s, cancel", how) << recent << int(QMessageBox::Cancel) << QString() << false;
            QTest::addRow("%s, no", how) << recent << int(QMessageBox::No) << QString() << true;
            QTest::addRow("%s, yes, saved", how) << recent << int(QMessageBox::Yes) << "asked" << true;
            QTest::addRow("%s, yes, save as cancelled", how) << recent << int(QMessageBox::Yes) << QString() << false;
            QTest::addRow("%s, yes, save fails", how) << recent << int(QMessageBox::Yes) << "missing/asked" << false;
        }
    }

    void unsavedEditsAskBeforeAnotherDocumentOpens()
    {
        QFETCH(bool, recent);
        QFETCH(int, button);
        QFETCH(QString, saveAs);
        QFETCH(bool, opens);
        makeFrame();
        const QString other = home().file("other.rps");
        prompter().fileToSave = other;
        frame->action(Act::SaveAs)->trigger(); // now a recent file
        frame->action(Act::New)->trigger();
        editThePage();
        const std::string edited = frame->session().forms.master.roundPeriod;

        prompter().fileToSave = saveAs.isEmpty() ? QString() : home().file(saveAs);
        prompter().fileToOpen = other;
        prompter().buttons.push_back(QMessageBox::StandardButton(button));
        if (recent) {
            QAction* entry = nullptr;
            for (QAction* a : frame->findChildren<QAction*>())
                if (a->text().endsWith(other))
                    entry = a;
            QVERIFY(entry);
            entry->trigger();
        } else {
            frame->action(Act::Open)->trigger();
        }

        QCOMPARE(prompter().messageTexts().value(0), QString("Save changes to untitled?"));
        QCOMPARE(frame->documentPath() == other, opens);
        const bool saveFailed = saveAs.contains('/');
        QCOMPARE(prompter().messages.size(), std::size_t(saveFailed ? 2 : 1));
        if (!opens)
            QCOMPARE(frame->session().forms.master.roundPeriod, edited);
        QVERIFY(frame->session().modified() != opens);
    }

    void closingIsAllowedWithoutConnectionAndSavesPlacement()
    {
        makeFrame();
        frame->applyPlacement({10, 20, 500, 300});
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        const app::WindowPlacement shown = frame->currentPlacement();
        QVERIFY(frame->close());
        QVERIFY(!prompter().shown(text_id::kCloseConnectionBeforeExit));
        QCOMPARE(settings->placement(), app::checkedPlacement(shown));
        QCOMPARE(settings->placement().width, 500);
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
