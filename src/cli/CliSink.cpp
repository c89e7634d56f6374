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
    // The other kinds (the job's course, a backup, the event log's lines
    // and records) are for the run and the command that hear them.
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

void CliSink::showProgress(const std::string& caption, long percent, const std::string& text)
{
    std::lock_guard lock(mutex_);
    if (caption != caption_) {
        caption_ = caption;
        lastPercent_ = -1;
    }
    showPercent(percent, text);
}

// Progress never goes backwards; on a terminal it updates one line in
// place, elsewhere it takes a line for every tenth.
void CliSink::showPercent(long percent, const std::string& text)
{
    constexpr long kLineStep = 10;
    const long shown = lastPercent_;
    const bool backwards = percent <= shown;
    const bool sameTenth = shown >= 0 && percent / kLineStep == shown / kLineStep;
    if (style_.quiet || backwards || (!style_.terminal && sameTenth))
        return;
    lastPercent_ = percent;
    if (style_.terminal) {
        err_ << '\r' << text << "\x1b[K" << std::flush;
        progressOpen_ = true;
    } else {
        writeLine(text);
    }
}

void CliSink::endProgressLine()
{
    if (progressOpen_)
        err_ << '\n';
    progressOpen_ = false;
}

void CliSink::writeLine(const std::string& line)
{
    endProgressLine();
    err_ << line << '\n';
    err_.flush();
}

void CliSink::printNote(const std::string& line)
{
    std::lock_guard lock(mutex_);
    // A note says what the status pane says next ("Connecting..."): one line.
    if (style_.quiet || line == lastStatus_)
        return;
    lastStatus_ = line;
    writeLine(line);
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
    // The status pane repeats itself while a step is retried: a line for
    // each change is enough.
    if (style_.quiet || text == lastStatus_ ||
        std::find(hidden_.begin(), hidden_.end(), status.textId) != hidden_.end())
        return;
    lastStatus_ = text;
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
        showPercent(progress.value, caption_.empty() ? std::to_string(progress.value) + "%"
                                                     : caption_ + " " + std::to_string(progress.value) + "%");
        return;
    case kPrepare:
    case kClose:
    default:
        return;
    }
    lastPercent_ = -1;
    if (!caption_.empty() && !style_.quiet)
        writeLine(caption_);
}

} // namespace qarvo::cli
