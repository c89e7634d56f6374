#include "sim/SimPanel.h"

#include "sim/SimPanelCodes.h"
#include "sim/SimPanelCommands.h"
#include "panel/LayoutTable.h"
#include "panel/PanelModels.h"

#include <algorithm>
#include <condition_variable>

namespace qarvo::sim {

namespace {

using namespace panel_message;

// Where the panel keeps the identification codes, high byte first.
constexpr std::uint16_t kPanelIdAddress = 0x406;
constexpr std::uint16_t kPcIdAddress = 0x408;

// Fallback counts for a type code that is no known model.
constexpr int kDefaultZones = 16;
constexpr int kDefaultPgms = 8;
// Zone descriptor of a fresh panel: type 01 (delayed 1), bypassable.
constexpr std::uint8_t kDefaultZoneDescriptor = 0x21;

constexpr int kMinutesPerDay = 1440;

// A zone's four-byte record: its type, its attributes (bit 5: may be
// bypassed) and, in the fourth byte, its partitions (bit 7 A, bit 6 B). The
// zone descriptor of the status message carries the same bits.
constexpr std::size_t kZoneTypeByte = 0;
constexpr std::size_t kZoneAttributeByte = 1;
constexpr std::size_t kZonePartitionByte = 3;
constexpr std::uint8_t kDescriptorTypeBits = 0x1F;
constexpr std::uint8_t kDescriptorBypassBit = 0x20;
constexpr std::uint8_t kDescriptorPartitionBits = 0xC0;
constexpr std::size_t kZoneRecords = 16;
constexpr int kPgmRecords = 8;

// Request lengths without the check byte.
struct RequestLength {
    std::uint8_t code;
    std::uint8_t length;
};
constexpr RequestLength kRequestLengths[] = {
    {kIdentify, 4}, {kNotice, 2},   {kReadOne, 2},    {kReadFour, 2}, {kWriteOne, 3},
    {kWriteFour, 6}, {kEventLog, 2}, {kStatusPoll, 2}, {kRamOne, 4},   {kRamTwo, 5},
};

bool wellFormed(std::span<const std::uint8_t> m)
{
    const auto found = std::ranges::find(kRequestLengths, m[0], &RequestLength::code);
    return found != std::end(kRequestLengths) && found->length == m.size();
}

std::uint8_t lowByte(unsigned v)
{
    return static_cast<std::uint8_t>(v & 0xFF);
}

StatusClock statusClockOf(const RamClock& c)
{
    const int day = std::max<int>(c.day, 1) - 1;
    return {static_cast<std::uint16_t>(day * kMinutesPerDay + c.hour * 60 + c.minute),
            static_cast<std::uint8_t>(std::max<int>(c.month, 1) - 1), c.year};
}

RamClock ramClockOf(const StatusClock& c, std::uint8_t second)
{
    const int minuteOfDay = c.minuteOfMonth % kMinutesPerDay;
    return {lowByte(c.minuteOfMonth / kMinutesPerDay + 1), lowByte(c.monthIndex + 1u), c.year,
            lowByte(minuteOfDay / 60), lowByte(minuteOfDay % 60), second};
}

} // namespace

SimPanel::SimPanel(SimPanelConfig config) : config_(config)
{
    setTypeCode(config_.typeCode);
    if (config_.zoneCount)
        zoneCount_ = *config_.zoneCount;
    if (config_.pgmCount)
        pgmCount_ = *config_.pgmCount;
    memory_.writeWord(kPanelIdAddress, config_.panelId);
    memory_.writeWord(kPcIdAddress, config_.pcId);
    ram_.write(ramloc::kCondition, config_.condition);
    ram_.setClock(config_.clock);
    for (int pgm = 0; pgm < std::min(pgmCount_, 8); ++pgm)
        ram_.write(lowByte(ramloc::kPgmTypes + pgm), pgmtype::kBistable);
    fitZoneDescriptors();
    challenge_ = config_.challenge;
    eventLog_.setHeader(statusClockOf(config_.clock));
}

void SimPanel::onSessionStart()
{
    std::lock_guard lock(mutex_);
    awaitingResponse_ = false;
    identified_ = false;
    challenge_ = config_.challenge;
    eventLog_.restart();
}

std::vector<Message> SimPanel::onMessage(std::span<const std::uint8_t> message)
{
    std::lock_guard lock(mutex_);
    received_.emplace_back(message.begin(), message.end());
    lastHeard_ = std::chrono::steady_clock::now();
    if (message.empty() || silent_)
        return {};
    Message reply = answer(message);
    if (reply.empty())
        return {};
    return {std::move(reply)};
}

Message SimPanel::answer(std::span<const std::uint8_t> m)
{
    if (!injected_.empty()) {
        Message reply = std::move(injected_.front());
        injected_.pop_front();
        // The accept reply looks the same, but an injected one is a refusal.
        if (reply == Message{kNotice, config_.typeCode})
            ++counters_.refused;
        return reply;
    }
    if (!wellFormed(m))
        return noAnswer();
    if (m[0] == kIdentify)
        return identification(m);
    // The program goes on answering an alarm report the panel has finished.
    if (m[0] == kNotice)
        return m[1] == kAlarmNotice ? Message{kNotice, kAlarmReported} : noAnswer();
    // The panel talks to no one who has not identified.
    if (!identified_)
        return noAnswer();
    switch (m[0]) {
    case kRamOne:
        return ramRequest(m);
    case kRamTwo:
        return ramPairRequest(m);
    case kStatusPoll:
        return statusPoll(m[1]);
    case kEventLog: {
        Message reply = eventLog_.answer(m[1]);
        return reply.empty() ? noAnswer() : reply;
    }
    default:
        return memoryRequest(m);
    }
}

Message SimPanel::noAnswer()
{
    ++counters_.refused;
    return {kNotice, config_.typeCode};
}

Message SimPanel::challengeMessage()
{
    awaitingResponse_ = true;
    identified_ = false;
    ++counters_.challenges;
    return {kIdentify,          config_.typeCode,          lowByte(config_.userRecordCount),
            lowByte(zoneCount_), lowByte(pgmCount_),        lowByte(challenge_ >> 8u),
            lowByte(challenge_)};
}

// The request 05 00 00 10 and the response 05 rH rL 10 look alike: while a
// challenge is open every such message is taken as the response, and a
// wrong one (a fresh request included) simply draws a new challenge.
Message SimPanel::identification(std::span<const std::uint8_t> m)
{
    if (m[3] != kIdentifyTail)
        return noAnswer();
    if (!awaitingResponse_)
        return challengeMessage();
    const auto response = static_cast<std::uint16_t>(m[1] << 8 | m[2]);
    const bool right = response == challengeResponse(challenge_, memory_.readWord(kPcIdAddress));
    if (right && rejectsLeft_ == 0) {
        awaitingResponse_ = false;
        identified_ = true;
        ++counters_.acceptedResponses;
        return {kNotice, config_.typeCode};
    }
    if (rejectsLeft_ > 0)
        --rejectsLeft_;
    ++counters_.rejectedResponses;
    // Each new challenge differs from the last one.
    challenge_ = static_cast<std::uint16_t>(challenge_ * 25173u + 13849u);
    return challengeMessage();
}

// The request carries the low byte of the address; the page register
// supplies the high byte.
std::uint16_t SimPanel::pageAddress(std::uint8_t low) const
{
    return static_cast<std::uint16_t>(ram_.read(ramloc::kPageRegister) << 8 | low);
}

Message SimPanel::memoryRequest(std::span<const std::uint8_t> m)
{
    const std::uint8_t low = m[1];
    const std::uint16_t address = pageAddress(low);
    switch (m[0]) {
    case kReadFour: {
        ++counters_.memoryReads;
        const auto data = memory_.readFour(address);
        return {kReadFourReply, low, data[0], data[1], data[2], data[3]};
    }
    case kReadOne:
        ++counters_.memoryReads;
        return {kReadOneReply, low, memory_.read(address)};
    case kWriteFour:
    case kWriteOne:
        ++counters_.memoryWrites;
        if (writeToDrop_ && *writeToDrop_ >= address && *writeToDrop_ < address + m.size() - 2)
            writeToDrop_.reset();
        else
            memory_.write(address, m.subspan(2));
        return Message(m.begin(), m.end()); // the panel echoes what it wrote
    default:
        return noAnswer();
    }
}

Message SimPanel::ramRequest(std::span<const std::uint8_t> m)
{
    const std::uint8_t op = m[1];
    const std::uint8_t address = m[2];
    const std::uint8_t value = m[3];
    if (op == ramop::kWriteCommand && address == ramloc::kCommandLocation) {
        if (auto reply = commandLocationWrite(value))
            return *reply;
    }
    const auto result = ram_.apply(op, address, value);
    if (!result)
        return noAnswer();
    return {kRamOne, op, address, *result};
}

// Commands written to the command location. The end of the link is
// confirmed with the request's own bytes, after which the panel waits for a
// new identification; a panel set not to confirm answers nothing, one set
// to refuse answers the no-answer message, and either stays connected.
std::optional<Message> SimPanel::commandLocationWrite(std::uint8_t value)
{
    if (value == kEndOfLink) {
        if (config_.refuseEndOfLink)
            return noAnswer();
        if (!config_.confirmEndOfLink)
            return Message{};
        ram_.write(ramloc::kCommandLocation, value);
        ++counters_.endOfLinks;
        identified_ = false;
        awaitingResponse_ = false;
        eventLog_.restart();
        return Message{kRamOne, ramop::kWriteCommand, ramloc::kCommandLocation, value};
    }
    if (value == kInstallerWriteDone) {
        ++counters_.completions;
        programRamFromMemory();
    }
    return std::nullopt; // an ordinary write, answered as such
}

Message SimPanel::ramPairRequest(std::span<const std::uint8_t> m)
{
    const std::uint8_t op = m[1];
    const std::uint8_t address = m[2];
    const Message echo(m.begin(), m.end());
    if (op == ramop::kKeypadCommand) {
        if (address != ramloc::kKeypadCommand)
            return noAnswer();
        const std::uint8_t keypads = ram_.read(ramloc::kKeypadState);
        const std::uint8_t keypads2 = ram_.read(ramloc::kKeypadState2);
        const std::array<std::uint8_t, 2> partitions{ram_.read(ramloc::kPartitionA), ram_.read(ramloc::kPartitionB)};
        if (runKeypadRequest(ram_, m[3], m[4])) {
            activity_.afterKeypadCommand(ram_, partitions, SimPanelActivity::Clock::now());
            ++counters_.keypadCommands;
            if (m[3] == keypad::kLeaveMenus && keypadBusyPresses_ > 0) {
                --keypadBusyPresses_;
                ram_.write(ramloc::kKeypadState, keypads);
                ram_.write(ramloc::kKeypadState2, keypads2);
            }
        }
        return echo;
    }
    if (op == ramop::kPgmChange) {
        if (address != ramloc::kPgmStates)
            return noAnswer();
        runPgmChange(ram_, m[3], pgmCount_);
        return echo;
    }
    const auto first = ram_.apply(op, address, m[3]);
    if (!first)
        return noAnswer();
    const auto second = ram_.apply(op, lowByte(address + 1u), m[4]);
    return {kRamTwo, op, address, *first, *second};
}

Message SimPanel::statusPoll(std::uint8_t poll)
{
    ++counters_.statusMessages;
    activity_.settle(ram_, SimPanelActivity::Clock::now());
    const bool partitionB = status_.partitioned && reportB_;
    if (status_.partitioned)
        reportB_ = !reportB_;
    const PanelStatus s = statusLocked(partitionB);
    return poll == kPollAfterPgmStatus ? zoneStatusMessage(s, zoneCount_) : pgmStatusMessage(s, pgmCount_);
}

PanelStatus SimPanel::statusLocked(bool partitionB) const
{
    PanelStatus s = status_;
    s.reportsPartitionB = s.partitioned && partitionB;
    s.partitionState = ram_.read(s.reportsPartitionB ? ramloc::kPartitionB : ramloc::kPartitionA);
    s.bypassedZones = ram_.bypassedZones(zoneCount_, s.reportsPartitionB);
    s.openZones |= activity_.openZones(SimPanelActivity::Clock::now()) & zonesReported(s);
    s.clock = statusClockOf(ram_.clock());
    s.pgmStates = ram_.read(ramloc::kPgmStates);
    s.pgmTypes.clear();
    for (int pgm = 0; pgm < pgmCount_; ++pgm)
        s.pgmTypes.push_back(ram_.read(lowByte(ramloc::kPgmTypes + pgm)));
    return s;
}

void SimPanel::startAnswerTimeout(std::chrono::milliseconds quiet, Line line)
{
    stopAnswerTimeout();
    {
        std::lock_guard lock(mutex_);
        lastHeard_ = std::chrono::steady_clock::now();
    }
    answerTimer_ = std::jthread(
        [this, quiet, line = std::move(line)](std::stop_token stop) { answerTimer(stop, quiet, line); });
}

void SimPanel::stopAnswerTimeout()
{
    answerTimer_ = {};
}

void SimPanel::answerTimer(std::stop_token stop, std::chrono::milliseconds quiet, const Line& line)
{
    const auto tick = std::max(quiet / 4, std::chrono::milliseconds(1));
    std::mutex sleepMutex;
    std::condition_variable_any wake;
    while (!stop.stop_requested()) {
        {
            std::unique_lock sleep(sleepMutex);
            wake.wait_for(sleep, stop, tick, [] { return false; });
        }
        std::vector<Message> notice;
        {
            std::lock_guard lock(mutex_);
            const auto now = std::chrono::steady_clock::now();
            // From the first challenge on the panel knows a program is there:
            // a lost challenge or response is repeated as any later message.
            if ((identified_ || awaitingResponse_) && !silent_ && now - lastHeard_ >= quiet) {
                lastHeard_ = now;
                ++counters_.answerTimeouts;
                notice.push_back({kNotice, config_.typeCode});
            }
        }
        // Sent without the panel's lock: the line takes the communicator's.
        if (!notice.empty() && !stop.stop_requested())
            line(notice);
    }
}

void SimPanel::setTypeCode(std::uint8_t typeCode)
{
    std::lock_guard lock(mutex_);
    config_.typeCode = typeCode;
    const panel::PanelModel* model = panel::findPanelModel(typeCode);
    zoneCount_ = model ? model->zoneCount : kDefaultZones;
    pgmCount_ = model ? model->pgmCount : kDefaultPgms;
    fitZoneDescriptors();
}

// The zones whose state a status block carries: all of them, or with
// partitions those of the reported partition (descriptor bit 7 for A, 6 for B).
std::uint16_t SimPanel::zonesReported(const PanelStatus& s)
{
    if (!s.partitioned)
        return 0xFFFF;
    const std::uint8_t bit = s.reportsPartitionB ? 0x40 : 0x80;
    std::uint16_t zones = 0;
    for (std::size_t z = 0; z < s.zoneDescriptors.size() && z < 16; ++z)
        if (s.zoneDescriptors[z] & bit)
            zones |= static_cast<std::uint16_t>(1u << z);
    return zones;
}

// Zones that a change of model adds start as fresh zones.
void SimPanel::fitZoneDescriptors()
{
    status_.zoneDescriptors.resize(static_cast<std::size_t>(std::max(zoneCount_, 0)), kDefaultZoneDescriptor);
}

void SimPanel::setCounts(int userRecordCount, int zoneCount, int pgmCount)
{
    std::lock_guard lock(mutex_);
    config_.userRecordCount = userRecordCount;
    zoneCount_ = zoneCount;
    pgmCount_ = pgmCount;
    fitZoneDescriptors();
}

void SimPanel::setIdentificationCodes(std::uint16_t panelId, std::uint16_t pcId)
{
    std::lock_guard lock(mutex_);
    memory_.writeWord(kPanelIdAddress, panelId);
    memory_.writeWord(kPcIdAddress, pcId);
}

void SimPanel::setChallenge(std::uint16_t challenge)
{
    std::lock_guard lock(mutex_);
    config_.challenge = challenge;
    challenge_ = challenge;
}

void SimPanel::rejectResponses(unsigned n)
{
    std::lock_guard lock(mutex_);
    rejectsLeft_ = n;
}

void SimPanel::setConfirmEndOfLink(bool confirm)
{
    std::lock_guard lock(mutex_);
    config_.confirmEndOfLink = confirm;
}

std::uint8_t SimPanel::typeCode() const
{
    std::lock_guard lock(mutex_);
    return config_.typeCode;
}

int SimPanel::zoneCount() const
{
    std::lock_guard lock(mutex_);
    return zoneCount_;
}

int SimPanel::pgmCount() const
{
    std::lock_guard lock(mutex_);
    return pgmCount_;
}

bool SimPanel::identified() const
{
    std::lock_guard lock(mutex_);
    return identified_;
}

void SimPanel::setMemory(std::span<const std::uint8_t> image)
{
    std::lock_guard lock(mutex_);
    memory_.seed(image);
    programRamFromMemory();
}

void SimPanel::programRamFromMemory()
{
    const panel::PanelModel* model = panel::findPanelModel(config_.typeCode);
    if (!model)
        return;
    panel::PanelImage scratch;
    panel::LayoutTable layout;
    layout.build(*model, config_.userRecordCount, scratch);
    fitZoneDescriptors();
    for (std::size_t z = 0; z < status_.zoneDescriptors.size() && z < kZoneRecords; ++z) {
        const panel::eeloc_t at = layout[panel::zoneRecord(static_cast<int>(z) + 1)];
        if (!at.present())
            continue;
        const auto record = memory_.readFour(at.offset);
        status_.zoneDescriptors[z] = static_cast<std::uint8_t>((record[kZoneTypeByte] & kDescriptorTypeBits) |
                                                               (record[kZoneAttributeByte] & kDescriptorBypassBit) |
                                                               (record[kZonePartitionByte] & kDescriptorPartitionBits));
    }
    for (int pgm = 0; pgm < std::min(pgmCount_, kPgmRecords); ++pgm) {
        const panel::eeloc_t at = layout[panel::pgmType(pgm + 1)];
        if (at.present())
            ram_.write(lowByte(ramloc::kPgmTypes + pgm), memory_.read(at.offset));
    }
}

std::vector<std::uint8_t> SimPanel::memory() const
{
    std::lock_guard lock(mutex_);
    return memory_.bytes();
}

std::uint8_t SimPanel::memoryByte(std::uint16_t address) const
{
    std::lock_guard lock(mutex_);
    return memory_.read(address);
}

void SimPanel::writeMemory(std::uint16_t address, std::span<const std::uint8_t> data)
{
    std::lock_guard lock(mutex_);
    memory_.write(address, data);
}

std::uint8_t SimPanel::ram(std::uint8_t address) const
{
    std::lock_guard lock(mutex_);
    return ram_.read(address);
}

void SimPanel::setRam(std::uint8_t address, std::uint8_t value)
{
    std::lock_guard lock(mutex_);
    ram_.write(address, value);
}

void SimPanel::setStatus(const PanelStatus& status)
{
    std::lock_guard lock(mutex_);
    status_ = status;
    fitZoneDescriptors();
    const bool partitionB = status.partitioned && status.reportsPartitionB;
    ram_.write(partitionB ? ramloc::kPartitionB : ramloc::kPartitionA, status.partitionState);
    ram_.setBypassedZones(status.bypassedZones, zoneCount_, partitionB);
    ram_.setClock(ramClockOf(status.clock, ram_.read(ramloc::kClockSecond)));
    ram_.write(ramloc::kPgmStates, status.pgmStates);
    for (int pgm = 0; pgm < pgmCount_ && static_cast<std::size_t>(pgm) < status.pgmTypes.size(); ++pgm)
        ram_.write(lowByte(ramloc::kPgmTypes + pgm), status.pgmTypes[pgm]);
    reportB_ = partitionB;
}

void SimPanel::setActivity(ActivityScript script)
{
    std::lock_guard lock(mutex_);
    activity_ = SimPanelActivity(std::move(script));
}

PanelStatus SimPanel::status(bool partitionB) const
{
    std::lock_guard lock(mutex_);
    return statusLocked(partitionB);
}

void SimPanel::setEventLog(std::vector<EventRecord> oldestFirst, std::size_t unreadCount)
{
    std::lock_guard lock(mutex_);
    eventLog_.setRecords(std::move(oldestFirst), unreadCount);
}

void SimPanel::appendEvent(const EventRecord& record)
{
    std::lock_guard lock(mutex_);
    eventLog_.append(record);
}

void SimPanel::recordEvent(const EventRecord& record)
{
    std::lock_guard lock(mutex_);
    eventLog_.record(record);
}

void SimPanel::setEventLogHeader(const StatusClock& header)
{
    std::lock_guard lock(mutex_);
    eventLog_.setHeader(header);
}

std::vector<EventRecord> SimPanel::eventRecords() const
{
    std::lock_guard lock(mutex_);
    return eventLog_.records();
}

std::size_t SimPanel::unreadEvents() const
{
    std::lock_guard lock(mutex_);
    return eventLog_.unreadCount();
}

void SimPanel::answerNoAnswer(unsigned n)
{
    std::lock_guard lock(mutex_);
    for (unsigned i = 0; i < n; ++i)
        injected_.push_back({kNotice, config_.typeCode});
}

void SimPanel::reportAlarm(unsigned repeats)
{
    std::lock_guard lock(mutex_);
    for (unsigned i = 0; i <= repeats; ++i)
        injected_.push_back({kNotice, kAlarmNotice});
    injected_.push_back({kNotice, kAlarmReported});
}

void SimPanel::injectReplies(const std::vector<Message>& replies)
{
    std::lock_guard lock(mutex_);
    injected_.insert(injected_.end(), replies.begin(), replies.end());
}

void SimPanel::dropWriteAt(std::uint16_t address)
{
    std::lock_guard lock(mutex_);
    writeToDrop_ = address;
}

void SimPanel::setSilent(bool silent)
{
    std::lock_guard lock(mutex_);
    silent_ = silent;
}

void SimPanel::keepKeypadsBusy(unsigned presses)
{
    std::lock_guard lock(mutex_);
    keypadBusyPresses_ = presses;
}

std::vector<Message> SimPanel::received() const
{
    std::lock_guard lock(mutex_);
    return received_;
}

void SimPanel::clearReceived()
{
    std::lock_guard lock(mutex_);
    received_.clear();
}

SimPanelCounters SimPanel::counters() const
{
    std::lock_guard lock(mutex_);
    return counters_;
}

} // namespace qarvo::sim
