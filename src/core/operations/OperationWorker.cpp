#include "operations/OperationWorker.h"

#include "base/TextIds.h"
#include "operations/StatusDecoder.h"

#include <algorithm>
#include <thread>

namespace qarvo::operations {

using link::panel_code::kCommunicatorClose;
using link::panel_code::kNotice;
using link::notice::kAlarmReport;
using link::notice::kAlarmReportEnd;
namespace fixed_message = link::fixed_message;

namespace {

// Progress captions by operation code: the text, and the partition A/B
// texts used when the panel works with two partitions.
struct Caption {
    int plain = 0;
    int partitionA = 0;
    int partitionB = 0;
    bool zoneNumber = false;
    bool writing = false;
};

constexpr std::array<Caption, kOperationCodeCount> kCaptions = [] {
    std::array<Caption, kOperationCodeCount> c{};
    c[kReadInstaller] = {5053};
    c[kWriteInstaller] = {5054, 0, 0, false, true};
    c[kReadMaster] = {5051};
    c[kWriteMaster] = {5052, 0, 0, false, true};
    c[kArm] = {5043, 5044, 5045};
    c[kStopAutoarm] = {5092, 5093, 5094};
    c[kDisarm] = {5046, 5047, 5048};
    c[kSetClock] = {5040};
    c[kToggleChime] = {5042};
    c[kBypass] = {5049, 0, 0, true};
    c[kUnbypass] = {5050, 0, 0, true};
    c[kChangePgm] = {5041};
    return c;
}();

constexpr std::uint8_t kFirstPacketCommand = link::kCommandPanelFirst;
constexpr std::uint8_t kLaterPacketCommand = link::kCommandPanel;

} // namespace

OperationWorker::OperationWorker(link::Link& link, panel::PanelIdentity& identity, Hooks hooks)
    : link_(link),
      identity_(identity),
      hooks_(std::move(hooks)),
      identification_(link.sink, identity,
                       Identification::Hooks{
                           [this](bool establish) {
                               if (establish)
                                   link_.socket.panelLinkUp = true;
                               enterIdle();
                               takeOverPending();
                           },
                           [this] {
                               zoneCount_ = identity_.zoneCount;
                               pgmCount_ = identity_.pgmCount;
                               // The owner takes the values first, so whoever the report
                               // reaches finds them in the document.
                               if (hooks_.panelIdentified)
                                   hooks_.panelIdentified();
                               link_.sink.post(ReportNotice{report_kind::kPanelIdentified, {}, identity_.typeCode});
                           }})
{
}

OperationWorker::~OperationWorker()
{
    if (running_) {
        link_.socket.workerStopEvent.set();
        waitStopped(Millis(5000));
    }
    std::lock_guard lock(threadMutex_);
    if (worker_.joinable())
        worker_.join();
    if (reconnectDelay_.joinable()) {
        reconnectDelay_.request_stop();
        reconnectDelay_.join();
    }
}

void OperationWorker::setStep(int code, OperationStep* step)
{
    if (code >= 0 && code < kOperationCodeCount)
        steps_[static_cast<std::size_t>(code)] = step;
}

int OperationWorker::currentCode() const
{
    std::lock_guard lock(lock_);
    return current_;
}

int OperationWorker::pendingCode() const
{
    std::lock_guard lock(lock_);
    return pending_;
}

void OperationWorker::setCodeLocked(int code)
{
    std::lock_guard lock(lock_);
    current_ = code;
}

void OperationWorker::setOperation(int code)
{
    std::lock_guard lock(lock_);
    if (current_ == kNoOperation || current_ == kIdlePoll) {
        current_ = code;
        showCaption_ = true;
        if (code >= 0 && code < kOperationCodeCount && steps_[static_cast<std::size_t>(code)])
            steps_[static_cast<std::size_t>(code)]->begin();
    } else if (current_ == kIdentify) {
        pending_ = code;
    }
}

void OperationWorker::takeOverPending()
{
    int pending;
    {
        std::lock_guard lock(lock_);
        pending = pending_;
        pending_ = kNoOperation;
    }
    if (pending > kIdlePoll)
        setOperation(pending);
}

bool OperationWorker::startPageOperation(int code)
{
    if (hooks_.gatherPages && !hooks_.gatherPages(code))
        return false;
    link_.commands.pageOperationStarts();
    link_.sink.post(ReportNotice{report_kind::kOperationStarting, {}, code});
    {
        std::lock_guard lock(threadMutex_);
        if (!running_) {
            if (worker_.joinable())
                worker_.join();
            running_ = true;
            {
                std::lock_guard codes(lock_);
                current_ = kNoOperation;
                pending_ = kNoOperation;
            }
            workerStopped_.reset();
            worker_ = std::jthread([this] { workerMain(); });
        }
    }
    setOperation(code);
    link_.sink.post(RefreshNotice{});
    return true;
}

void OperationWorker::startOnlineOperation(int code, int argument)
{
    argument_ = argument;
    link_.sink.post(ReportNotice{report_kind::kOperationStarting, {}, code});
    setOperation(code);
}

int OperationWorker::abort(bool communicatorPageShown)
{
    link_.commands.set(Command::Abort, false);
    link_.sink.post(RefreshNotice{});
    if (panelLinkUp() && !communicatorPageShown) {
        abortRequest_ = true;
        return link::result::kClosed;
    }
    // Disconnect the communicator: stop a worker that is still connecting
    // or identifying, end a wait for a call, then close.
    disconnecting_ = true;
    if (link_.connection.waitingForCall())
        link_.connection.cancelWait();
    link_.socket.workerStopEvent.set();
    if (running_)
        waitStopped(link_.timing.closeWaitWorker);
    int result = link::result::kClosed;
    if (link_.connection.isOpen())
        result = link_.connection.close([this](Millis timeout) { waitStopped(timeout); });
    disconnecting_ = false;
    return result;
}

void OperationWorker::cancelOperation() { link_.socket.workerStopEvent.set(); }

bool OperationWorker::breakOperation(int code)
{
    std::lock_guard lock(lock_);
    if (current_ != code || code <= kIdlePoll)
        return false;
    current_ = kIdlePoll;
    return true;
}

bool OperationWorker::waitStopped(Millis timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (running_) {
        if (workerStopped_.wait(Millis(20)))
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
    }
    return true;
}

void OperationWorker::enterIdle()
{
    if (!panelLinkUp() && currentCode() != kIdentify)
        return;
    operationActive_ = false;
    step_ = 1;
    setCodeLocked(kIdlePoll);
    link_.sink.post(StatusNotice{Pane::Connection, text_id::kConnected});
    link_.sink.post(ProgressNotice{3, 0, 0, {}});
    link_.commands.enterIdle();
    link_.sink.post(RefreshNotice{});
}

void OperationWorker::postCaption(int code)
{
    const Caption& c = kCaptions[static_cast<std::size_t>(code)];
    int text = c.plain;
    if (partitioned_ && c.partitionA)
        text = argument_ == kPartitionA ? c.partitionA : c.partitionB;
    std::optional<long> number;
    if (c.zoneNumber)
        number = argument_ + 1;
    link_.sink.post(ProgressNotice{4, 0, text, number});
    link_.sink.post(ProgressNotice{1, c.writing ? 1 : 0, text_id::kCompleted, {}});
}

void OperationWorker::openProgress(std::uint8_t& step, std::uint8_t& percent)
{
    if (!showCaption_.exchange(false))
        return;
    operationActive_ = true;
    step = 1;
    const int code = currentCode();
    if (code >= 0 && code < kOperationCodeCount && kCaptions[static_cast<std::size_t>(code)].plain)
        postCaption(code);
    percent = 0;
}

// ---------------------------------------------------------------- worker

void OperationWorker::workerMain()
{
    if (startSession())
        loop();
    workerEnd();
}

bool OperationWorker::startSession()
{
    step_ = 0;
    endOfLink_ = false;
    alarmMode_ = false;
    percent_ = 0;
    abortRequest_ = false;
    readEndsLink_ = false;
    receiverRunning_ = false;
    {
        std::lock_guard lock(lock_);
        queue_.clear();
        stream_.clear();
    }
    link_.commands.workerStart();
    link_.sink.post(RefreshNotice{});
    link_.socket.panelDataEvent.reset();
    link_.socket.workerStopEvent.reset();
    stopReceiver_.reset();
    messageReady_.reset();

    if (!link_.connection.isOpen()) {
        link_.sink.post(StatusNotice{Pane::Connection, text_id::kConnecting});
        if (link_.connection.open(mode_, true) != link::result::kOpen)
            return false;
        if (poll_ && !poll_->waitStarted(link_.timing.pollStarted))
            return false;
    }
    link_.sink.post(StatusNotice{Pane::Connection, text_id::kConnecting});
    link_.socket.panelDataEvent.reset();
    workerStopped_.reset();
    receiverRunning_ = true;
    receiverTimedOut_ = false;
    receiver_ = std::jthread([this] { receiverMain(); });

    {
        std::lock_guard lock(lock_);
        const int requested = current_;
        current_ = kIdentify;
        pending_ = requested > kIdlePoll ? requested : kNoOperation;
    }
    step_ = 1;
    noAnswer_ = 0;
    identification_.startSession(link_.settings.effectivePanelId(), link_.settings.effectivePcId(),
                                 alternativeEnding_);
    if (poll_)
        poll_->suspend();
    std::this_thread::sleep_for(link_.timing.workerStartPause);

    link::Datagram& header = link_.socket.panelHeader;
    header.setKind(link::kConnectionTraffic);
    header.setCommand(kFirstPacketCommand);
    header.setSourceNode(link::kProgramNode);
    header.setFlags(static_cast<std::uint8_t>(link::flags::kFromProgram |
                                              (link_.socket.key() ? link::flags::kEnciphered : 0)));
    header.setDestinationNode(link_.connection.communicatorNode());
    header.setSequence(0);
    header.setConnection(0);
    link_.socket.newPanelSession();

    link::buildMessage(out_, {link::panel_code::kIdentify, 0x00, 0x00, link::kIdentifyTrailer});
    send();
    // The first-packet command marks only the packet that opens the panel
    // session; whatever comes next, a reply already queued included, goes
    // out as a later packet.
    header.setCommand(kLaterPacketCommand);
    return true;
}

void OperationWorker::loop()
{
    CCommBuff message;
    for (;;) {
        Flow flow;
        if (link_.socket.workerStopEvent.wait(Millis(0))) {
            flow = handleStop();
        } else {
            bool haveMessage;
            {
                std::lock_guard lock(lock_);
                haveMessage = !queue_.empty();
            }
            if (!haveMessage) {
                const auto woke = AutoResetEvent::waitAny(messageReady_, link_.socket.workerStopEvent,
                                                          link_.timing.workerReply);
                if (woke == AutoResetEvent::WaitResult::Timeout) {
                    link_.sink.post(MessageNotice{text_id::kPanelDoesntAnswer, {}});
                    return;
                }
                if (woke == AutoResetEvent::WaitResult::Second) {
                    flow = handleStop();
                    if (flow == Flow::End)
                        return;
                    continue;
                }
            }
            {
                // The ready event may still be set for a message that was
                // already taken; answering an empty message would put a
                // second request on the line, so wait again instead.
                std::lock_guard lock(lock_);
                if (queue_.empty())
                    continue;
                message = queue_.front();
                queue_.pop_front();
            }
            flow = handleMessage(message);
        }
        if (flow == Flow::End)
            return;
        if (flow == Flow::Send)
            send();
    }
}

OperationWorker::Flow OperationWorker::handleStop()
{
    const int code = currentCode();
    if (code == kIdentify || code == kNoOperation || !link_.connection.isOpen())
        return Flow::End;
    step_ = 1;
    if (code == kIdlePoll) {
        endOfLink_ = true;
        return Flow::Next;
    }
    // A user operation was cancelled: back to the idle poll.
    setCodeLocked(kIdlePoll);
    link_.commands.enterIdle();
    link_.sink.post(RefreshNotice{});
    return Flow::Next;
}

OperationWorker::Flow OperationWorker::handleMessage(const CCommBuff& message)
{
    // The panel confirms the end of the link, or the communicator closes it.
    if (message.startsWith(fixed_message::kEndOfLink) || message.code() == kCommunicatorClose) {
        endOfLink_ = false;
        return Flow::End;
    }
    const bool alarmReport = message.startsWith({kNotice, kAlarmReport});
    const bool alarmEnd = message.startsWith({kNotice, kAlarmReportEnd});
    if (alarmMode_) {
        if (!alarmEnd) {
            link::buildMessage(out_, {kNotice, kAlarmReport});
            return Flow::Send;
        }
        alarmMode_ = false;
        const int code = currentCode();
        if (code == kReadInstaller || code == kReadMaster)
            readEndsLink_ = true;
        else
            link_.socket.workerStopEvent.set();
        link_.sink.post(MessageNotice{text_id::kAlarmCondition, {}});
    } else if (alarmReport) {
        alarmMode_ = true;
        endOfLink_ = true;
        link::buildMessage(out_, {kNotice, kAlarmReport});
        return Flow::Send;
    } else if (endOfLink_) {
        link_.sink.post(StatusNotice{Pane::Connection, text_id::kDisconnecting});
        return endOfLinkRequest();
    } else if (message.startsWith({kNotice, identity_.typeCode}) && currentCode() != kIdentify) {
        bool queued;
        {
            std::lock_guard lock(lock_);
            queued = !queue_.empty();
        }
        if (currentCode() > kIdlePoll && queued)
            return Flow::Next;
        if (++noAnswer_ <= kNoAnswerTolerated)
            return Flow::Send; // the last built message again
        endOfLink_ = true;
        return endOfLinkRequest();
    }
    noAnswer_ = 0;
    const int code = currentCode();
    if (code == kNoOperation || code == kIdlePoll) {
        const Flow idle = handleIdle(message);
        if (idle != Flow::Next)
            return idle;
    }
    return dispatch(message);
}

// The idle exchange: decode status messages, answer everything else with
// the status poll (an idle panel owes no particular answer to a transfer
// end, so repeating the last message would repeat that forever).
OperationWorker::Flow OperationWorker::handleIdle(const CCommBuff& message)
{
    answerStatus(message);
    if (abortRequest_) {
        abortRequest_ = false;
        endOfLink_ = true;
        std::this_thread::sleep_for(link_.timing.abortPause);
        step_ = 1;
        return endOfLinkRequest();
    }
    if (!operationActive_) {
        std::this_thread::sleep_for(link_.timing.idlePollPause);
        return Flow::Send;
    }
    return Flow::Next;
}

// Decodes a status message into the page reports and the next poll; any
// other message is answered with the zone status poll.
void OperationWorker::answerStatus(const CCommBuff& message)
{
    CCommBuff status = message;
    const StatusCounts counts{zoneCount_, pgmCount_};
    if (const auto trailer = splitCommunicatorBytes(status, counts)) {
        link_.sink.post(CommunicatorNotice{CommunicatorNotice::Kind::LinkState, 0, {trailer->state, trailer->signal}});
        if (const auto decoded = decodeStatus(status, counts, out_)) {
            partitioned_ = decoded->partitioned;
            if (decoded->panelClock)
                panelClock_ = *decoded->panelClock;
            for (const ReportNotice& report : decoded->reports)
                link_.sink.post(report);
            return;
        }
    }
    link::buildMessage(out_, fixed_message::kStatusPoll);
}

OperationWorker::Flow OperationWorker::dispatch(const CCommBuff& message)
{
    const int code = currentCode();
    if (code == kIdentify) {
        bool done = false;
        identification_.run(message, out_, step_, done, endOfLink_);
        return done ? Flow::End : Flow::Send;
    }
    if (code > kIdentify && code < kOperationCodeCount) {
        OperationStep* step = steps_[static_cast<std::size_t>(code)];
        openProgress(step_, percent_);
        if (!step) {
            enterIdle();
            link::buildMessage(out_, fixed_message::kStatusPoll);
            return Flow::Send;
        }
        StepIo io{message, out_, step_, percent_};
        step->run(io);
        if (code == kToggleChime) {
            // The chime's formula passes 100 on the step that waits for the
            // write's echo; the display never shows more than complete.
            const long progress = currentCode() == kToggleChime ? std::min(100L, (step_ * 100L - 100) / 2) : 100;
            link_.sink.post(ProgressNotice{2, progress, 0, {}});
        } else if (code != kReadEventLog) {
            link_.sink.post(ProgressNotice{2, percent_, 0, {}});
        }
        return Flow::Send;
    }
    // Codes 0 and 1 with an operation still marked active: settle into idle.
    enterIdle();
    if (readEndsLink_.exchange(false))
        endOfLink_ = true;
    answerStatus(message);
    noAnswer_ = 0;
    link_.socket.panelLinkUp = true;
    link_.sink.post(RefreshNotice{});
    return Flow::Send;
}

OperationWorker::Flow OperationWorker::endOfLinkRequest()
{
    link::buildMessage(out_, fixed_message::kEndOfLink);
    setCodeLocked(kNoOperation);
    if (++step_ >= kEndOfLinkAttempts)
        return Flow::End;
    return Flow::Send;
}

void OperationWorker::send()
{
    if (!out_.empty())
        link_.socket.sendPanelMessage(link::encodeMessage(out_).bytes());
    link_.connection.activityEvent.set();
}

void OperationWorker::workerEnd()
{
    if (receiver_.joinable()) {
        stopReceiver_.set();
        receiver_.join();
    }
    link_.sink.post(StatusNotice{Pane::Connection, text_id::kDisconnected});
    link_.sink.post(ReportNotice{report_kind::kWorkerEnded, {}, 0});
    link_.sink.post(ProgressNotice{3, 0, 0, {}});
    setCodeLocked(kNoOperation);
    operationActive_ = false;

    const bool linkWasUp = link_.socket.panelLinkUp;
    const bool connectionOpen = link_.connection.isOpen();
    link_.commands.workerEnd(connectionOpen, !linkWasUp);
    if (connectionOpen && !disconnecting_) {
        if (poll_)
            poll_->resume();
        link_.connection.activityEvent.set();
    }
    if (linkWasUp) {
        if (reconnectDelay_.joinable()) {
            reconnectDelay_.request_stop();
            reconnectDelay_.join();
        }
        reconnectDelay_ = std::jthread([this](std::stop_token stop) {
            AutoResetEvent never;
            const auto deadline = std::chrono::steady_clock::now() + link_.timing.reconnectDelay;
            while (!stop.stop_requested() && std::chrono::steady_clock::now() < deadline)
                never.wait(Millis(20));
            link_.commands.set(Command::ConnectToPanel, true);
            link_.sink.post(RefreshNotice{});
        });
        if (!disconnecting_)
            link_.sink.post(MessageNotice{text_id::kTaviStillConnected, {}});
    }
    link_.socket.panelLinkUp = false;
    running_ = false;
    link_.sink.post(RefreshNotice{});
    workerStopped_.set();
}

// ---------------------------------------------------------------- receiver

void OperationWorker::receiverMain()
{
    int failures = 0;
    while (receiverRunning_) {
        const auto woke =
            AutoResetEvent::waitAny(link_.socket.panelDataEvent, stopReceiver_, link_.timing.receiverData);
        if (woke == AutoResetEvent::WaitResult::Second)
            break;
        if (woke == AutoResetEvent::WaitResult::Timeout) {
            receiverTimedOut_ = true;
            link_.commands.pageOperationStarts();
            setCodeLocked(kNoOperation);
            receiverRunning_ = false;
            link_.socket.workerStopEvent.set();
            break;
        }
        bool ready = false;
        for (const auto& payload : link_.socket.takePanelData()) {
            std::lock_guard lock(lock_);
            stream_.append(payload);
            CCommBuff message;
            while (stream_.next(message, zoneCount_, pgmCount_)) {
                queue_.push_back(message);
                ready = true;
            }
        }
        if (ready)
            messageReady_.set();
        (void)failures;
    }
    receiverRunning_ = false;
}

} // namespace qarvo::operations
