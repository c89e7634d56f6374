// The online page against the simulated communicator and panel on
// 127.0.0.1: each of its buttons sends the command's requests, and the page
// shows the panel's new state within one status poll after them.
#include "GuiTestSupport.h"

#include "gui/shell/CMainFrame.h"
#include "gui/pages/CPageOnline.h"
#include "gui/shell/CUploadApp.h"
#include "gui/shell/DemoPeers.h"
#include "gui/widgets/CListZones.h"
#include "gui/widgets/CStatusEdit.h"
#include "gui/models/ZoneStatusModel.h"
#include "sim/SimPanel.h"

#include <QDate>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace qarvo;
using namespace qarvo::gui;
using online::Button;
using Bytes = std::vector<std::uint8_t>;

namespace {

using testing::kLinkTimeout;
constexpr std::uint8_t kStatusPoll = 0xE3;
// The page must show a command's result by the end of the first status
// poll after it; a poll that was on its way when the state changed may come
// first.
constexpr int kMostPollsBeforeShown = 2;

struct Observed {
    std::vector<Bytes> requests; // the command's requests, polls left out
    int pollsBeforeShown = -1;   // status polls after the last request, when the page first showed the result
};

} // namespace

class OnlineLiveTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::ScriptedPrompter> prompter;
    std::unique_ptr<DemoPeers> peers;
    std::unique_ptr<CUploadApp> app;

    CMainFrame& frame() { return *app->mainFrame(); }
    CPageOnline& page() { return *frame().onlinePage(); }
    QString field(const char* name) { return page().findChild<CStatusEdit*>(QLatin1String(name))->text(); }

    // Presses the button and waits until shown() holds on a refresh of the page.
    Observed press(Button which, const std::function<bool()>& shown)
    {
        Observed seen;
        peers->panel().clearReceived();
        auto watch = connect(&page(), &CPageOnline::refreshed, this, [&] {
            if (seen.pollsBeforeShown >= 0 || !shown())
                return;
            const auto received = peers->panel().received();
            int polls = 0;
            for (const Bytes& m : received)
                polls = (!m.empty() && m[0] == kStatusPoll) ? polls + 1 : 0;
            seen.pollsBeforeShown = polls;
        });
        QPushButton* button = page().button(which);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), kLinkTimeout); }();
        QTest::mouseClick(button, Qt::LeftButton);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(seen.pollsBeforeShown >= 0, kLinkTimeout); }();
        disconnect(watch);
        for (const Bytes& m : peers->panel().received())
            if (!m.empty() && m[0] != kStatusPoll)
                seen.requests.push_back(m);
        return seen;
    }

    int bypassImage(int zone)
    {
        const ZoneStatusModel& zones = page().zoneList()->zones();
        return zones.data(zones.index(zone, online::indicatorColumn(online::Indicator::Bypass)),
                          ZoneStatusModel::kImageRole)
            .toInt();
    }

