// Measures how long the main thread's event loop stalls while the GUI works
// against the simulated panel with 5 ms each way on every datagram: it
// shows the online page, then reads the installer page, the master page and
// an event log of 800 events, and prints the longest gap between the ticks
// of a 1 ms timer on the main thread and the 99th percentile of the gaps.
// Target: the longest stall stays under 16 ms (one frame). Each gap also
// carries the main thread's own CPU time within it, so a stall the program
// caused (the thread was busy) is told apart from one where the machine ran
// other work (the thread was runnable or asleep but not on a core). Qt's
// raster painting hands large fills to its own threads and waits for them:
// that work is not in the main thread's CPU time, but the wait shows as a
// stall, so on a loaded machine a stall with little "busy" can still be
// painting held up by the scheduler.
//
// QARVO_BENCH_TRACE=1 also prints every event that took longer than 20 ms
// with its receiver, to find what a stall was.
//
// --sites N: instead, shows the Sites window over a book of N simulated
// sites (SimFleet, 5 ms each way; most healthy, one offline, one with a
// wrong password), backs all of them up as one fleet run and prints the
// same figures for the run.
//
// --shot FILE: instead, shows the page live against the demo panel in
// partitioned mode, with the walked zone open and another zone bypassed
// through the page's button, and saves the window as a PNG at the default
// size and at a larger one (FILE with "-large" before its extension).
#include "cli/EventLogCommands.h"
#include "gui/dialogs/CSitesDlg.h"
#include "gui/models/SitesTableModel.h"
#include "gui/shell/CMainFrame.h"
#include "gui/pages/CPageOnline.h"
#include "gui/shell/CUploadApp.h"
#include "gui/shell/DemoPeers.h"
#include "gui/shell/Prompter.h"
#include "gui/widgets/CListZones.h"
#include "gui/widgets/CStatusEdit.h"
#include "gui/models/ZoneStatusModel.h"
#include "sim/FleetSiteList.h"
#include "sim/SimFleet.h"
#include "sim/SimPanel.h"
#include "sites/SitePasswords.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

using namespace qarvo;
using namespace qarvo::gui;

namespace {

constexpr std::chrono::milliseconds kDelayEachWay{5};
constexpr int kEvents = 800;
constexpr int kPatienceMs = 180000;
constexpr double kFrameMs = 16.0;

// Times every event the main thread handles at the top level, so that a
// long handler can be told apart from time the machine gave to others.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        if (depth_++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --depth_;
            return handled;
        }
        QElapsedTimer took;
        took.start();
        const bool handled = QApplication::notify(receiver, event);
        --depth_;
        const double ms = double(took.nsecsElapsed()) / 1e6;
        if (ms > 20 && qEnvironmentVariableIsSet("QARVO_BENCH_TRACE"))
            std::fprintf(stderr, "slow event %.1f ms: type %d to %s (parent %s)\n", ms, int(event->type()),
                         receiver->metaObject()->className(),
                         receiver->parent() ? receiver->parent()->metaObject()->className() : "-");
        if (ms > longest) {
            longest = ms;
            longestType = event->type();
            longestReceiver = receiver->metaObject()->className();
        }
        return handled;
    }
    double longest = 0;
    int longestType = 0;
    QByteArray longestReceiver;

private:
    int depth_ = 0;
};

// Answers every message box with OK and every dialog with Cancel, and
// counts the messages.
class QuietPrompter : public Prompter {
public:
    QMessageBox::StandardButton message(QWidget*, MessageKind, const QString& text, QMessageBox::StandardButtons) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        ++messages;
        return QMessageBox::Ok;
    }
    int exec(QDialog&) override { return QDialog::Rejected; }
    QString openFileName(QWidget*, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    int messages = 0;
};

// The main thread's CPU time in ms; 0 where the platform has no per-thread clock.
double threadCpuMs()
{
#if defined(CLOCK_THREAD_CPUTIME_ID)
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
#else
    return 0;
#endif
}

