#include "eventlog/EventLogReader.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "eventlog/EventDecoder.h"
#include "operations/OperationWorker.h"
#include "panel/FixedRegion.h"

#include <algorithm>

namespace qarvo::eventlog {

namespace {

using namespace event_step;
using link::fixed_message::kStopUpload;
using link::panel_code::kEventLog;
using link::panel_code::kEventLogHeader;
using link::panel_code::kEventLogReply;

// The system event "All events have been marked as read." (class 2, or 6
// with both partitions): the panel logs it when it marks its events.
constexpr std::uint8_t kMarkedAsReadCode = 244;
constexpr int kSystemClass = 2;
constexpr int kSystemClassBothPartitions = 6;

constexpr int kDaysPerWeek = 7;
constexpr char kUnknownName[] = "???";
constexpr char kSpaceLine[] = " ";

QByteArray utf8(const QString& text)
{
    return text.toUtf8();
}

// Sunday is 0, as the panel's weekday names are ordered.
QString shortWeekdayName(const QDate& date)
{
    if (!date.isValid())
        return QString::fromLatin1(kUnknownName);
    return strings::text(text_id::kShortWeekdaySun + date.dayOfWeek() % kDaysPerWeek);
}

QString fullMonthName(const QDateTime& now)
{
    if (!now.isValid())
        return strings::text(text_id::kOldLog);
    return strings::text(text_id::kMonthJanuary + now.date().month() - 1);
}

// The date and time fields of a clock that cannot be read are zero.
struct LocalFields {
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
};

LocalFields fieldsOf(const QDateTime& now)
{
    if (!now.isValid())
        return {};
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.day(), d.month(), d.year(), t.hour(), t.minute(), t.second()};
}

} // namespace

bool endsReading(const Notice& notice)
{
    const auto* reading = std::get_if<EventLogNotice>(&notice);
    return reading && reading->kind == EventLogNotice::Kind::Ended;
}

EventLogReader::Worker EventLogReader::workerOf(operations::OperationWorker& worker)
{
    return {[&worker] { return worker.currentCode(); }, [&worker] { worker.enterIdle(); }};
}

EventLogReader::EventLogReader(Worker worker, panel::CUploadDoc& doc, NoticeSink& sink)
    : worker_(std::move(worker)), doc_(doc), sink_(sink), now_([] { return QDateTime::currentDateTime(); })
{
}

void EventLogReader::setOptions(const EventLogOptions& options)
{
    markAsRead_ = options.markAsRead;
    allEvents_ = options.allEvents;
}

EventLogOptions EventLogReader::options() const
{
    return {markAsRead_, allEvents_};
}

// ---------------------------------------------------------------- texts

QString EventLogReader::groupName(const QString& panelIdCode, const QDateTime& now)
{
    const LocalFields f = fieldsOf(now);
    const QString time = QString::asprintf("%02d:%02d:%02d", f.hour, f.minute, f.second);
    return strings::text(text_id::kLogPrefix) +
           QString::asprintf("%s %s %02d, %04d %s", utf8(panelIdCode).constData(), utf8(fullMonthName(now)).constData(),
                             f.day, f.year, utf8(time).constData());
}

QString EventLogReader::readOnLine(const QDateTime& now)
{
    const LocalFields f = fieldsOf(now);
    return QString::asprintf("%s %s, %s/%02d/%04d, %02d:%02d:%02d", utf8(strings::text(text_id::kEventLogReadOn)).constData(),
                             utf8(shortWeekdayName(now.date())).constData(),
                             utf8(shortMonthName(f.month - 1)).constData(), f.day, f.year, f.hour, f.minute,
                             f.second);
}

QString EventLogReader::eventLine(int number, const QString& decoded)
{
    return QString::asprintf("        %03d %s", number, utf8(decoded).constData());
}

QString EventLogReader::panelIdCode() const
{
    const auto held = doc_.lock();
    const panel::PanelImage& image = doc_.image();
    return QString::asprintf("%02X%02X", image[panel::fixed::kPanelIdCode], image[panel::fixed::kPanelIdCode + 1]);
}

// ---------------------------------------------------------------- steps