private slots:
    void init()
    {
        home = std::make_unique<testing::TestHome>();
        testing::resetSettings();
        prompter = std::make_unique<testing::ScriptedPrompter>();
        peers = std::make_unique<DemoPeers>();
        QVERIFY(peers->start());
        link::ConnectionSettings settings;
        peers->pointSettingsAt(settings);
        home->writeConnectionSettings(settings);
        app = std::make_unique<CUploadApp>(QStringList{"qarvoip", "--home", home->path()});
        Timing timing = testing::answeredTiming();
        timing.idlePollPause = Millis(150); // polls far enough apart to count them
        app->setTiming(timing);
        QVERIFY(app->initInstance());
        frame().connectToPanelNow();
        QTRY_VERIFY_WITH_TIMEOUT(field("systemStatus") == "DISARMED", kLinkTimeout);
    }

    void cleanup()
    {
        if (app && frame().session().worker.running()) {
            frame().action(Act::Abort)->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(!frame().session().worker.running(), kLinkTimeout);
        }
        app.reset();
        peers.reset();
        prompter.reset();
        home.reset();
    }

    void armThenDisarm()
    {
        const Observed arm = press(Button::PartitionA, [&] { return field("systemStatus") == "ARMED"; });
        QVERIFY(!arm.requests.empty());
        QCOMPARE(Bytes(arm.requests.back().begin(), arm.requests.back().begin() + 4), (Bytes{0xE6, 0x58, 0x23, 0xCC}));
        QCOMPARE(peers->panel().ram(0x30), std::uint8_t(0x08));
        QVERIFY(arm.pollsBeforeShown <= kMostPollsBeforeShown);
        QCOMPARE(page().button(Button::PartitionA)->text(), QString("Disarm"));

        const Observed disarm = press(Button::PartitionA, [&] { return field("systemStatus") == "DISARMED"; });
        QCOMPARE(Bytes(disarm.requests.back().begin(), disarm.requests.back().begin() + 4),
                 (Bytes{0xE6, 0x58, 0x23, 0xCC}));
        QVERIFY(disarm.requests.back()[4] != arm.requests.back()[4]); // the toggle bit turns
        QCOMPARE(peers->panel().ram(0x30), std::uint8_t(0x00));
        QVERIFY(disarm.pollsBeforeShown <= kMostPollsBeforeShown);
        QVERIFY(prompter->messages.empty());
    }

    void bypassTheSelectedZone()
    {
        constexpr int zone = 2;
        page().zoneList()->selectZone(zone);
        QCOMPARE(page().button(Button::Bypass)->text(), QString("Bypass"));
        const Observed bypass = press(Button::Bypass, [&] { return bypassImage(zone) == 1; });
        QCOMPARE(bypass.requests.back(), (Bytes{0xE5, 0x04, 0x3A, 0x20}));
        QVERIFY(bypass.pollsBeforeShown <= kMostPollsBeforeShown);
        QCOMPARE(page().button(Button::Bypass)->text(), QString("Unbypass"));
        QCOMPARE(bypassImage(zone + 1), 0);
    }

    void chimeOn()
    {
        QCOMPARE(field("chime"), QString("OFF"));
        QCOMPARE(page().button(Button::Chime)->text(), QString("Turn chime on"));
        const Observed chime = press(Button::Chime, [&] { return field("chime") == "ON"; });
        QCOMPARE(chime.requests, (std::vector<Bytes>{{0xE5, 0x10, 0x30, 0x00}, {0xE6, 0x02, 0x30, 0x10, 0x10}}));
        QVERIFY(chime.pollsBeforeShown <= kMostPollsBeforeShown);
        QCOMPARE(page().button(Button::Chime)->text(), QString("Turn chime off"));
    }

    void syncTimeSetsThePanelClockToTheComputers()
    {
        const QString before = field("panelClock");
        QCOMPARE(before, QString(" 14:07, 05 Mar 2026"));
        const Observed sync = press(Button::SyncTime, [&] { return field("panelClock") != before; });
        QVERIFY(sync.pollsBeforeShown <= kMostPollsBeforeShown);
        const auto write = std::find_if(sync.requests.begin(), sync.requests.end(), [](const Bytes& m) {
            return m.size() == 5 && m[0] == 0xE6 && m[1] == 0x88 && m[2] == 0x12;
        });
        QVERIFY(write != sync.requests.end());
        const QDate today = QDate::currentDate();
        QVERIFY((*write)[3] == today.day() || (*write)[3] == today.addDays(-1).day());
        QCOMPARE(int((*write)[4]), QDate::currentDate().addDays((*write)[3] == today.day() ? 0 : -1).month());
        // The panel's clock now reads the computer's date.
        QVERIFY(field("panelClock").contains(QString::asprintf("%02d ", int((*write)[3]))));
    }
};

QTEST_MAIN(OnlineLiveTest)
#include "OnlineLiveTest.moc"
