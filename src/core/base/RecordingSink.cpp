#include "base/RecordingSink.h"

#include <algorithm>

namespace qarvo {

void RecordingSink::post(const Notice& notice)
{
    {
        std::lock_guard lock(mutex_);
        notices_.push_back(notice);
    }
    added_.notify_all();
}

std::vector<Notice> RecordingSink::notices() const
{
    std::lock_guard lock(mutex_);
    return notices_;
}

std::vector<Notice> RecordingSink::noticesFrom(std::size_t first) const
{
    std::lock_guard lock(mutex_);
    if (first >= notices_.size())
        return {};
    return {notices_.begin() + static_cast<std::ptrdiff_t>(first), notices_.end()};
}

std::size_t RecordingSink::count() const
{
    std::lock_guard lock(mutex_);
    return notices_.size();
}

bool RecordingSink::anyFrom(std::size_t first, const std::function<bool(const Notice&)>& match) const
{
    std::lock_guard lock(mutex_);
    return first < notices_.size() &&
           std::any_of(notices_.begin() + static_cast<std::ptrdiff_t>(first), notices_.end(), match);
}

bool RecordingSink::waitFor(const std::function<bool(const Notice&)>& match,
                            std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(mutex_);
    return added_.wait_for(lock, timeout, [&] { return std::any_of(notices_.begin(), notices_.end(), match); });
}

namespace {
auto isMessage(int textId)
{
    return [textId](const Notice& n) {
        auto m = std::get_if<MessageNotice>(&n);
        return m && m->textId == textId;
    };
}
} // namespace

bool RecordingSink::waitForMessage(int textId, std::chrono::milliseconds timeout) const
{
    return waitFor(isMessage(textId), timeout);
}

bool RecordingSink::hasMessage(int textId) const
{
    std::lock_guard lock(mutex_);
    return std::any_of(notices_.begin(), notices_.end(), isMessage(textId));
}

std::vector<int> RecordingSink::messageIds() const
{
    std::vector<int> ids;
    for (const auto& m : all<MessageNotice>())
        ids.push_back(m.textId);
    return ids;
}

void RecordingSink::clear()
{
    std::lock_guard lock(mutex_);
    notices_.clear();
}

} // namespace qarvo
