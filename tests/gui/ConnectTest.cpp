// The shell against the simulated communicator and panel on 127.0.0.1:
// connecting through the GUI's commands, a page read's progress display,
// the close refusal while connected, aborting, and the demo start.
#include "WidgetTest.h"

#include "gui/shell/CMainFrame.h"
#include "gui/pages/CPageMaster.h"
#include "gui/shell/CommandToolBar.h"
#include "gui/dialogs/CProgressDlg.h"
#include "gui/shell/CUploadApp.h"
#include "gui/shell/DemoPeers.h"
#include "gui/shell/ShellTexts.h"
#include "gui/shell/StatusPanes.h"
#include "sim/SimCommunicator.h"
#include "panel/FieldCodecs.h"
#include "sim/SimPanel.h"
#include "support/Documents.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <memory>

using namespace qarvo;
using namespace qarvo::gui;
using qarvo::testing::ScriptedPrompter;

namespace {
using testing::kLinkTimeout;
}

class ConnectTest : public testing::WidgetTest {
    Q_OBJECT

    std::unique_ptr<DemoPeers> peers;

    std::unique_ptr<CUploadApp> startApp(QStringList extra = {})
    {
        auto app = std::make_unique<CUploadApp>(QStringList{"qarvoip", "--home", home().path()} + extra);
        app->setTiming(testing::answeredTiming());
        if (!app->initInstance())
            return nullptr;
        return app;
    }

    static bool connected(CMainFrame& frame)
    {
        return frame.panes().text(kPanelPane) == text(text_id::kConnected) && frame.session().worker.panelLinkUp();
    }

    // Ends the panel link, then the communicator connection, as a user would.
    static void disconnect(CMainFrame& frame)
    {
        frame.action(Act::Abort)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!frame.session().worker.running(), kLinkTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(frame.action(Act::Abort)->isEnabled(), kLinkTimeout);
        frame.action(Act::Abort)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!frame.session().link.connection.isOpen(), kLinkTimeout);
    }

    void initTest() override
    {
        peers = std::make_unique<DemoPeers>();
        QVERIFY(peers->start());
        // A master page value other than a new document's, so that reading
        // the page changes the document.
        const panel::CUploadDoc defaults = testing::documentFor(peers->panel().typeCode());
        const auto ambush = defaults.bytes(panel::Setting::AmbushDigit);
        const std::array changed{panel::encodeAmbushDigit(7)};
        peers->panel().writeMemory(std::uint16_t(ambush.data() - defaults.image().bytes().data()), changed);
        link::ConnectionSettings settings;
        peers->pointSettingsAt(settings);
        home().writeConnectionSettings(settings);
    }

    void cleanupTest() override { peers.reset(); }

