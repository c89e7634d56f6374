// The communicator page against the simulated communicator on 127.0.0.1,
// driven through the main window's commands: connecting, reading, writing
// and reading back the options, the question before an unchanged write, a
// PGM toggle, the connection lost to unanswered polls, and the firmware
// update dialog to its two good ends. With QARVO_SHOT_DIR set, the page
// and the dialog are saved there as pictures.
#include "GuiTestSupport.h"

#include "communicator/TaviOptions.h"
#include "gui/shell/CMainFrame.h"
#include "gui/pages/CPageTavi.h"
#include "gui/dialogs/CUpdateDlg.h"
#include "gui/shell/CUploadApp.h"
#include "gui/shell/DemoPeers.h"
#include "gui/shell/ShellTexts.h"
#include "gui/shell/StatusPanes.h"
#include "gui/pages/TaviOptionsView.h"
#include "gui/widgets/CTextProgressCtrl.h"
#include "sim/SimCommunicator.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <algorithm>

#include <memory>

using namespace qarvo;
using namespace qarvo::gui;
using qarvo::testing::ScriptedPrompter;

namespace {

using testing::kLinkTimeout;

void saveShot(QWidget& widget, const QString& name)
{
    const QString dir = qEnvironmentVariable("QARVO_SHOT_DIR");
    if (!dir.isEmpty())
        widget.grab().save(dir + u'/' + name);
}

} // namespace

class TaviConnectTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<DemoPeers> peers;
    std::unique_ptr<CUploadApp> app;

    CMainFrame& frame() const { return *app->mainFrame(); }
    CPageTavi& page() const { return *frame().taviPage(); }
    sim::SimCommunicator& communicator() const { return peers->communicator(); }
    QLineEdit* field(const char* name) const { return page().findChild<QLineEdit*>(name); }
    QString pane() const { return frame().panes().text(kCommunicatorPane); }

    bool connectFromThePage()
    {
        if (!startApp())
            return false;
        frame().setCurrentPage(kTaviPage);
        prompter->answer(testing::pressOk);
        frame().action(Act::ConnectToCommunicator)->trigger();
        return QTest::qWaitFor(
            [&] { return frame().action(Act::ReadTaviOptions)->isEnabled() && pane() == text(text_id::kConnected); },
            kLinkTimeout);
    }

    // Runs the update dialog with the address given, waits for its final
    // stage and returns it.
    QString runUpdate(const QString& address, int finalStage, const std::function<void(CUpdateDlg&)>& midway = {})
    {
        QString final;
        prompter->answer([&](QDialog& d) {
            auto& dialog = static_cast<CUpdateDlg&>(d);
            dialog.findChild<QLineEdit*>("updateAddress")->setText(address);
            dialog.startButton()->click();
            if (!dialog.startButton()->isEnabled() && midway)
                midway(dialog);
            // The caller compares the text the dialog ended with.
            (void)QTest::qWaitFor([&] { return dialog.statusText() == text(finalStage); }, kLinkTimeout);
            final = dialog.statusText();
            return int(QDialog::Rejected);
        });
        frame().action(Act::FirmwareUpdate)->trigger();
        return final;
    }

