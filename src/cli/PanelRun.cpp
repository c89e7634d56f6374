#include "cli/PanelRun.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "cli/Demo.h"
#include "cli/ExitStatus.h"
#include "operations/OperationCodes.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace qarvo::cli {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(10);
// Openings and identifications tried before a run gives up on a lossy line.
constexpr int kLinkAttempts = 3;

// Failure results of the opening are string-table ids; a cancelled wait
// shows nothing.
bool hasText(int openResult)
{
    return openResult >= link::result::kNoCall && openResult <= link::result::kWrongPassword;
}

} // namespace

PanelRun::PanelRun(Session& session, ConnectionLines lines)
    : session_(session),
      lines_(lines),
      sink_(session.env.err, sinkStyle(session)),
      panel_(sink_, session.settings, session.env.timing, *session.env.clock)
{
    panel_.worker.setConnectionMode(session.commandLine.options.mode);
    // The run closes the connection itself right after the panel link:
    // the hint to disconnect the communicator has nothing to ask.
    sink_.hideMessage(text_id::kTaviStillConnected);
}

PanelRun::~PanelRun() { finish(); }

bool PanelRun::startSocket()
{
    std::string error;
    if (panel_.start(&error))
        return true;
    sink_.printLine(strings::utf8(text_id::kSocketCannotBeInitialized) + (error.empty() ? "" : ": " + error));
    return false;
}

void PanelRun::printConnection(int textId)
{
    if (lines_ == ConnectionLines::OnOutput)
        session_.env.out << strings::utf8(textId) << std::endl;
    else
        sink_.printNote(strings::utf8(textId));
}

bool PanelRun::open()
{
    if (!startSocket())
        return false;
    const link::ConnectionMode mode = session_.commandLine.options.mode;
    if (mode == link::ConnectionMode::WaitForCall) {
        const std::uint16_t port = panel_.link.socket.localPort();
        sink_.printNote("Waiting for the communicator's call on UDP port " + std::to_string(port) + "...");
        if (session_.demo)
            session_.demo->callProgramLater(port);
    } else {
        sink_.printNote(strings::utf8(text_id::kConnecting));
    }
    const int result = panel_.link.connection.open(mode, false);
    lastOpening_ = result;
    if (result != link::result::kOpen) {
        // In direct mode nobody was to call: the communicator did not answer
        // the hello, which failure() says with the time waited.
        const bool noHelloAnswer = mode == link::ConnectionMode::Direct && result == link::result::kNoCall;
        if (hasText(result) && !noHelloAnswer)
            sink_.printLine(strings::utf8(result));
        return false;
    }
    if (lines_ == ConnectionLines::OnOutput)
        printConnection(text_id::kConnected);
    return true;
}

bool PanelRun::connect(const std::function<bool()>& beforePanel, const std::function<bool()>& ready,
                       const std::optional<Patience>& patience)
{
    for (int attempt = 1;; ++attempt) {
        const std::size_t noticesBefore = sink_.notices().size();
        lastAttempt_ = noticesBefore;
        Stage reached = Stage::Opening;
        if (connectOnce(beforePanel, ready, patience, reached))
            return true;
        if (attempt == kLinkAttempts || !lostOnTheWay(reached, noticesBefore))
            return false;
        finish();
        sink_.printNote("The link did not come up; trying again (" + std::to_string(attempt + 1) + " of " +
                        std::to_string(kLinkAttempts) + ").");
    }
}

bool PanelRun::connectOnce(const std::function<bool()>& beforePanel, const std::function<bool()>& ready,
                           const std::optional<Patience>& patience, Stage& reached)
{
    if (!open())
        return false;
    reached = Stage::Communicator;
    if (beforePanel && !beforePanel())
        return false;
    reached = Stage::Panel;
    panel_.worker.startPageOperation(operations::kNoOperation);
    return waitFor([&] { return idle() && (!ready || ready()) ? Wait::Done : Wait::Pending; }, patience);
}

// A datagram lost on the way makes an opening fail as a missing
// communicator does, and the panel's identification as a silent panel:
// worth trying again, unlike a refusal, the user's Ctrl-C or a call that
// never came while waiting for one.
bool PanelRun::lostOnTheWay(Stage reached, std::size_t noticesBefore) const
{
    if (interrupted_ || timedOut_ || session_.commandLine.options.mode == link::ConnectionMode::WaitForCall)
        return false;
    if (reached == Stage::Opening)
        return lastOpening_ == link::result::kNoCall || lastOpening_ == link::result::kCommunicationError;
    if (reached != Stage::Panel || panel_.worker.running() || panel_.worker.panelLinkUp())
        return false;
    const std::vector<Notice> notices = sink_.notices();
    return std::any_of(notices.begin() + static_cast<std::ptrdiff_t>(std::min(noticesBefore, notices.size())),
                       notices.end(), [](const Notice& notice) {
                           const auto* message = std::get_if<MessageNotice>(&notice);
                           return message && message->textId == text_id::kPanelDoesntAnswer;
                       });
}

bool PanelRun::idle() const
{
    const operations::OperationWorker& worker = panel_.worker;
    return worker.panelLinkUp() && worker.currentCode() == operations::kIdlePoll && !worker.operationActive();
}

bool PanelRun::waitFor(const std::function<Wait()>& state, const std::optional<Patience>& patience)
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
        if (interrupted(session_)) {
            interrupted_ = true;
            return false;
        }
        if (patience) {
            if (const std::uint64_t moved = progress(); moved != lastProgress) {
                lastProgress = moved;
                deadline = std::chrono::steady_clock::now() + patience->limit;
            } else if (std::chrono::steady_clock::now() > deadline) {
                panel_.worker.cancelOperation();
                sink_.printLine("Timed out: " + std::string(patience->what) + " " + durationText(patience->limit) + ".");
                timedOut_ = true;
                return false;
            }
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

// Drops the running operation when its current step is answered and waits
// for the idle poll, from which the link ends as usual.
void PanelRun::stopAtStepBoundary()
{
    operations::OperationWorker& worker = panel_.worker;
    worker.cancelOperation();
    const auto deadline = std::chrono::steady_clock::now() + session_.env.timing.workerReply;
    while (worker.running() && !idle() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(kPollInterval);
}

bool PanelRun::finish()
{
    panel_.tavi.poll().stop();
    if (!panel_.worker.running() && !panel_.link.connection.isOpen())
        return true;
    sink_.printNote(strings::utf8(text_id::kDisconnecting));
    // Ends the panel link with its end-of-link request, then closes.
    if (panel_.worker.abort(true) != link::result::kClosed) {
        sink_.printLine(strings::utf8(text_id::kErrorWhileDisconnecting));
        return false;
    }
    printConnection(text_id::kDisconnected);
    return true;
}

int PanelRun::failure()
{
    if (interrupted_)
        stopAtStepBoundary();
    finish();
    int status = kExitInterrupted;
    if (interrupted_)
        session_.env.err << kProgramName << ": interrupted: the link was ended." << std::endl;
    else if (timedOut_)
        status = kExitConnection;
    else
        status = failureStatus(sink_, session_.env.timing, session_.env.err, panel_.worker.receiverTimedOut(),
                               lastAttempt_);
    if (const std::string left = afterFailure(); !left.empty())
        session_.env.err << kProgramName << ": " << left << std::endl;
    return status;
}

} // namespace qarvo::cli