void EventLogReader::run(operations::StepIo& io)
{
    const std::lock_guard step(stepLock_);
    Outcome outcome = Outcome::Next;
    switch (io.step) {
    case kCountUnread:
        outcome = !allEvents_ && isReply(io.reply, kEventLogReply, kCountUnread) ? countRead(io) : start(io);
        break;
    case kCountAll:
        outcome = isReply(io.reply, kEventLogReply, kCountAll) ? countRead(io) : request(io, kCountAll);
        break;
    case kReadHeader:
        outcome = isReply(io.reply, kEventLogHeader, kReadHeader) ? headerRead(io) : request(io, kReadHeader);
        break;
    case kRecord:
    case kRecordAlternate:
        outcome = isReply(io.reply, kEventLogReply, io.step) ? recordRead(io) : request(io, io.step);
        break;
    case kMarkAsRead:
        outcome = isReply(io.reply, kEventLogReply, kMarkAsRead) ? marked(io) : request(io, kMarkAsRead);
        break;
    default:
        outcome = start(io);
        break;
    }
    // Break, a time-out or a lost connection took the worker out of this
    // operation while the step ran: tell the panel to stop the upload.
    if (outcome == Outcome::Next && worker_.currentCode() != operations::kReadEventLog) {
        noteInterruption();
        link::buildMessage(io.out, kStopUpload);
    }
}

bool EventLogReader::breakReading(const std::function<bool()>& breakWorker)
{
    const std::lock_guard step(stepLock_);
    if (!breakWorker())
        return false;
    noteInterruption();
    return true;
}

void EventLogReader::noteInterruption()
{
    const int read = eventIndex_;
    if (read <= 0 || read >= eventCount_)
        return;
    insertLine(strings::text(text_id::kReadingInterrupted));
    eventIndex_ = eventCount_.load();
}

bool EventLogReader::isReply(const CCommBuff& reply, std::uint8_t code, std::uint8_t step) const
{
    return reply.code() == code && reply.at(1) == step;
}

EventLogReader::Outcome EventLogReader::request(operations::StepIo& io, std::uint8_t step)
{
    io.step = step;
    link::buildMessage(io.out, {kEventLog, step});
    return Outcome::Next;
}

EventLogReader::Outcome EventLogReader::start(operations::StepIo& io)
{
    showStatus(text_id::kReadEventsNumber);
    return request(io, allEvents_ ? kCountAll : kCountUnread);
}

EventLogReader::Outcome EventLogReader::countRead(operations::StepIo& io)
{
    const int count = io.reply.at(2) << 8 | io.reply.at(3);
    eventCount_ = std::min(count, kMaxEventsRead);
    eventIndex_ = 0;
    showStatus(text_id::kEventsNumberRead);
    if (eventCount_ == 0) {
        // No new group: the note goes into the group that is there.
        insertLine(strings::text(text_id::kNoEventsRecorded));
        return finish(io, 0);
    }
    return request(io, kReadHeader);
}

EventLogReader::Outcome EventLogReader::headerRead(operations::StepIo& io)
{
    const auto minuteOfMonth = static_cast<std::uint16_t>(io.reply.at(4) << 8 | io.reply.at(5));
    clock_.set(LogClock::kYearBase + io.reply.at(2), io.reply.at(3), minuteOfMonth);
    {
        const auto held = doc_.lock();
        const panel::PanelIdentity& identity = doc_.identity();
        counts_ = PanelCounts{identity.typeCode, identity.zoneCount, identity.userRecordCount, identity.keypadCount};
    }
    shownPercent_ = -1;
    return request(io, kRecord);
}

bool isMarkedAsReadRecord(std::uint8_t code, std::uint16_t word)
{
    const int eventClass = splitEventWord(code, word).eventClass;
    return code == kMarkedAsReadCode && (eventClass == kSystemClass || eventClass == kSystemClassBothPartitions);
}

bool EventLogReader::onlyMarkedAsRead(std::uint8_t code, std::uint16_t word) const
{
    return markAsRead_ && eventCount_ == 1 && isMarkedAsReadRecord(code, word);
}

