#pragma once
// Short-lived task threads started by the user interface: each runs to its
// end on its own; threads that have ended are reclaimed when the next one
// starts, and the rest are waited for on join or destruction.
#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

namespace qarvo {

class TaskThreads {
public:
    TaskThreads() = default;
    ~TaskThreads() { join(); }
    TaskThreads(const TaskThreads&) = delete;
    TaskThreads& operator=(const TaskThreads&) = delete;

    void start(std::function<void()> task);
    // Waits for every task started so far.
    void join();
    // Tasks started and not yet reclaimed (for tests and diagnostics).
    std::size_t held() const;

private:
    struct Task {
        std::shared_ptr<std::atomic<bool>> ended;
        std::jthread thread;
    };
    void reclaimEnded(); // caller holds mutex_

    mutable std::mutex mutex_;
    std::list<Task> tasks_;
};

} // namespace qarvo