// The gaps between the ticks of a 1 ms timer on the main thread, each with
// the main thread's CPU time spent inside it.
class StallMeter : public QObject {
public:
    StallMeter()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        connect(&timer_, &QTimer::timeout, this, [this] {
            const qint64 now = clock_.nsecsElapsed();
            const double cpu = threadCpuMs();
            if (last_ >= 0)
                gaps_.push_back({double(now - last_) / 1e6, cpu - lastCpu_});
            last_ = now;
            lastCpu_ = cpu;
        });
    }
    void start()
    {
        gaps_.clear();
        last_ = -1;
        clock_.start();
        timer_.start();
    }
    void stop() { timer_.stop(); }
    std::size_t samples() const { return gaps_.size(); }
    double longest() const { return longestGap().wall; }
    // The main thread's CPU time within the longest gap.
    double busyInLongest() const { return longestGap().cpu; }
    // The longest stretch the main thread itself worked between two ticks.
    double longestBusy() const
    {
        double busy = 0;
        for (const Gap& gap : gaps_)
            busy = std::max(busy, gap.cpu);
        return busy;
    }
    double percentile(double p) const
    {
        if (gaps_.empty())
            return 0;
        std::vector<double> sorted;
        for (const Gap& gap : gaps_)
            sorted.push_back(gap.wall);
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1, std::size_t(p / 100.0 * double(sorted.size())))];
    }

private:
    struct Gap {
        double wall = 0;
        double cpu = 0;
    };
    Gap longestGap() const
    {
        const auto it = std::max_element(gaps_.begin(), gaps_.end(),
                                         [](const Gap& a, const Gap& b) { return a.wall < b.wall; });
        return it == gaps_.end() ? Gap{} : *it;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = -1;
    double lastCpu_ = 0;
    std::vector<Gap> gaps_;
};

// Runs the event loop until done() holds; false after the patience.
bool until(const std::function<bool()>& done, int patienceMs = kPatienceMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > patienceMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// The figures depend on what else the machine runs: the load goes with them.
QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readLine()).section(u' ', 0, 2);
}

bool idle(CMainFrame& frame)
{
    const auto& worker = frame.session().worker;
    return worker.panelLinkUp() && worker.currentCode() == operations::kIdlePoll && !worker.operationActive();
}

QString field(CPageOnline& page, const char* name)
{
    return page.findChild<CStatusEdit*>(QLatin1String(name))->text();
}

std::vector<sim::EventRecord> manyEvents()
{
    const std::vector<sim::EventRecord> pattern = cli::demoEvents();
    std::vector<sim::EventRecord> events;
    for (int i = 0; i < kEvents; ++i)
        events.push_back(pattern[std::size_t(i) % pattern.size()]);
    return events;
}

void printPhase(const char* name, qint64 ms, const StallMeter& meter)
{
    std::printf("  %-24s %6lld ms   longest stall %6.2f ms (busy %5.2f)   longest busy %5.2f ms   p99 %5.2f ms   (%zu ticks)\n",
                name, static_cast<long long>(ms), meter.longest(), meter.busyInLongest(), meter.longestBusy(),
                meter.percentile(99.0), meter.samples());
}

// Runs one command and waits until the worker is back in the idle poll.
bool runOperation(CMainFrame& frame, Act act, const char* name, StallMeter& phase)
{
    QElapsedTimer took;
    took.start();
    phase.start();
    if (!until([&] { return frame.action(act)->isEnabled() && idle(frame); }))
        return false;
    frame.action(act)->trigger();
    if (!until([&] { return frame.session().worker.currentCode() != operations::kIdlePoll; }, 5000)
        || !until([&] { return idle(frame); })) {
        std::fprintf(stderr, "%s did not end\n", name);
        return false;
    }
    phase.stop();
    printPhase(name, took.elapsed(), phase);
    return true;
}

