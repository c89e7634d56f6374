#include "session/PanelJob.h"

#include "base/TextIds.h"
#include "eventlog/EventLogReader.h"
#include "link/Connection.h"
#include "operations/OperationCodes.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

namespace qarvo::session {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(10);
// Openings and identifications tried before a job gives up on a lossy line.
constexpr int kLinkAttempts = 3;
// The progress display's "show with caption" sub-code: the operation has started.
constexpr int kProgressCaption = 4;

// Messages of the identification that mean the panel refused the program.
constexpr std::array kRefusals{text_id::kWrongPanelId, text_id::kWrongPcId, text_id::kUnknownPanel,
                               text_id::kNewerPanelVersion, text_id::kUnknownPanelCode};

// Failure results of the opening are string-table ids; a cancelled wait
// shows nothing.
bool hasText(int openResult)
{
    return openResult >= link::result::kNoCall && openResult <= link::result::kWrongPassword;
}

bool isWrite(int code) { return code == operations::kWriteMaster || code == operations::kWriteInstaller; }

// The notices from the index on.
std::span<const Notice> since(const std::vector<Notice>& notices, std::size_t from)
{
    return std::span(notices).subspan(std::min(from, notices.size()));
}

JobResult failed(JobOutcome outcome, JobSilence silence = JobSilence::None, int textId = 0)
{
    JobResult result;
    result.outcome = outcome;
    result.silence = silence;
    result.textId = textId;
    switch (outcome) {
    case JobOutcome::Done: result.exitStatus = exit_status::kSuccess; break;
    case JobOutcome::Failed: result.exitStatus = exit_status::kFailure; break;
    case JobOutcome::NoConnection: result.exitStatus = exit_status::kConnection; break;
    case JobOutcome::Refused: result.exitStatus = exit_status::kRefused; break;
    case JobOutcome::Cancelled: result.exitStatus = exit_status::kInterrupted; break;
    }
    return result;
}

// What an opening's result says of the job; nullopt for a result that says nothing.
std::optional<JobResult> openingFailure(int openResult)
{
    switch (openResult) {
    case link::result::kWrongPassword: return failed(JobOutcome::Refused, JobSilence::None, openResult);
    case link::result::kNoCall: return failed(JobOutcome::NoConnection, JobSilence::HelloUnanswered, openResult);
    case link::result::kNoRequest: return failed(JobOutcome::NoConnection, JobSilence::NoRequest, openResult);
    case link::result::kCommunicationError:
    case link::result::kCancelled: return failed(JobOutcome::NoConnection, JobSilence::None, openResult);
    default: return std::nullopt;
    }
}

} // namespace

void PanelJob::Tee::post(const Notice& notice)
{
    out_.post(notice);
    if (keep_)
        RecordingSink::post(notice);
}

PanelJob::PanelJob(NoticeSink& sink, JobSettings settings)
    : record_(sink, settings.keepNotices),
      settings_(std::move(settings)),
      panel_(record_, settings_.connection, settings_.timing, *settings_.clock)
{
    panel_.worker.setConnectionMode(settings_.mode);
}

PanelJob::~PanelJob() { finish(); }

bool PanelJob::cancelled() const { return cancel_ || (settings_.interrupt && *settings_.interrupt); }

void PanelJob::say(JobNotice::Kind kind, long value, long count, std::string text)
{
    record_.post(JobNotice{kind, value, count, std::move(text)});
}

JobResult PanelJob::run(std::span<const int> pageOperations)
{
    if (!connect())
        return failure();
    for (const int code : pageOperations)
        if (!transfer(code))
            return failure();
    JobResult result = finish() ? JobResult{} : failed(JobOutcome::Failed, JobSilence::None, text_id::kErrorWhileDisconnecting);
    result.mode = settings_.mode;
    result.written = written_;
    return result;
}

bool PanelJob::startSocket()
{
    std::string error;
    if (panel_.start(&error))
        return true;
    say(JobNotice::Kind::SocketFailed, 0, 0, error);
    return false;
}

