#include "communicator/TaviTasks.h"

#include "base/TextIds.h"
#include "communicator/ControlReply.h"

#include <algorithm>

namespace qarvo {

namespace {

using Kind = CommunicatorNotice::Kind;

constexpr std::size_t kPgmPayloadSize = 2;
constexpr std::uint8_t kPgmIndexCount = static_cast<std::uint8_t>(tavi::kPgmCount);

} // namespace

TaviTasks::TaviTasks(link::Link& link, Hooks hooks)
    : link_(link),
      hooks_(std::move(hooks)),
      record_(TaviOptions::builtInDefaults()),
      reference_(TaviOptions::builtInDefaults()),
      poll_(link, [this] { connectionLost(); }),
      firmware_(link, poll_, [this] { communicatorRestarts(); })
{
}

TaviTasks::~TaviTasks()
{
    joinTasks();
    firmware_.join();
    poll_.stop();
}

void TaviTasks::setHooks(Hooks hooks)
{
    std::lock_guard lock(mutex_);
    hooks_ = std::move(hooks);
}

void TaviTasks::setConfirmUnchangedWrite(std::function<bool()> confirm)
{
    std::lock_guard lock(mutex_);
    hooks_.confirmUnchangedWrite = std::move(confirm);
}

TaviOptions TaviTasks::record() const
{
    std::lock_guard lock(mutex_);
    return record_;
}

void TaviTasks::setRecord(const TaviOptions& record)
{
    std::lock_guard lock(mutex_);
    record_ = record;
}

TaviOptions TaviTasks::reference() const
{
    std::lock_guard lock(mutex_);
    return reference_;
}

void TaviTasks::setReference(const TaviOptions& reference)
{
    std::lock_guard lock(mutex_);
    reference_ = reference;
}

void TaviTasks::applyModelInfo(const TaviModelInfo& info)
{
    std::lock_guard lock(mutex_);
    info.applyTo(record_);
    info.applyTo(reference_);
}

void TaviTasks::connectionOpened()
{
    if (const auto info = TaviModelInfo::parse(link_.connection.modelInfo()))
        applyModelInfo(*info);
    poll_.start();
}

TaviTasks::Hooks TaviTasks::hooks() const
{
    std::lock_guard lock(mutex_);
    return hooks_;
}

bool TaviTasks::panelOperationRunning() const
{
    const auto running = hooks().panelOperationRunning;
    return running && running();
}

void TaviTasks::stopWorker(Millis timeout)
{
    if (!panelOperationRunning())
        return;
    link_.socket.workerStopEvent.set();
    if (const auto waitStopped = hooks().waitWorkerStopped)
        waitStopped(timeout);
}

int TaviTasks::readOptions()
{
    int text = text_id::kTaviTimeout;
    std::optional<TaviOptions> read;
    {
        std::lock_guard lock(link_.connection.operationLock());
        link_.socket.sendControl(tavi_command::kReadOptions, 0);
        link_.connection.activityEvent.set();
        if (const auto reply = waitControlReply(link_.socket, link_.timing.controlReply)) {
            // A reply too short for the whole record is as wrong as one
            // with another command: the record keeps what it held.
            if (reply->command == tavi_command::kReadOptions && reply->payload.size() >= tavi::kOptionsSize) {
                read = TaviOptions::fromWire(std::span(reply->payload).first<tavi::kOptionsSize>());
                text = text_id::kDownloadingSuccessfully;
            } else {
                text = text_id::kErrorWhileDownloading;
            }
        }
    }
    std::vector<std::uint8_t> bytes;
    if (read) {
        std::lock_guard lock(mutex_);
        record_ = *read;
        reference_ = *read;
        bytes.assign(read->bytes.begin(), read->bytes.end());
    }
    link_.sink.post(CommunicatorNotice{Kind::OptionsResult, text, std::move(bytes)});
    return text;
}

std::optional<TaviOptions> TaviTasks::recordToWrite()
{
    TaviOptions sent;
    bool unchanged = false;
    {
        std::lock_guard lock(mutex_);
        sent = record_;
        unchanged = record_ == reference_;
    }
    const auto confirm = hooks().confirmUnchangedWrite;
    if (unchanged && !(confirm && confirm()))
        return std::nullopt;
    return sent;
}

std::optional<int> TaviTasks::writeOptions()
{
    const auto sent = recordToWrite();
    if (!sent)
        return std::nullopt;
    return sendRecord(*sent);
}

int TaviTasks::sendRecord(const TaviOptions& sent)
{
    int text = text_id::kTaviTimeout;
    {
        std::lock_guard lock(link_.connection.operationLock());
        const auto wire = sent.toWire();
        std::copy(wire.begin(), wire.end(), link_.socket.controlHeader.payload().begin());
        link_.connection.activityEvent.set();
        link_.socket.sendControl(tavi_command::kWriteOptions, wire.size());
        if (const auto reply = waitControlReply(link_.socket, link_.timing.controlReply))
            text = isReplyWith(reply, {tavi_command::kWriteAccepted, tavi_command::kWriteOptions})
                       ? text_id::kUploadedSuccessfully
                       : text_id::kErrorWhileUploading;
    }
    if (text == text_id::kUploadedSuccessfully)
        setReference(sent);
    link_.sink.post(CommunicatorNotice{Kind::OptionsWriteResult, text, {}});
    return text;
}

TaviPgmResult TaviTasks::togglePgm(std::uint8_t index)
{
    TaviPgmResult result{text_id::kTaviTimeout};
    {
        std::lock_guard lock(link_.connection.operationLock());
        auto payload = link_.socket.controlHeader.payload();
        payload[0] = index;
        payload[1] = 0;
        link_.connection.activityEvent.set();
        link_.socket.sendControl(tavi_command::kPgmToggle, kPgmPayloadSize);
        if (const auto reply = waitControlReply(link_.socket, link_.timing.controlReply)) {
            // The reply names the PGM (byte 0) and its new state (byte 1).
            if (reply->command == tavi_command::kPgmToggle && reply->payload.size() >= kPgmPayloadSize)
                result = TaviPgmResult{0, reply->payload[0], reply->payload[1]};
            else
                result = TaviPgmResult{text_id::kErrorActivatingPgm};
        }
    }
    if (result.ok())
        link_.sink.post(CommunicatorNotice{Kind::PgmResult, 0, {result.pgm, result.state}});
    else
        link_.sink.post(CommunicatorNotice{Kind::PgmResult, result.textId, {}});
    return result;
}

int TaviTasks::disconnect()
{
    link_.sink.post(CommunicatorNotice{Kind::ClosingStarted, 0, {}});
    poll_.stop();
    if (link_.connection.waitingForCall()) {
        link_.connection.cancelWait();
        return link::result::kCancelled;
    }
    if (const auto close = hooks().closeConnection)
        return close();
    stopWorker(link_.timing.closeWaitWorker);
    return link_.connection.close();
}

void TaviTasks::joinTasks() { tasks_.join(); }

void TaviTasks::startReadOptions()
{
    tasks_.start([this] { readOptions(); });
}

void TaviTasks::startWriteOptions()
{
    // The question is the page's: asked here, on the caller's thread.
    if (const auto sent = recordToWrite())
        tasks_.start([this, record = *sent] { sendRecord(record); });
}

void TaviTasks::startPgmToggle(std::uint8_t index)
{
    if (index >= kPgmIndexCount)
        return;
    tasks_.start([this, index] { togglePgm(index); });
}

void TaviTasks::startDisconnect()
{
    tasks_.start([this] { disconnect(); });
}

void TaviTasks::leaveOpenState()
{
    link_.connection.setOpen(false);
    link_.commands.communicatorClosed();
    link_.sink.post(RefreshNotice{});
}

void TaviTasks::connectionLost()
{
    leaveOpenState();
    link_.sink.post(MessageNotice{text_id::kTaviTimeout, std::nullopt});
    stopWorker(link_.timing.linkLostWorkerStop);
    // The page tells a lost connection from a closed one by the text.
    link_.sink.post(CommunicatorNotice{Kind::CloseResult, text_id::kTaviTimeout, {}});
}

void TaviTasks::communicatorRestarts()
{
    leaveOpenState();
    link_.sink.post(MessageNotice{text_id::kCommunicatorWillReset, std::nullopt});
    // The communicator restarts anyway; the close tells it we know, and
    // nobody waits for its answer.
    link_.socket.sendControl(link::control::kClose, 0);
    if (panelOperationRunning())
        link_.socket.workerStopEvent.set();
    poll_.stop();
    link_.sink.post(CommunicatorNotice{Kind::CloseResult, link::result::kClosed, {}});
}

} // namespace qarvo
