#pragma once
// An event object that wakes one waiter and resets itself, as the link's
// threads hand replies over: a slot is written first, then the event is set.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace qarvo {

class AutoResetEvent {
public:
    void set();
    void reset();
    // True when the event was signalled within the time-out (and consumes it).
    bool wait(std::chrono::milliseconds timeout);
    bool isSet() const;

    enum class WaitResult { First, Second, Timeout };
    // Waits for whichever of two events is signalled first; the first event
    // wins when both are already set. Consumes only the event returned.
    static WaitResult waitAny(AutoResetEvent& first, AutoResetEvent& second,
                              std::chrono::milliseconds timeout);

private:
    // A two-event wait: each of its events wakes it when set. Every wait
    // has its own, so that setting an event wakes only those waiting on it.
    struct Watcher {
        std::mutex mutex;
        std::condition_variable changed;
        bool woken = false;
    };
    void watch(Watcher& watcher);
    void unwatch(Watcher& watcher);
    bool take(); // consumes the signal when the event is set

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool signalled_ = false;
    std::vector<Watcher*> watchers_; // guarded by mutex_
};

} // namespace qarvo