bool PanelJob::open()
{
    if (!startSocket())
        return false;
    const link::ConnectionMode mode = settings_.mode;
    if (mode == link::ConnectionMode::WaitForCall)
        say(JobNotice::Kind::WaitingForCall, panel_.link.socket.localPort());
    else
        say(JobNotice::Kind::Connecting);
    const int result = panel_.link.connection.open(mode, false);
    lastOpening_ = result;
    if (result != link::result::kOpen) {
        // In direct mode nobody was to call: the communicator did not answer
        // the hello, which the result says with the time waited.
        const bool noHelloAnswer = mode == link::ConnectionMode::Direct && result == link::result::kNoCall;
        if (hasText(result) && !noHelloAnswer)
            say(JobNotice::Kind::OpenFailed, result);
        return false;
    }
    say(JobNotice::Kind::Connected);
    return true;
}

bool PanelJob::connect(const std::function<bool()>& beforePanel, const std::function<bool()>& ready,
                       const std::optional<Patience>& patience)
{
    for (int attempt = 1;; ++attempt) {
        lastAttempt_ = record_.count();
        Stage reached = Stage::Opening;
        if (connectOnce(beforePanel, ready, patience, reached))
            return true;
        if (attempt == kLinkAttempts || !lostOnTheWay(reached))
            return false;
        finish();
        say(JobNotice::Kind::Retrying, attempt + 1, kLinkAttempts);
    }
}

bool PanelJob::connectOnce(const std::function<bool()>& beforePanel, const std::function<bool()>& ready,
                           const std::optional<Patience>& patience, Stage& reached)
{
    if (!open())
        return false;
    reached = Stage::Communicator;
    if (beforePanel && !beforePanel())
        return false;
    reached = Stage::Panel;
    startOperation(operations::kNoOperation);
    return waitFor([&] { return idle() && (!ready || ready()) ? Wait::Done : Wait::Pending; }, patience);
}

// A datagram lost on the way makes an opening fail as a missing
// communicator does, and the panel's identification as a silent panel:
// worth trying again, unlike a refusal, a cancel or a call that never came
// while waiting for one.
bool PanelJob::lostOnTheWay(Stage reached) const
{
    if (interrupted_ || timedOut_ || settings_.mode == link::ConnectionMode::WaitForCall)
        return false;
    if (reached == Stage::Opening)
        return lastOpening_ == link::result::kNoCall || lastOpening_ == link::result::kCommunicationError;
    if (reached != Stage::Panel || panel_.worker.running() || panel_.worker.panelLinkUp())
        return false;
    const std::vector<Notice> notices = record_.notices();
    return std::ranges::any_of(since(notices, lastAttempt_), [](const Notice& notice) {
        const auto* message = std::get_if<MessageNotice>(&notice);
        return message && message->textId == text_id::kPanelDoesntAnswer;
    });
}

bool PanelJob::idle() const
{
    const operations::OperationWorker& worker = panel_.worker;
    return worker.panelLinkUp() && worker.currentCode() == operations::kIdlePoll && !worker.operationActive();
}

