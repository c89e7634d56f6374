#include "communicator/TaskThreads.h"

namespace qarvo {

void TaskThreads::start(std::function<void()> task)
{
    std::lock_guard lock(mutex_);
    reclaimEnded();
    auto ended = std::make_shared<std::atomic<bool>>(false);
    tasks_.push_back(Task{ended, std::jthread([task = std::move(task), ended] {
                              task();
                              *ended = true;
                          })});
}

void TaskThreads::reclaimEnded()
{
    // An ended task has returned from its function: the join is immediate.
    tasks_.remove_if([](Task& t) {
        if (!*t.ended)
            return false;
        t.thread.join();
        return true;
    });
}

void TaskThreads::join()
{
    std::list<Task> tasks;
    {
        std::lock_guard lock(mutex_);
        tasks.swap(tasks_);
    }
    for (Task& t : tasks)
        if (t.thread.joinable())
            t.thread.join();
}

std::size_t TaskThreads::held() const
{
    std::lock_guard lock(mutex_);
    return tasks_.size();
}

} // namespace qarvo
