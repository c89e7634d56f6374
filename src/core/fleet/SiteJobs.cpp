#include "fleet/SiteJobs.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "communicator/TaviOptions.h"
#include "eventlog/EventRecord.h"
#include "fleet/SiteRecord.h"
#include "online/StatusWatch.h"
#include "operations/OperationCodes.h"
#include "panel/PanelModels.h"
#include "session/JobTexts.h"
#include "session/PanelJob.h"
#include "sites/SiteConnection.h"
#include "sites/SitePasswords.h"

#include <algorithm>
#include <atomic>

namespace qarvo::fleet {

namespace {

namespace exit_status = session::exit_status;
using Wait = session::PanelJob::Wait;

// The steps a failure names when nothing else said why.
constexpr std::string_view kConnecting = "connecting to the panel";
constexpr std::string_view kReadingEvents = "reading the event log";

// How an attempt ended: its exit status and, unless it succeeded, why.
struct Ended {
    int status = exit_status::kSuccess;
    std::string message;
};

// A wait of the job's own that ran out, as its notice said it.
std::string patienceText(const session::PanelJob& job)
{
    const auto notices = job.notices().all<JobNotice>();
    const auto timedOut = std::find_if(notices.rbegin(), notices.rend(),
                                       [](const JobNotice& n) { return n.kind == JobNotice::Kind::TimedOut; });
    return timedOut == notices.rend() ? std::string()
                                      : session::timedOutText(*timedOut);
}

// A failed job in the user's words: what timed out, else the message that
// said why, else the step the link ended in.
Ended failureOf(session::PanelJob& job, const Timing& timing, std::string_view step)
{
    const session::JobResult result = job.failure();
    std::string why;
    if (result.outcome == session::JobOutcome::Cancelled)
        why = session::kInterruptedText;
    else if (why = session::silenceText(result, timing); why.empty())
        why = result.silence == session::JobSilence::Patience ? patienceText(job) : std::string();
    if (why.empty() && result.textId != 0)
        why = strings::utf8(result.textId);
    if (why.empty())
        why = "the panel link ended while " + std::string(step);
    return {result.exitStatus, why};
}

// One attempt's panel job and the site's record of it.
class SiteAttempt {
public:
    SiteAttempt(SiteRecord& record, const session::JobSettings& settings)
        : record_(record), timing_(settings.timing), job_(sink_, settings)
    {
    }

    Ended backup()
    {
        newDocument();
        if (!job_.connect([this] { return readTaviOptions(); }))
            return failureWithOptions();
        for (const auto& [page, step] : {std::pair{operations::kReadInstaller, "reading the installer page"},
                                         std::pair{operations::kReadMaster, "reading the master page"}})
            if (!job_.transfer(page))
                return failure(step);
        if (!job_.readWholeEventLog())
            return failure(kReadingEvents);
        job_.finish();
        return keepBackup();
    }

    Ended events()
    {
        eventlog::EventLogReader& reader = job_.panel().eventLogReader();
        reader.setOptions({});
        // The records read are kept before the panel would mark its log.
        reader.setBeforeMark([this] { return keepEvents().empty(); });
        if (!job_.open())
            return failure(kConnecting);
        eventsFrom_ = job_.notices().count();
        job_.startOperation(operations::kReadEventLog);
        // A panel that keeps answering without the reading moving on is
        // given up after twice the worker's reply time.
        const auto ended = [this] {
            return job_.notices().anyFrom(eventsFrom_, eventlog::endsReading) ? Wait::Done : Wait::Pending;
        };
        const auto progress = [&reader] {
            return std::uint64_t(reader.eventCount()) << 32 | std::uint32_t(reader.eventIndex());
        };
        const bool read = job_.waitFor(
            ended, session::PanelJob::Patience{2 * timing_.workerReply, "the reading made no progress for", progress});
        if (!read)
            return failure(kReadingEvents);
        const bool closed = job_.finish();
        if (std::string why = keepEvents(); !why.empty())
            return {exit_status::kFailure, why};
        return {closed ? exit_status::kSuccess : exit_status::kFailure, closed ? "" : "the connection did not close"};
    }

    Ended status()
    {
        session::PanelSession& panel = job_.panel();
        online::StatusWatch watch(
            online::OnlineModel::Sources{
                [&panel] {
                    return operations::StatusCounts{panel.doc.identity().zoneCount, panel.doc.identity().pgmCount};
                },
                [&panel] { return panel.worker.panelClock(); },
                {}},
            job_.notices());
        const bool connected = job_.connect(
            {},
            [&] {
                watch.update();
                return watch.complete();
            },
            session::PanelJob::Patience{2 * timing_.workerReply, "the panel did not report its whole status within"});
        if (!connected)
            return failure("reading the status");
        const std::string why = record_.keepStatus(statusSnapshotOf(watch.model()));
        job_.finish();
        return {why.empty() ? exit_status::kSuccess : exit_status::kFailure, why};
    }

private:
    Ended failure(std::string_view step) { return failureOf(job_, timing_, step); }