bool PanelJob::waitFor(const std::function<Wait()>& state, const std::optional<Patience>& patience)
{
    const auto progress = [&]() -> std::uint64_t { return patience && patience->progress ? patience->progress() : 0; };
    std::uint64_t lastProgress = progress();
    auto deadline = std::chrono::steady_clock::now() + (patience ? patience->limit : Millis(0));
    for (;;) {
        const Wait now = state();
        if (now != Wait::Pending)
            return now == Wait::Done;
        if (!panel_.worker.running())
            return state() == Wait::Done; // it may have got there as the worker ended
        if (cancelled()) {
            interrupted_ = true;
            return false;
        }
        if (patience) {
            if (const std::uint64_t moved = progress(); moved != lastProgress) {
                lastProgress = moved;
                deadline = std::chrono::steady_clock::now() + patience->limit;
            } else if (std::chrono::steady_clock::now() > deadline) {
                cancelStep();
                say(JobNotice::Kind::TimedOut, static_cast<long>(patience->limit.count()), 0, std::string(patience->what));
                timedOut_ = true;
                return false;
            }
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

bool PanelJob::readWholeEventLog()
{
    const std::size_t from = record_.count();
    panel_.eventLogReader().setOptions({.markAsRead = false, .allEvents = true});
    if (!startOperation(operations::kReadEventLog))
        return false;
    return waitFor([&] {
        const bool ended = record_.anyFrom(from, eventlog::endsReading);
        return ended && idle() ? Wait::Done : Wait::Pending;
    });
}

bool PanelJob::transfer(int code)
{
    std::size_t next = record_.count();
    bool started = false;
    bool completed = false;
    if (!startOperation(code))
        return false;
    const bool done = waitFor([&] {
        const std::vector<Notice> notices = record_.noticesFrom(next);
        next += notices.size();
        for (const Notice& notice : notices) {
            const auto* progress = std::get_if<ProgressNotice>(&notice);
            started = started || (progress && progress->subCode == kProgressCaption);
            completed = completed || std::holds_alternative<ImageChangedNotice>(notice);
        }
        if (!idle())
            return Wait::Pending;
        if (completed)
            return Wait::Done;
        // Back in the idle poll without its end: cancelled, or ended by
        // the panel's alarm report.
        return started ? Wait::Failed : Wait::Pending;
    });
    if (done && isWrite(code))
        written_.push_back(code);
    return done;
}

// Drops the running operation when its current step is answered and waits
// for the idle poll, from which the link ends as usual.
void PanelJob::stopAtStepBoundary()
{
    operations::OperationWorker& worker = panel_.worker;
    cancelStep();
    const auto deadline = std::chrono::steady_clock::now() + settings_.timing.workerReply;
    while (worker.running() && !idle() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(kPollInterval);
}

bool PanelJob::finish()
{
    panel_.tavi.poll().stop();
    if (!panel_.worker.running() && !panel_.link.connection.isOpen())
        return true;
    say(JobNotice::Kind::Disconnecting);
    // Ends the panel link with its end-of-link request, then closes.
    if (panel_.worker.abort(true) != link::result::kClosed) {
        say(JobNotice::Kind::DisconnectFailed);
        return false;
    }
    say(JobNotice::Kind::Disconnected);
    return true;
}

void PanelJob::startConnect(link::ConnectionMode mode)
{
    settings_.mode = mode;
    panel_.worker.setConnectionMode(mode);
    startOperation(operations::kNoOperation);
}

bool PanelJob::startOperation(int code) { return panel_.worker.startPageOperation(code); }

void PanelJob::startCommand(int code, int argument) { panel_.worker.startOnlineOperation(code, argument); }

void PanelJob::cancelStep() { panel_.worker.cancelOperation(); }

int PanelJob::stop() { return panel_.worker.abort(false); }

void PanelJob::disconnect()
{
    operations::OperationWorker& worker = panel_.worker;
    if (worker.panelLinkUp()) {
        worker.abort(false);
        worker.waitStopped(settings_.timing.closeWaitWorker);
    }
    worker.abort(true);
}

JobResult PanelJob::failure()
{
    if (interrupted_)
        stopAtStepBoundary();
    finish();
    JobResult result = judge();
    result.written = written_;
    return result;
}

// What the last attempt's notices say: a refusal of the identification
// codes or the password, an opening that failed, a silent panel or
// communicator; otherwise a plain failure.
JobResult PanelJob::judge() const
{
    if (interrupted_)
        return failed(JobOutcome::Cancelled);
    if (timedOut_)
        return failed(JobOutcome::NoConnection, JobSilence::Patience);
    bool panelSilent = false;
    auto mode = link::ConnectionMode::Direct;
    const std::vector<Notice> notices = record_.notices();
    for (const Notice& notice : since(notices, lastAttempt_)) {
        if (const auto* message = std::get_if<MessageNotice>(&notice)) {
            if (std::ranges::find(kRefusals, message->textId) != kRefusals.end())
                return failed(JobOutcome::Refused, JobSilence::None, message->textId);
            panelSilent = panelSilent || message->textId == text_id::kPanelDoesntAnswer;
        }
        const auto* communicator = std::get_if<CommunicatorNotice>(&notice);
        if (communicator && communicator->kind == CommunicatorNotice::Kind::OpeningStarted)
            mode = static_cast<link::ConnectionMode>(communicator->value);
        if (!communicator || communicator->kind != CommunicatorNotice::Kind::OpenResult)
            continue;
        if (auto result = openingFailure(static_cast<int>(communicator->value))) {
            result->mode = mode;
            return *result;
        }
    }
    if (panelSilent)
        return failed(JobOutcome::NoConnection, JobSilence::PanelSilent, text_id::kPanelDoesntAnswer);
    if (panel_.worker.receiverTimedOut())
        return failed(JobOutcome::NoConnection, JobSilence::ReceiverSilent);
    return failed(JobOutcome::Failed);
}

} // namespace qarvo::session