int measure(CUploadApp& app, TimedApplication& application)
{
    CMainFrame& frame = *app.mainFrame();
    DemoPeers& peers = *app.demo();
    sim::Faults delay;
    delay.delay = kDelayEachWay;
    peers.communicator().setFaults(delay, delay);
    peers.panel().setEventLog(manyEvents(), kEvents);
    CPageOnline& page = *frame.onlinePage();
    frame.setCurrentPage(kOnlinePage);

    StallMeter meter;
    meter.start();
    QElapsedTimer all;
    all.start();
    if (!until([&] { return !field(page, "systemStatus").isEmpty() && idle(frame); })) {
        std::fprintf(stderr, "the panel did not report its status\n");
        return 1;
    }
    std::printf("ui-latency: GUI offscreen, simulated panel %lld ms each way, online page shown\n",
                static_cast<long long>(kDelayEachWay.count()));
    printPhase("connect + first status", all.elapsed(), meter);
    std::printf("  machine load at start (1, 5, 15 min): %s\n", qPrintable(loadAverage()));
    // The page watched while the panel is polled, nothing else going on.
    StallMeter phase;
    phase.start();
    until([] { return false; }, 2000);
    phase.stop();
    printPhase("online page, idle poll", 2000, phase);
    const int refreshesBefore = page.refreshCount();
    application.longest = 0;
    if (!runOperation(frame, Act::ReadInstaller, "installer page read", phase) ||
        !runOperation(frame, Act::ReadMaster, "master page read", phase) ||
        !runOperation(frame, Act::ReadEventLog, "800-event reading", phase))
        return 1;
    meter.stop();
    const auto& logs = frame.session().doc.logs();
    std::printf("  events in the current log: %zu\n", logs.empty() ? std::size_t(0) : logs.front().lines.size());
    std::printf("  online page refreshes: %d\n", page.refreshCount() - refreshesBefore);
    std::printf("  main-thread timer samples: %zu over %lld ms\n", meter.samples(),
                static_cast<long long>(all.elapsed()));
    std::printf("  whole run: longest stall %.2f ms  (target < %.0f ms: %s)\n", meter.longest(), kFrameMs,
                meter.longest() < kFrameMs ? "met" : "MISSED");
    std::printf("  whole run: the main thread was busy %.2f ms of that stall; its longest busy stretch %.2f ms (target < %.0f ms: %s)\n",
                meter.busyInLongest(), meter.longestBusy(), kFrameMs, meter.longestBusy() < kFrameMs ? "met" : "MISSED");
    std::printf("  whole run: 99th percentile gap %.2f ms\n", meter.percentile(99.0));
    std::printf("  longest single event handled during the reads: %.2f ms (event type %d to a %s)\n",
                application.longest, application.longestType, application.longestReceiver.constData());
    return 0;
}

// The fleet's sites in a new book in the folder; nullptr when one could not be kept.
std::unique_ptr<sites::SiteBook> fleetBook(const QString& folder, const sim::SimFleet& fleet)
{
    std::string why;
    auto book = sites::SiteBook::open(QDir(folder).filePath(QStringLiteral("sites.db")).toStdString(), why);
    for (const sim::FleetSite& simulated : fleet.sites()) {
        sites::Site site = sim::bookSite(simulated);
        if (!book || !book->addSite(site).empty() || !sites::placePassword(*book, site, simulated.password).empty() ||
            !book->updateSite(site).empty()) {
            std::fprintf(stderr, "the book could not keep the sites: %s\n", why.c_str());
            return nullptr;
        }
    }
    return book;
}

int measureFleet(int count, TimedApplication& application)
{
    sim::FleetSetup setup;
    setup.sites = std::size_t(count);
    setup.mix = *sim::parseProfileMix("healthy=" + std::to_string(std::max(1, count - 2)) + ",offline=1,wrong-password=1");
    setup.lineDelay = kDelayEachWay;
    setup.eventEvery = std::chrono::milliseconds(0);
    sim::SimFleet fleet(setup);
    QTemporaryDir folder;
    if (!fleet.start()) {
        std::fprintf(stderr, "the simulated fleet did not start: %s\n", fleet.error().c_str());
        return 1;
    }
    const auto book = fleetBook(folder.path(), fleet);
    if (!book)
        return 1;
    CSitesDlg window(*book, link::ConnectionSettings{});
    window.setRunSettings({.retries = 0}, Timing{});
    window.show();
    until([] { return false; }, 300); // shown and painted
    window.table()->selectAll();
    std::printf("ui-latency: Sites window offscreen, fleet backup of %d simulated sites, %lld ms each way\n", count,
                static_cast<long long>(kDelayEachWay.count()));
    std::printf("  machine load at start (1, 5, 15 min): %s\n", qPrintable(loadAverage()));
    application.longest = 0;
    StallMeter meter;
    QElapsedTimer took;
    took.start();
    meter.start();
    window.backUpSites();
    if (!until([&] { return !window.running(); })) {
        std::fprintf(stderr, "the fleet run did not end\n");
        return 1;
    }
    meter.stop();
    printPhase("fleet backup", took.elapsed(), meter);
    const QAbstractItemModel& rows = *window.table()->model();
    for (int row = 0; row < rows.rowCount(); ++row)
        std::printf("    %-10s %s\n", qPrintable(rows.index(row, 0).data().toString()),
                    qPrintable(rows.index(row, SitesTableModel::Progress).data().toString()));
    std::printf("  whole run: longest stall %.2f ms  (target < %.0f ms: %s)\n", meter.longest(), kFrameMs,
                meter.longest() < kFrameMs ? "met" : "MISSED");
    std::printf("  whole run: the main thread was busy %.2f ms of that stall; its longest busy stretch %.2f ms\n",
                meter.busyInLongest(), meter.longestBusy());
    std::printf("  longest single event handled during the run: %.2f ms (event type %d to a %s)\n",
                application.longest, application.longestType, application.longestReceiver.constData());
    return 0;
}

