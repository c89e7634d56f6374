#pragma once
// A sink that keeps every notice, for tests and for the CLI's summaries.
#include "base/NoticeSink.h"

#include <chrono>
#include <cstddef>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace qarvo {

class RecordingSink : public NoticeSink {
public:
    void post(const Notice& notice) override;

    std::vector<Notice> notices() const;
    // The notices from the first-th on, and how many there are: a caller
    // that polls takes only what came since it last looked.
    std::vector<Notice> noticesFrom(std::size_t first) const;
    std::size_t count() const;
    // Whether a notice from the first-th on satisfies the predicate.
    bool anyFrom(std::size_t first, const std::function<bool(const Notice&)>& match) const;
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
