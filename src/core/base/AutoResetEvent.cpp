#include "base/AutoResetEvent.h"



namespace qarvo {

namespace {
// Two-event waits are rare and short; one shared mutex/condition pair keeps
// them simple and free of lock-order issues between the two events.
std::mutex anyMutex;
std::condition_variable anyChanged;
} // namespace

void AutoResetEvent::set()
{
    {
        std::lock_guard lock(mutex_);
        signalled_ = true;
    }
    changed_.notify_one();
    {
        std::lock_guard lock(anyMutex);
    }
    anyChanged.notify_all();
}

void AutoResetEvent::reset()
{
    std::lock_guard lock(mutex_);
    signalled_ = false;
}

bool AutoResetEvent::isSet() const
{
    std::lock_guard lock(mutex_);
    return signalled_;
}

bool AutoResetEvent::wait(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, timeout, [this] { return signalled_; }))
        return false;
    signalled_ = false;
    return true;
}

AutoResetEvent::WaitResult AutoResetEvent::waitAny(AutoResetEvent& first, AutoResetEvent& second,
                                                   std::chrono::milliseconds timeout)
{
    auto tryTake = [](AutoResetEvent& e) {
        std::lock_guard lock(e.mutex_);
        if (!e.signalled_)
            return false;
        e.signalled_ = false;
        return true;
    };
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::unique_lock lock(anyMutex);
    for (;;) {
        if (tryTake(first))
            return WaitResult::First;
        if (tryTake(second))
            return WaitResult::Second;
        if (anyChanged.wait_until(lock, deadline) == std::cv_status::timeout) {
            if (tryTake(first))
                return WaitResult::First;
            if (tryTake(second))
                return WaitResult::Second;
            return WaitResult::Timeout;
        }
    }
}

} // namespace qarvo
