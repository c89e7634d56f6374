// Set date and time. The panel takes a new clock only while its keypads are
// out of their menus: the transaction presses the key that leaves the menus
// until the keypad state locations show the keypads free, writes the clock
// locations from the computer's local time, then sets the control bits that
// make the panel take the new clock.
#include "operations/CommandTransactions.h"

namespace qarvo::operations::command {

namespace {

using namespace command_ram;

constexpr int kSteps = 18;

// Keypads are free when the first state location reads 0 and the second
// has none of these bits set.
constexpr std::uint8_t kKeypadBusyBits = 0x5F;
constexpr std::uint8_t kKeepAllButDoneBitA = static_cast<std::uint8_t>(~bit(kClockDoneBitA));
constexpr std::uint8_t kDoneBits = bit(kClockDoneBitA) | bit(kClockDoneBitB);

// The clock fields as the panel's clock locations hold them.
struct ClockFields {
    std::uint8_t day = 0;
    std::uint8_t month = 0;
    std::uint8_t year = 0;
    std::uint8_t hour = 0xFF;
    std::uint8_t minute = 0xFF;
    std::uint8_t second = 0xFF;
};

std::uint8_t byteOf(int value) { return static_cast<std::uint8_t>(value); }

// A time that cannot be read goes out as day, month and year 0 and hour,
// minute and second 255.
ClockFields fieldsOf(const std::optional<LocalTime>& time)
{
    if (!time)
        return {};
    return {byteOf(time->day),  byteOf(time->month),  byteOf(time->year % 100),
            byteOf(time->hour), byteOf(time->minute), byteOf(time->second)};
}

class ClockCommand final : public OperationStep {
public:
    ClockCommand(CommandHost& host, const Clock& clock) : host_(host), clock_(clock) {}

    void run(StepIo& io) override
    {
        io.percent = progress(io.step, kSteps);
        switch (io.step) {
        case 1:
            fields_ = fieldsOf(clock_.localTime());
            readControl(io);
            return;
        case 2: onControl(io); return;
        case 4: onKeypadState(io); return;
        case 6: onLeaveMenusEcho(io); return;
        case 8: onWrite(io, {panel_code::kRamTwo, ram_op::kWrite, kClockYearHour, fields_.year, fields_.hour}, 10); return;
        case 10: onWrite(io, {panel_code::kRamTwo, ram_op::kWrite, kClockMinuteSecond, fields_.minute, fields_.second}, 12); return;
        case 12: onWrite(io, {panel_code::kRamOne, ram_op::kKeepBits, kClockControl, kKeepAllButDoneBitA}, 14); return;
        case 14: onDoneBitCleared(io); return;
        case 16: onDoneBitsSet(io); return;
        case 18: onControlCheck(io); return;
        default: end(io); return;
        }
    }

private:
    bool isRead(const CCommBuff& reply, std::uint8_t location) const
    {
        return reply.startsWith({panel_code::kRamOne, ram_op::kRead, location}) && reply.count >= 4;
    }

    void readControl(StepIo& io)
    {
        request_.build(io.out, {panel_code::kRamOne, ram_op::kRead, kClockControl, 0x00});
        io.step = 2;
    }

    void onControl(StepIo& io)
    {
        if (!isRead(io.reply, kClockControl))
            return request_.repeat(io.out);
        toggle_ = toggleFor(io.reply.at(3));
        readKeypadState(io);
    }

    void readKeypadState(StepIo& io)
    {
        request_.build(io.out, {panel_code::kRamTwo, ram_op::kRead, kKeypadState, 0x00, 0x00});
        io.step = 4;
    }

    void onKeypadState(StepIo& io)
    {
        if (!io.reply.startsWith({panel_code::kRamTwo, ram_op::kRead, kKeypadState}) || io.reply.count < 5)
            return request_.repeat(io.out);
        if (io.reply.at(3) == 0 && (io.reply.at(4) & kKeypadBusyBits) == 0) {
            request_.build(io.out, {panel_code::kRamTwo, ram_op::kWrite, kClockDayMonth, fields_.day, fields_.month});
            io.step = 8;
            return;
        }
        request_.build(io.out, {panel_code::kRamTwo, ram_op::kKeypadCommand, kKeypadCommand, keypad_command::kLeaveMenus, toggle_});
        io.step = 6;
    }

    void onLeaveMenusEcho(StepIo& io)
    {
        if (!io.reply.startsWith({panel_code::kRamTwo, ram_op::kKeypadCommand, kKeypadCommand, keypad_command::kLeaveMenus}) ||
            io.reply.count < 5 || !sameToggle(io.reply.at(4), toggle_))
            return request_.repeat(io.out);
        toggle_ ^= kToggleMask;
        readKeypadState(io);
    }

    // A write is confirmed by its own five bytes; then the next request goes out.
    void onWrite(StepIo& io, std::initializer_list<std::uint8_t> next, std::uint8_t nextStep)
    {
        if (!request_.echoedBy(io.reply, 5))
            return request_.repeat(io.out);
        request_.build(io.out, next);
        io.step = nextStep;
    }

    void onDoneBitCleared(StepIo& io)
    {
        if (!io.reply.startsWith({panel_code::kRamOne, ram_op::kKeepBits, kClockControl}) || io.reply.count < 4 ||
            (io.reply.at(3) & bit(kClockDoneBitA)))
            return request_.repeat(io.out);
        setDoneBits(io);
    }

    void setDoneBits(StepIo& io)
    {
        request_.build(io.out, {panel_code::kRamOne, ram_op::kSetBits, kClockControl, kDoneBits});
        io.step = 16;
    }

    void onDoneBitsSet(StepIo& io)
    {
        if (request_.echoedBy(io.reply, 4))
            return end(io);
        request_.build(io.out, {panel_code::kRamOne, ram_op::kRead, kClockControl, 0x00});
        io.step = 18;
    }

    void onControlCheck(StepIo& io)
    {
        if (!isRead(io.reply, kClockControl))
            return request_.repeat(io.out);
        if (io.reply.at(3) & bit(kClockDoneBitA))
            return end(io);
        setDoneBits(io);
    }

    // The clock setting ends with the transfer end message, as a page
    // transfer does, instead of the status poll.
    void end(StepIo& io)
    {
        host_.enterIdle();
        link::buildMessage(io.out, link::fixed_message::kTransferEnd);
    }

    CommandHost& host_;
    const Clock& clock_;
    Request request_;
    ClockFields fields_;
    std::uint8_t toggle_ = 0;
};

} // namespace

std::unique_ptr<OperationStep> makeClockCommand(CommandHost& host, const Clock& clock)
{
    return std::make_unique<ClockCommand>(host, clock);
}

} // namespace qarvo::operations::command