private slots:
    void connectThroughTheCommandsAndReadTheMasterPage()
    {
        auto app = startApp();
        QVERIFY(app);
        CMainFrame& frame = *app->mainFrame();
        QCOMPARE(frame.panes().colour(kPanelPane), QColor(255, 0, 0));

        prompter().answer([](QDialog& dialog) {
            // The dialog proposes the record read from PanelRPS.cfg.
            if (dialog.findChild<QLineEdit*>("address")->text() != "127.0.0.1")
                return int(QDialog::Rejected);
            return testing::pressOk(dialog);
        });
        frame.action(Act::ConnectToPanel)->trigger();
        QCOMPARE(prompter().dialogs, QStringList{"connectToDialog"});
        QTRY_VERIFY_WITH_TIMEOUT(connected(frame), kLinkTimeout);
        QCOMPARE(frame.panes().colour(kPanelPane), QColor(0, 255, 0));
        QVERIFY(frame.session().link.connection.isOpen());
        QVERIFY(peers->panel().identified());
        QCOMPARE(frame.masterPage()->idFields(), std::optional<IdCodes>(IdCodes{0, 0}));
        QTRY_VERIFY(frame.action(Act::ReadMaster)->isEnabled());
        QVERIFY(!frame.action(Act::ConnectToPanel)->isEnabled());
        QVERIFY(!frame.action(Act::New)->isEnabled()); // the worker may write into the document

        frame.setCurrentPage(kMasterPage);
        QVERIFY(frame.commandToolBar()->slotAction(9)->isEnabled());
        QVERIFY(!frame.progressDialog()); // created when it first shows
        frame.commandToolBar()->slotAction(9)->trigger(); // "Download" on the master page
        QTRY_VERIFY_WITH_TIMEOUT(frame.progressDialog(), kLinkTimeout);
        CProgressDlg* progress = frame.progressDialog();
        QCOMPARE(progress->caption(), QString("Reading master page"));
        QTRY_VERIFY_WITH_TIMEOUT(!progress->isVisible(), kLinkTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(frame.session().worker.currentCode() == operations::kIdlePoll, kLinkTimeout);
        QVERIFY(connected(frame));

        // Closing while connected is refused.
        QVERIFY(!frame.close());
        QVERIFY(prompter().shown(text_id::kCloseConnectionBeforeExit));
        QVERIFY(frame.isVisible());

        disconnect(frame);
        QTRY_COMPARE(frame.panes().text(kPanelPane), QString("Disconnected"));
        QCOMPARE(frame.panes().colour(kPanelPane), QColor(255, 0, 0));
        QVERIFY2(!prompter().shown(text_id::kTaviStillConnected), "the status bar and its Stop hint say so");
        // The read changed the document: closing asks, and its edits go.
        prompter().buttons.push_back(QMessageBox::No);
        QVERIFY(frame.close());
        QVERIFY(prompter().buttons.empty());
    }

    void progressDisplayOpensForAPageRead()
    {
        auto app = startApp();
        QVERIFY(app);
        CMainFrame& frame = *app->mainFrame();
        prompter().answer(testing::pressOk);
        frame.action(Act::ConnectToPanel)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(connected(frame), kLinkTimeout);
        frame.action(Act::ShowMaster)->trigger();
        QTRY_VERIFY(frame.action(Act::ReadMaster)->isEnabled());
        frame.action(Act::ReadMaster)->trigger(); // creates the display when it first shows
        QTRY_VERIFY_WITH_TIMEOUT(frame.progressDialog(), kLinkTimeout);
        QSignalSpy displayed(frame.progressDialog(), &CProgressDlg::displayed);
        QSignalSpy dismissed(frame.progressDialog(), &CProgressDlg::dismissed);
        QTRY_VERIFY_WITH_TIMEOUT(frame.session().worker.currentCode() == operations::kIdlePoll, kLinkTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!frame.progressDialog()->isVisible(), kLinkTimeout);

        // A second read: the spies see it from its start.
        QTRY_VERIFY(frame.action(Act::ReadMaster)->isEnabled());
        // Whatever the first read still posted late is not counted.
        displayed.clear();
        dismissed.clear();
        frame.action(Act::ReadMaster)->trigger();
        QTRY_VERIFY2_WITH_TIMEOUT(displayed.count() == 1, qPrintable(prompter().messageTexts().join(u'|')), kLinkTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(dismissed.count() == 1, kLinkTimeout);
        QCOMPARE(displayed.at(0).at(0).toString(), QString("Reading master page"));
        disconnect(frame);
        prompter().buttons.push_back(QMessageBox::No);
        QVERIFY(frame.close());
    }

    void closingWithOnlyTheCommunicatorOpenIsRefused()
    {
        auto app = startApp();
        QVERIFY(app);
        CMainFrame& frame = *app->mainFrame();
        frame.setCurrentPage(kTaviPage);
        prompter().answer(testing::pressOk);
        frame.action(Act::ConnectToCommunicator)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(frame.session().link.connection.isOpen(), kLinkTimeout);
        QTRY_COMPARE(frame.panes().text(kCommunicatorPane), QString("Connected"));
        QCOMPARE(frame.panes().text(kPanelPane), QString("Disconnected"));
        QVERIFY(!frame.close());
        QVERIFY(prompter().shown(text_id::kCloseConnectionBeforeExit));

        QTRY_VERIFY(frame.action(Act::Abort)->isEnabled());
        frame.action(Act::Abort)->trigger(); // on the communicator page: the communicator closes
        QTRY_VERIFY_WITH_TIMEOUT(!frame.session().link.connection.isOpen(), kLinkTimeout);
        QTRY_COMPARE(frame.panes().text(kCommunicatorPane), QString("Disconnected"));
        QVERIFY(frame.close());
    }

    void callMeConnectsThroughTheCallbackServer()
    {
        auto app = startApp();
        QVERIFY(app);
        CMainFrame& frame = *app->mainFrame();
        prompter().answer([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("account")->setText("0042");
            return testing::pressOk(dialog);
        });
        frame.action(Act::CallMe)->trigger();
        QCOMPARE(prompter().dialogs, QStringList{"callbackDialog"});
        QTRY_VERIFY_WITH_TIMEOUT(connected(frame), kLinkTimeout);
        QCOMPARE(frame.session().link.settings.account, 0x42);
        const std::vector<std::uint8_t> request = peers->communicator().lastCallbackPayload();
        QCOMPARE(request.size(), std::size_t(4));
        QCOMPARE(request[0], std::uint8_t(0x42)); // the account, low byte first
        disconnect(frame);
    }

    void waitForACallInTheDemoIsAnsweredByTheCommunicator()
    {
        auto app = startApp({"--demo"});
        QVERIFY(app);
        CMainFrame& frame = *app->mainFrame();
        QTRY_VERIFY_WITH_TIMEOUT(connected(frame), kLinkTimeout);
        disconnect(frame);
        QTRY_VERIFY_WITH_TIMEOUT(frame.action(Act::WaitForCall)->isEnabled(), kLinkTimeout);
        frame.action(Act::WaitForCall)->trigger();
        QVERIFY(prompter().dialogs.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(connected(frame), kLinkTimeout);
        disconnect(frame);
    }

    void demoConnectsToTheEmbeddedSimulatorAtStart()
    {
        auto app = startApp({"--demo"});
        QVERIFY(app);
        QVERIFY(app->demo());
        CMainFrame& frame = *app->mainFrame();
        QVERIFY(prompter().dialogs.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(connected(frame), kLinkTimeout);
        const link::ConnectionSettings& s = frame.session().link.settings;
        QCOMPARE(s.communicatorAddress, 0x7F000001u);
        QCOMPARE(s.communicatorPort, app->demo()->communicator().port());
        QVERIFY(app->demo()->panel().identified());
        disconnect(frame);
    }
};

QTEST_MAIN(ConnectTest)
#include "ConnectTest.moc"
