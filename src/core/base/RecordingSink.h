#pragma once
// A sink that keeps every notice, for tests and for the CLI's summaries.
#include "base/NoticeSink.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace qarvo {

class RecordingSink : public NoticeSink {
public:
    void post(const Notice& notice) override;

    std::vector<Notice> notices() const;
    // Waits until some recorded notice satisfies the predicate.
    bool waitFor(const std::function<bool(const Notice&)>& match, std::chrono::milliseconds timeout) const;
    bool waitForMessage(int textId, std::chrono::milliseconds timeout) const;
    bool hasMessage(int textId) const;
    std::vector<int> messageIds() const;
    void clear();

    template <class T>
    std::vector<T> all() const
    {
        std::vector<T> out;
        for (const Notice& n : notices())
            if (auto p = std::get_if<T>(&n))
                out.push_back(*p);
        return out;
    }

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable added_;
    std::vector<Notice> notices_;
};

} // namespace qarvo
