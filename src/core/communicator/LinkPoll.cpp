#include "communicator/LinkPoll.h"

#include "communicator/ControlReply.h"

namespace qarvo {

namespace {

constexpr std::size_t kStateByte = 0;
constexpr std::size_t kRssiByte = 1;

std::optional<TaviLinkState> stateOf(const ControlReply& reply)
{
    if (reply.command != kCommandStatePoll || reply.payload.size() <= kRssiByte)
        return std::nullopt;
    return TaviLinkState{reply.payload[kStateByte], reply.payload[kRssiByte]};
}

} // namespace

std::optional<TaviLinkState> parseStatePollReply(std::span<const std::uint8_t> datagram)
{
    const auto reply = parseControlReply(datagram);
    return reply ? stateOf(*reply) : std::nullopt;
}

LinkPoll::LinkPoll(link::Link& link, std::function<void()> lost) : link_(link), lost_(std::move(lost)) {}

LinkPoll::~LinkPoll() { stop(); }

void LinkPoll::start()
{
    // A poll that ended by itself has left its thread behind: join it
    // outside the lock, as it may still be reporting the loss.
    std::jthread ended;
    {
        std::lock_guard lock(mutex_);
        if (running_)
            return;
        ended = std::move(thread_);
    }
    if (ended.joinable())
        ended.join();
    std::lock_guard lock(mutex_);
    if (running_)
        return;
    // A new poll starts unsuspended: a suspension left by the poll before
    // (the one a completed firmware update keeps) ended with it.
    running_ = true;
    stopping_ = false;
    suspensions_ = 0;
    thread_ = std::jthread([this] { run(); });
}

void LinkPoll::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    // Wake the thread wherever it waits.
    link_.connection.activityEvent.set();
    link_.socket.pollReplyEvent.set();
    std::jthread ended;
    {
        std::lock_guard lock(mutex_);
        if (pollThread_ == std::this_thread::get_id())
            return; // called by the poll itself: it ends on its own
        ended = std::move(thread_);
    }
    if (ended.joinable())
        ended.join();
}

bool LinkPoll::running() const
{
    std::lock_guard lock(mutex_);
    return running_;
}

bool LinkPoll::waitStarted(Millis timeout)
{
    if (link_.connection.isOpen())
        start();
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [this] { return started_; });
}

void LinkPoll::suspend()
{
    std::lock_guard lock(mutex_);
    ++suspensions_;
}

void LinkPoll::resume()
{
    {
        std::lock_guard lock(mutex_);
        if (suspensions_ > 0)
            --suspensions_;
    }
    changed_.notify_all();
}

bool LinkPoll::suspended() const
{
    std::lock_guard lock(mutex_);
    return suspensions_ > 0;
}

bool LinkPoll::ending() const
{
    std::lock_guard lock(mutex_);
    return stopping_;
}

void LinkPoll::setStarted(bool started)
{
    {
        std::lock_guard lock(mutex_);
        started_ = started;
    }
    changed_.notify_all();
}

bool LinkPoll::waitWhileSuspended()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return stopping_ || suspensions_ == 0; });
    return !stopping_;
}

void LinkPoll::setUpHeader()
{
    link::Datagram& header = link_.socket.pollHeader;
    header.setKind(link::kConnectionTraffic);
    header.setFlags(static_cast<std::uint8_t>(link::flags::kFromProgram |
                                              (link_.socket.key() ? link::flags::kEnciphered : 0)));
    header.setSequence(0);
    header.setSourceNode(link::kProgramNode);
    header.setDestinationNode(link_.connection.communicatorNode());
}

void LinkPoll::run()
{
    {
        std::lock_guard lock(mutex_);
        pollThread_ = std::this_thread::get_id();
    }
    setUpHeader();
    setStarted(true);
    Outcome outcome = Outcome::Answered;
    while (outcome == Outcome::Answered && waitForQuiet())
        outcome = pollCommunicator();
    setStarted(false);
    // A connection closed elsewhere (or a stop) ends the poll quietly; only
    // silence on a connection that is still open is a lost connection.
    if (outcome == Outcome::Lost && !ending() && link_.connection.isOpen() && lost_)
        lost_();
    {
        std::lock_guard lock(mutex_);
        running_ = false;
    }
    changed_.notify_all();
}

bool LinkPoll::waitForQuiet()
{
    link_.connection.activityEvent.reset();
    for (;;) {
        if (!waitWhileSuspended())
            return false;
        if (link_.connection.activityEvent.wait(link_.timing.linkPollIdle))
            continue; // traffic flows: wait again from now
        if (ending() || !link_.connection.isOpen())
            return false;
        // A suspension that began during the wait counts as traffic: the
        // poll waits the whole idle time again after the resume.
        if (!suspended())
            return true;
    }
}

LinkPoll::Outcome LinkPoll::pollCommunicator()
{
    for (int attempt = 0; attempt < kStatePollTries; ++attempt) {
        if (!waitWhileSuspended() || !link_.connection.isOpen())
            return Outcome::Ended;
        link_.socket.sendControl(kCommandStatePoll, 0);
        const bool replied = link_.socket.pollReplyEvent.wait(link_.timing.controlReply);
        if (ending())
            return Outcome::Ended;
        if (!replied)
            continue;
        const auto reply = parseControlReply(link_.socket.pollReply());
        if (!reply || reply->command != kCommandStatePoll)
            continue;
        // A reply too short to carry the state still shows the
        // communicator is there; only a whole one changes the indicators.
        if (const auto state = stateOf(*reply))
            link_.sink.post(CommunicatorNotice{CommunicatorNotice::Kind::LinkState, 0, {state->state, state->rssi}});
        return Outcome::Answered;
    }
    return Outcome::Lost;
}

} // namespace qarvo
