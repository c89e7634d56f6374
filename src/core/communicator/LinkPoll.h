#pragma once
// The communicator state poll: while the connection is open, a long-lived
// thread asks the communicator for its input, PGM, tamper and jamming state
// and its signal strength whenever the control traffic has been quiet for a
// while. Three unanswered polls mean the connection is lost. The operation
// worker pauses the poll while it talks to the panel.
#include "link/Link.h"
#include "operations/OperationWorker.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <thread>

namespace qarvo {

inline constexpr std::uint8_t kCommandStatePoll = link::kCommandLinkPoll;
inline constexpr int kStatePollTries = 3;

// The state value and signal strength a poll reply carries.
struct TaviLinkState {
    std::uint8_t state = 0; // tavi_state bits
    std::uint8_t rssi = 0;
    bool operator==(const TaviLinkState&) const = default;
};

// The state of a datagram in the poll reply slot: nullopt when it is not a
// state poll reply or carries no state bytes.
std::optional<TaviLinkState> parseStatePollReply(std::span<const std::uint8_t> datagram);

class LinkPoll final : public operations::CommunicatorPoll {
public:
    // lost is called on the poll thread after three unanswered polls while
    // the connection was still open; the poll has ended by then.
    LinkPoll(link::Link& link, std::function<void()> lost);
    ~LinkPoll() override;
    LinkPoll(const LinkPoll&) = delete;
    LinkPoll& operator=(const LinkPoll&) = delete;

    // Starts the poll thread, unsuspended; nothing happens while one runs.
    void start();
    // Ends the poll for good (a later start begins a new one).
    void stop();
    bool running() const;

    // The worker, which opens the connection itself, waits here for the
    // poll that every successful opening starts.
    bool waitStarted(Millis timeout) override;
    // Suspensions nest: the poll runs again when each has been resumed.
    void suspend() override;
    void resume() override;
    bool suspended() const;

private:
    void run();
    void setUpHeader();
    // Waits until the control traffic has been quiet for the idle time;
    // false when the poll is to end.
    bool waitForQuiet();
    enum class Outcome { Answered, Lost, Ended };
    // Up to three polls.
    Outcome pollCommunicator();
    // Blocks while suspended; false when the poll is to end.
    bool waitWhileSuspended();
    bool ending() const;
    void setStarted(bool started);

    link::Link& link_;
    std::function<void()> lost_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool running_ = false;
    bool started_ = false;
    bool stopping_ = false;
    int suspensions_ = 0;
    std::thread::id pollThread_;
    std::jthread thread_;
};

} // namespace qarvo
