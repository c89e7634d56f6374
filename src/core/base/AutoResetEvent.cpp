#include "base/AutoResetEvent.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace qarvo {

void AutoResetEvent::set()
{
    std::lock_guard lock(mutex_);
    signalled_ = true;
    changed_.notify_one();
    // Under the event's lock: a watcher stays registered (and alive) until
    // its wait has taken the lock to leave.
    for (Watcher* watcher : watchers_) {
        std::lock_guard woken(watcher->mutex);
        watcher->woken = true;
        watcher->changed.notify_one();
    }
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

bool AutoResetEvent::take()
{
    std::lock_guard lock(mutex_);
    return std::exchange(signalled_, false);
}

void AutoResetEvent::watch(Watcher& watcher)
{
    std::lock_guard lock(mutex_);
    watchers_.push_back(&watcher);
}

void AutoResetEvent::unwatch(Watcher& watcher)
{
    std::lock_guard lock(mutex_);
    watchers_.erase(std::find(watchers_.begin(), watchers_.end(), &watcher));
}

AutoResetEvent::WaitResult AutoResetEvent::waitAny(AutoResetEvent& first, AutoResetEvent& second,
                                                   std::chrono::milliseconds timeout)
{
    const auto takeEither = [&]() -> std::optional<WaitResult> {
        if (first.take())
            return WaitResult::First;
        if (second.take())
            return WaitResult::Second;
        return std::nullopt;
    };
    Watcher watcher;
    first.watch(watcher);
    second.watch(watcher);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::optional<WaitResult> result;
    while (!(result = takeEither())) {
        std::unique_lock lock(watcher.mutex);
        if (!watcher.changed.wait_until(lock, deadline, [&] { return watcher.woken; })) {
            lock.unlock();
            result = takeEither().value_or(WaitResult::Timeout);
            break;
        }
        watcher.woken = false;
    }
    first.unwatch(watcher);
    second.unwatch(watcher);
    return *result;
}

} // namespace qarvo