    // The events the reading brought so far; the panel's note that it
    // marked its log is no event.
    std::vector<eventlog::EventRecord> eventsRead() const
    {
        std::vector<eventlog::EventRecord> records;
        for (const Notice& notice : job_.notices().noticesFrom(eventsFrom_))
            if (const auto* read = std::get_if<EventRecordNotice>(&notice);
                read && !eventlog::isMarkedAsReadRecord(read->code, read->word))
                records.push_back(eventlog::eventRecordOf(*read));
        return records;
    }

    // A new document of the default model, with the communicator's
    // built-in options; the panel's model check sets the model.
    void newDocument() { session::makeNewDocument(job_.doc(), panel::kDefaultTypeCode); }

    bool readTaviOptions()
    {
        if (job_.panel().tavi.readOptions() != text_id::kDownloadingSuccessfully) {
            optionsUnread_ = true;
            return false;
        }
        const auto held = job_.doc().lock();
        job_.doc().setTaviOptions(job_.panel().tavi.record().bytes);
        return true;
    }

    Ended keepBackup()
    {
        const std::filesystem::path file = record_.incomingDocument();
        if (std::string why = job_.doc().save(file); !why.empty())
            return {exit_status::kFailure, why};
        std::string why;
        if (!record_.keepBackup(file, job_.doc(), session::modelName(job_.identity().typeCode), why))
            return {exit_status::kFailure, why};
        return {};
    }

    std::string keepEvents() { return record_.keepEvents(eventsRead()); }

    Ended failureWithOptions()
    {
        Ended ended = failure(kConnecting);
        if (optionsUnread_ && ended.message.empty())
            ended.message = "the communicator options could not be read";
        return ended;
    }

    SiteRecord& record_;
    Timing timing_;
    NullSink sink_;
    std::size_t eventsFrom_ = 0; // the job's first notice of the event log reading
    bool optionsUnread_ = false;
    session::PanelJob job_;
};

Ended runSteps(SiteJob job, SiteAttempt& attempt)
{
    switch (job) {
    case SiteJob::Backup: return attempt.backup();
    case SiteJob::Events: return attempt.events();
    case SiteJob::Status: return attempt.status();
    }
    return {exit_status::kFailure, "no such job"};
}

// The settings of the site's panel job; nullopt and why nothing was sent.
std::optional<session::JobSettings> jobSettings(SiteRecord& record, const SiteJobSettings& settings,
                                                const std::atomic<bool>& interrupt, std::string& why)
{
    const sites::Site& site = record.site();
    const auto password = sites::passwordOf(record.book(), site, why);
    if (!why.empty()) {
        why = "the password of site '" + site.name + "': " + why + "; nothing was sent.";
        return std::nullopt;
    }
    const auto connection = sites::connectionOf(site, password.value_or(settings.base.password), settings.base, why);
    if (!connection) {
        why += "; nothing was sent.";
        return std::nullopt;
    }
    return session::JobSettings{connection->settings, connection->mode, settings.timing, settings.clock, &interrupt};
}

} // namespace

const SiteJobInfo& siteJobInfo(SiteJob job)
{
    return *std::ranges::find(kSiteJobs, job, &SiteJobInfo::job);
}

Attempt runSiteJob(SiteJob job, const std::string& site, const SiteJobSettings& settings, std::stop_token stop)
{
    std::string why;
    const auto record = SiteRecord::open(settings.book, site, why);
    std::atomic<bool> interrupt{false};
    const auto jobSettingsOfSite = record ? jobSettings(*record, settings, interrupt, why) : std::nullopt;
    if (!jobSettingsOfSite)
        return attemptOf(exit_status::kFailure, why);
    if (why = record->start(std::string(siteJobInfo(job).runKind)); !why.empty())
        return attemptOf(exit_status::kFailure, why + "; nothing was sent.");
    Ended ended;
    {
        SiteAttempt attempt(*record, *jobSettingsOfSite);
        std::stop_callback onStop(stop, [&] { interrupt = true; });
        ended = runSteps(job, attempt);
    }
    if (const std::string problem = record->finish(ended.status); !problem.empty())
        ended.message = problem + " The run stays marked as running in the book.";
    return attemptOf(ended.status, ended.message);
}

} // namespace qarvo::fleet