int shoot(CUploadApp& app, const QString& file)
{
    CMainFrame& frame = *app.mainFrame();
    CPageOnline& page = *frame.onlinePage();
    frame.setCurrentPage(kOnlinePage);
    frame.resize(644, 436);
    if (!until([&] { return !field(page, "partitionBStatus").isEmpty() && idle(frame); }, 20000)) {
        std::fprintf(stderr, "the panel did not report both partitions\n");
        return 1;
    }
    constexpr int bypassed = 4; // zone 5, in partition A
    page.zoneList()->selectZone(bypassed);
    page.button(online::Button::Bypass)->click();
    const ZoneStatusModel& zones = page.zoneList()->zones();
    const auto image = [&](int zone, online::Indicator indicator) {
        return zones.data(zones.index(zone, online::indicatorColumn(indicator)), ZoneStatusModel::kImageRole).toInt();
    };
    constexpr int walked = 3; // zone 4, in partition A, walked now and then
    if (!until([&] { return image(bypassed, online::Indicator::Bypass) != 0 && image(walked, online::Indicator::ZoneOpen) != 0; },
               30000)) {
        std::fprintf(stderr, "the zones did not change\n");
        return 1;
    }
    page.zoneList()->scrollToTop();
    until([] { return false; }, 300); // let the last refresh paint
    bool saved = frame.grab().save(file);
    // The same page in a larger window: the lists take the room.
    frame.resize(900, 600);
    until([] { return false; }, 300);
    QString large = file;
    large.insert(large.lastIndexOf(u'.') < 0 ? large.size() : large.lastIndexOf(u'.'), QStringLiteral("-large"));
    saved = frame.grab().save(large) && saved;
    std::printf("%s %s and %s: zone 4 open (image %d), zone 5 bypassed (image %d)\n",
                saved ? "saved" : "could not save", qPrintable(file), qPrintable(large),
                image(walked, online::Indicator::ZoneOpen), image(bypassed, online::Indicator::Bypass));
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit()); // settings of this run only
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication application(argc, argv);
    QString shot;
    const QStringList args = QApplication::arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--shot")); i > 0 && i + 1 < args.size())
        shot = args[i + 1];
    if (const qsizetype i = args.indexOf(QStringLiteral("--sites")); i > 0 && i + 1 < args.size()) {
        QuietPrompter prompter;
        setPrompter(&prompter);
        const int status = measureFleet(std::clamp(args[i + 1].toInt(), 1, 200), application);
        setPrompter(nullptr);
        return status;
    }

    QTemporaryDir home;
    QuietPrompter prompter;
    setPrompter(&prompter);
    QStringList appArgs{QStringLiteral("qarvoip"), QStringLiteral("--home"), home.path(), QStringLiteral("--demo")};
    if (!shot.isEmpty())
        appArgs << QStringLiteral("--partitioned");
    int status = 1;
    {
        CUploadApp app(appArgs);
        if (!app.initInstance() || !app.demo()) {
            std::fprintf(stderr, "the program or its demo did not start\n");
            return 1;
        }
        status = shot.isEmpty() ? measure(app, application) : shoot(app, shot);
        CMainFrame& frame = *app.mainFrame();
        frame.session().worker.abort(true);
        until([&] { return !frame.session().worker.running(); }, 10000);
    }
    setPrompter(nullptr);
    return status;
}