EventLogReader::Outcome EventLogReader::recordRead(operations::StepIo& io)
{
    // A record with no count read before it, or past the count, belongs to
    // no reading of ours: start over with the count.
    if (eventIndex_ < 0 || eventIndex_ >= eventCount_)
        return start(io);
    const std::uint8_t code = io.reply.at(2);
    const auto word = static_cast<std::uint16_t>(io.reply.at(3) << 8 | io.reply.at(4));
    if (eventIndex_ == 0) {
        // The only unread event says the log was marked: there is nothing new.
        if (onlyMarkedAsRead(code, word)) {
            sink_.post(MessageNotice{text_id::kAllEventsMarkedRead, {}});
            return finish(io, 0);
        }
        startGroup();
    }
    const LogClock stamped = clock_;
    const QString decoded = decodeEventRecord(counts_, clock_, code, word);
    // Records without a line still count, so the numbers of the others keep their places.
    if (!decoded.isEmpty()) {
        const int number = eventCount_ - eventIndex_;
        insertLine(eventLine(number, decoded));
        sink_.post(EventRecordNotice{number, code, word, stamped.year(), stamped.monthIndex() + 1, stamped.day(),
                                     stamped.hour(), stamped.minute(), decoded.toStdString()});
    }
    ++eventIndex_;
    io.percent = static_cast<std::uint8_t>(percentRead());
    showProgress();

    if (eventIndex_ < eventCount_)
        return request(io, io.step == kRecord ? kRecordAlternate : kRecord);
    if (markAsRead_ && beforeMark_ && !beforeMark_())
        return finish(io, text_id::kEventLogRead);
    if (markAsRead_) {
        showStatus(text_id::kClearEventLog);
        return request(io, kMarkAsRead);
    }
    return finish(io, text_id::kEventLogRead);
}

EventLogReader::Outcome EventLogReader::marked(operations::StepIo& io)
{
    return finish(io, text_id::kEventLogReadAndCleared);
}

EventLogReader::Outcome EventLogReader::finish(operations::StepIo& io, int closingLineId)
{
    if (closingLineId)
        insertLine(strings::text(closingLineId));
    worker_.enterIdle();
    // The same end as a memory page transfer's.
    link::buildMessage(io.out, link::fixed_message::kTransferEnd);
    tell(EventLogNotice::Kind::Ended);
    return Outcome::Finished;
}

// ---------------------------------------------------------------- log group

panel::EventLog& EventLogReader::currentGroup()
{
    auto& logs = doc_.logs();
    if (logs.empty())
        logs.push_back(panel::EventLog{strings::utf8(text_id::kCurrentLog), {}});
    return logs.front();
}

// The new group, its name and its first two lines go into the document as
// one change, so nobody sees a named group without its read-on line.
void EventLogReader::startGroup()
{
    const QDateTime now = now_();
    std::string readOn = readOnLine(now).toStdString();
    {
        const auto held = doc_.lock();
        auto& logs = doc_.logs();
        if (logs.empty() || logs.front().name != strings::utf8(text_id::kCurrentLog))
            logs.insert(logs.begin(), panel::EventLog{});
        logs.front().name = groupName(panelIdCode(), now).toStdString();
        auto& lines = logs.front().lines;
        lines.insert(lines.begin(), kSpaceLine);
        lines.insert(lines.begin(), readOn);
        lineCounter_ = 1;
        doc_.markModified();
    }
    tell(EventLogNotice::Kind::GroupStarted);
    tell(EventLogNotice::Kind::LineInserted, 0, kSpaceLine);
    tell(EventLogNotice::Kind::LineInserted, 0, readOn);
}

// Lines go in at the line counter, which then moves past them. The group
// may have been replaced since the counter was set (a document opened in
// between), so the position is kept inside it.
void EventLogReader::insertLine(const QString& line)
{
    const std::string text = line.toStdString();
    int position = 0;
    {
        const auto held = doc_.lock();
        auto& lines = currentGroup().lines;
        position = std::clamp(lineCounter_, 0, static_cast<int>(lines.size()));
        lines.insert(lines.begin() + position, text);
        doc_.markModified();
    }
    lineCounter_ = position + 1;
    tell(EventLogNotice::Kind::LineInserted, position, text);
}

void EventLogReader::tell(EventLogNotice::Kind kind, long value, std::string line)
{
    sink_.post(EventLogNotice{kind, value, std::move(line)});
}

void EventLogReader::showStatus(int textId)
{
    sink_.post(StatusNotice{Pane::Panel, textId});
}

// 100 when there is nothing to read, so no state divides by zero.
int EventLogReader::percentRead() const
{
    const int count = eventCount_;
    return count > 0 ? std::clamp(eventIndex_ * 100 / count, 0, 100) : 100;
}

// The status pane shows the per cent; it is posted when it changes, not
// with every record.
void EventLogReader::showProgress()
{
    const int percent = percentRead();
    if (percent == shownPercent_)
        return;
    shownPercent_ = percent;
    sink_.post(StatusNotice{Pane::Panel, text_id::kReadEventLogPercent, percent});
    tell(EventLogNotice::Kind::Progress, percent);
}

} // namespace qarvo::eventlog
