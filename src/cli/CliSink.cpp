#include "cli/CliSink.h"

#include "online/PgmRefusal.h"

#include "app/Strings.h"
#include "base/TextIds.h"

#include <algorithm>

namespace qarvo::cli {

namespace {

// Sub-codes of the progress display.
enum ProgressCode : int { kShowCaptionId = 0, kPrepare = 1, kStep = 2, kClose = 3, kShowCaptionText = 4 };

} // namespace

std::string messageText(const MessageNotice& message)
{
    // The PGM refusal names the PGM that was chosen.
    if (message.textId == text_id::kPgm1NotSwitchable && message.number)
        return online::pgmNotSwitchableText(static_cast<int>(*message.number)).toStdString();
    if (message.number)
        return strings::format(message.textId, *message.number).toStdString();
    return strings::utf8(message.textId);
}

void CliSink::post(const Notice& notice)
{
    if (const auto* m = std::get_if<MessageNotice>(&notice))
        print(*m);
    else if (const auto* s = std::get_if<StatusNotice>(&notice))
        print(*s);
    else if (const auto* p = std::get_if<ProgressNotice>(&notice))
        print(*p);
    RecordingSink::post(notice);
}

void CliSink::printLine(const std::string& line)
{
    std::lock_guard lock(mutex_);
    writeLine(line);
}

void CliSink::writeLine(const std::string& line)
{
    err_ << line << '\n';
    err_.flush();
}

void CliSink::hideMessage(int textId)
{
    std::lock_guard lock(mutex_);
    hidden_.push_back(textId);
}

void CliSink::print(const MessageNotice& message)
{
    const std::string text = messageText(message);
    std::lock_guard lock(mutex_);
    if (std::find(hidden_.begin(), hidden_.end(), message.textId) != hidden_.end())
        return;
    writeLine(text);
}

void CliSink::print(const StatusNotice& status)
{
    const std::string text = strings::utf8(status.textId);
    std::lock_guard lock(mutex_);
    if (std::find(hidden_.begin(), hidden_.end(), status.textId) != hidden_.end())
        return;
    writeLine(text);
}

void CliSink::print(const ProgressNotice& progress)
{
    std::lock_guard lock(mutex_);
    switch (progress.subCode) {
    case kShowCaptionId:
    case kShowCaptionText:
        caption_ = messageText(MessageNotice{progress.textId, progress.number});
        break;
    case kStep:
        // A display that repeats the same per cent prints it once.
        if (progress.value == lastPercent_)
            return;
        lastPercent_ = progress.value;
        writeLine(caption_.empty() ? std::to_string(progress.value) + "%"
                                   : caption_ + " " + std::to_string(progress.value) + "%");
        return;
    case kPrepare:
    case kClose:
    default:
        return;
    }
    lastPercent_ = -1;
    if (!caption_.empty())
        writeLine(caption_);
}

} // namespace qarvo::cli