private slots:
    void init()
    {
        home = std::make_unique<testing::TestHome>();
        testing::resetSettings();
        prompter = std::make_unique<ScriptedPrompter>();
        peers = std::make_unique<DemoPeers>();
        QVERIFY(peers->start());
        link::ConnectionSettings settings;
        peers->pointSettingsAt(settings);
        home->writeConnectionSettings(settings);
    }

    bool startApp(const QStringList& extra = {})
    {
        app = std::make_unique<CUploadApp>(QStringList{"qarvoip", "--home", home->path()} + extra);
        app->setTiming(testing::fastTiming());
        return app->initInstance();
    }

    void cleanup()
    {
        if (app && frame().session().link.connection.isOpen()) {
            frame().setCurrentPage(kTaviPage);
            frame().action(Act::Abort)->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(!frame().session().link.connection.isOpen(), kLinkTimeout);
        }
        app.reset();
        prompter.reset();
        peers.reset();
        home.reset();
    }

    void readChangeWriteAndReadBackThroughThePage()
    {
        QVERIFY(connectFromThePage());
        QCOMPARE(page().view().modelInfoText(0), QString("Tavi-4"));
        QCOMPARE(page().view().modelInfoText(7), QString("127.0.0.1"));

        QSignalSpy succeeded(&page(), &CPageTavi::succeeded);
        const auto count = [&succeeded](int textId) {
            return int(std::count_if(succeeded.begin(), succeeded.end(),
                                     [textId](const QList<QVariant>& s) { return s.at(0).toInt() == textId; }));
        };
        frame().action(Act::ReadTaviOptions)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(count(text_id::kDownloadingSuccessfully), 1, kLinkTimeout);
        QVERIFY2(!prompter->shown(text_id::kDownloadingSuccessfully), "success is said in passing, not in a box");
        QCOMPARE(frame().statusBar()->currentMessage(), text(text_id::kDownloadingSuccessfully));
        QCOMPARE(field("primaryAddress")->text(), QString("192.168.0.16"));
        saveShot(frame(), "tavi-page-connected.png");
        saveShot(page().view(), "tavi-page-whole.png");

        field("primaryAddress")->setText("10.9.8.7");
        frame().action(Act::WriteTaviOptions)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(count(text_id::kUploadedSuccessfully), 1, kLinkTimeout);
        QVERIFY(!prompter->shown(text_id::kSettingsNotChanged));
        const std::vector<std::uint8_t> held = communicator().options();
        QCOMPARE(std::vector<std::uint8_t>(held.begin() + 40, held.begin() + 44),
                 (std::vector<std::uint8_t>{10, 9, 8, 7}));

        field("primaryAddress")->setText("somewhere.else");
        frame().action(Act::ReadTaviOptions)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(count(text_id::kDownloadingSuccessfully), 2, kLinkTimeout);
        QCOMPARE(field("primaryAddress")->text(), QString("10.9.8.7"));

        // What was just read goes again: the question first (answered Yes here).
        frame().action(Act::WriteTaviOptions)->trigger();
        QCOMPARE(prompter->count(text_id::kSettingsNotChanged), 1);
        QTRY_COMPARE_WITH_TIMEOUT(count(text_id::kUploadedSuccessfully), 2, kLinkTimeout);
        QCOMPARE(communicator().counters.optionWrites.load(), 2u);
    }

    void theDemoShowsItsCommunicatorOnThePage()
    {
        QVERIFY(startApp({"--demo"}));
        QTRY_VERIFY_WITH_TIMEOUT(frame().session().worker.panelLinkUp(), kLinkTimeout);
        frame().setCurrentPage(kTaviPage);
        QTRY_COMPARE(page().view().modelInfoText(0), QString("Tavi-4"));
        QTRY_VERIFY_WITH_TIMEOUT(!page().view().rssiField()->text().isEmpty(), kLinkTimeout);
        saveShot(frame(), "tavi-page-demo.png");
    }

    void pgmToggleShowsTheCommunicatorsNewState()
    {
        QVERIFY(connectFromThePage());
        QCheckBox* state = page().view().stateBox(2); // PGM1
        const bool before = state->isChecked();
        page().view().pgmButton(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(state->isChecked() != before, kLinkTimeout);
        QCOMPARE(communicator().counters.pgmToggles.load(), 1u);
        QVERIFY(prompter->messages.empty());
    }

    void threeLostPollsShowTheTimeout()
    {
        QVERIFY(connectFromThePage());
        const unsigned polls = communicator().counters.statePolls.load();
        communicator().configure([](sim::CommunicatorConfig& c) { c.answerPolls = false; });
        QTRY_VERIFY_WITH_TIMEOUT(!frame().session().link.connection.isOpen(), kLinkTimeout);
        QTRY_COMPARE(pane(), text(text_id::kTaviTimeout));
        QCOMPARE(frame().panes().colour(kCommunicatorPane), QColor(255, 0, 0));
        QVERIFY(prompter->shown(text_id::kTaviTimeout));
        QVERIFY(communicator().counters.statePolls.load() >= polls + 3);
        QVERIFY(page().view().modelInfoText(0).isEmpty());
        QTRY_VERIFY(frame().action(Act::ConnectToCommunicator)->isEnabled());
    }

    void firmwareUpdateDownloadsAndTheConnectionCloses()
    {
        communicator().configure([](sim::CommunicatorConfig& c) { c.firmware.spacing = std::chrono::milliseconds(250); });
        QVERIFY(connectFromThePage());
        QString midwayText;
        int midwayValue = 0;
        const QString final =
            runUpdate("127.0.0.1", text_id::kDownloadedConnectionClosed, [&](CUpdateDlg& dialog) {
                QVERIFY(QTest::qWaitFor([&] { return dialog.progress()->value() >= 20; }, kLinkTimeout));
                QVERIFY(dialog.progress()->textDrawn());
                QCOMPARE(dialog.statusText(), text(text_id::kDownloading));
                QCOMPARE(dialog.updatingTo(), QString("1.2.3.4"));
                midwayValue = dialog.progress()->value();
                midwayText = dialog.progress()->text();
                saveShot(dialog, "update-dialog-downloading.png");
            });
        QCOMPARE(final, text(text_id::kDownloadedConnectionClosed));
        QVERIFY(midwayValue >= 20 && midwayValue < 100);
        QCOMPARE(midwayText, QString("Completed %1%").arg(midwayValue));
        QTRY_VERIFY_WITH_TIMEOUT(!frame().session().link.connection.isOpen(), kLinkTimeout);
        QTRY_VERIFY(prompter->shown(text_id::kCommunicatorWillReset));
        QTRY_COMPARE(pane(), text(text_id::kDisconnected));
        QVERIFY(!page().updateDialog()); // gone with its run; later notices have nowhere to go
    }

    void firmwareUpToDateKeepsTheConnectionAndStartAvailable()
    {
        communicator().configure([](sim::CommunicatorConfig& c) { c.firmware.outcome = sim::FirmwareOutcome::UpToDate; });
        QVERIFY(connectFromThePage());
        bool upToDate = false;
        bool startAgain = false;
        bool startWhileRunning = true;
        prompter->answer([&](QDialog& d) {
            auto& dialog = static_cast<CUpdateDlg&>(d);
            dialog.findChild<QLineEdit*>("updateAddress")->setText("127.0.0.1");
            dialog.startButton()->click();
            startWhileRunning = dialog.startButton()->isEnabled();
            upToDate =
                QTest::qWaitFor([&] { return dialog.statusText() == text(text_id::kFirmwareUpToDate); }, kLinkTimeout);
            startAgain = dialog.startButton()->isEnabled();
            return int(QDialog::Rejected);
        });
        frame().action(Act::FirmwareUpdate)->trigger();
        QVERIFY(!startWhileRunning); // no second start while one runs
        QVERIFY(upToDate);
        QVERIFY(startAgain);
        QVERIFY(frame().session().link.connection.isOpen());
        QCOMPARE(communicator().counters.firmwareRequests.load(), 1u);
    }

    void anUnknownUpdateServerIsRefusedByName()
    {
        QVERIFY(connectFromThePage());
        frame().session().tavi.firmware().setResolver([](const std::string&) -> std::optional<std::uint32_t> { return std::nullopt; });
        prompter->answer([&](QDialog& d) {
            auto& dialog = static_cast<CUpdateDlg&>(d);
            dialog.findChild<QLineEdit*>("updateAddress")->setText("update.example");
            dialog.startButton()->click();
            return int(QDialog::Rejected);
        });
        frame().action(Act::FirmwareUpdate)->trigger();
        QCOMPARE(prompter->messageTexts(), QStringList{text(text_id::kUpdateServerUnknown) + "\nupdate.example"});
        QCOMPARE(communicator().counters.firmwareRequests.load(), 0u);
    }
};

QTEST_MAIN(TaviConnectTest)
#include "TaviConnectTest.moc"
