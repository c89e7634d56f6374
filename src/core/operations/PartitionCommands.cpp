// Arm, stop autoarming and disarm. All three send the same keypad command
// for the target partition (the panel toggles the partition through its
// states); they differ only in the state in which they refuse.
#include "base/TextIds.h"
#include "operations/CommandTransactions.h"
#include "operations/StatusDecoder.h"

#include <span>

namespace qarvo::operations::command {

namespace {

using namespace command_ram;

constexpr int kSteps = 6;

// The refusal texts of one condition: panel not partitioned, partition A, partition B.
struct RefusalTexts {
    int system;
    int partitionA;
    int partitionB;
};

// A refusal test on the partition state byte and the texts it shows.
struct Refusal {
    bool (*applies)(std::uint8_t state);
    RefusalTexts texts;
};

constexpr bool armed(std::uint8_t state) { return state & bit(kArmedBit); }
constexpr bool inExitTime(std::uint8_t state) { return state & bit(kExitTimeBit); }
// Only the autoarming bit set, or nothing at all.
constexpr bool notWithinAutoarming(std::uint8_t state)
{
    return (state & static_cast<std::uint8_t>(~bit(kAutoarmIgnoredBit))) == 0;
}
constexpr bool disarmed(std::uint8_t state) { return !(state & kBusyMask); }

using namespace text_id;
constexpr Refusal kArmRefusals[] = {
    {armed, {kPanelAlreadyArmed, kPartitionAAlreadyArmed, kPartitionBAlreadyArmed}},
    {inExitTime, {kPanelWithinExitTime, kPartitionAWithinExitTime, kPartitionBWithinExitTime}},
};
constexpr Refusal kStopAutoarmRefusals[] = {
    {notWithinAutoarming,
     {kSystemNotWithinAutoarming, kPartitionANotWithinAutoarming, kPartitionBNotWithinAutoarming}},
};
constexpr Refusal kDisarmRefusals[] = {
    {disarmed, {kPanelAlreadyDisarmed, kPartitionAAlreadyDisarmed, kPartitionBAlreadyDisarmed}},
};

std::span<const Refusal> refusalsOf(int code)
{
    switch (code) {
    case kArm: return kArmRefusals;
    case kStopAutoarm: return kStopAutoarmRefusals;
    default: return kDisarmRefusals;
    }
}

class PartitionCommand final : public OperationStep {
public:
    PartitionCommand(int code, CommandHost& host) : refusals_(refusalsOf(code)), host_(host) {}

    void run(StepIo& io) override
    {
        io.percent = progress(io.step, kSteps);
        switch (io.step) {
        case 1:
            start(io);
            return;
        case 2:
            onState(io);
            return;
        case 4:
            onControl(io);
            return;
        case 6:
            onEcho(io);
            return;
        default:
            finish(host_, io.out);
            return;
        }
    }

private:
    void start(StepIo& io)
    {
        partitionA_ = host_.argument() == operations::kPartitionA;
        location_ = partitionA_ ? kPartitionAState : kPartitionBState;
        command_ = partitionA_ ? keypad_command::kPartitionA : keypad_command::kPartitionB;
        request_.build(io.out, {panel_code::kRamOne, ram_op::kRead, location_, 0x00});
        io.step = 2;
    }

    void onState(StepIo& io)
    {
        if (!io.reply.startsWith({panel_code::kRamOne, ram_op::kRead, location_}) || io.reply.count < 4) {
            request_.repeat(io.out);
            return;
        }
        const std::uint8_t state = io.reply.at(3);
        for (const Refusal& refusal : refusals_) {
            if (refusal.applies(state)) {
                host_.showMessage(MessageNotice{textFor(refusal.texts), {}});
                finish(host_, io.out);
                return;
            }
        }
        request_.build(io.out, {panel_code::kRamOne, ram_op::kRead, kToggleLocation, 0x00});
        io.step = 4;
    }

    void onControl(StepIo& io)
    {
        if (!io.reply.startsWith({panel_code::kRamOne, ram_op::kRead, kToggleLocation}) || io.reply.count < 4) {
            request_.repeat(io.out);
            return;
        }
        toggle_ = toggleFor(io.reply.at(3));
        sendCommand(io);
    }

    void sendCommand(StepIo& io)
    {
        request_.build(io.out, {panel_code::kRamTwo, ram_op::kKeypadCommand, kKeypadCommand, command_, toggle_});
        io.step = 6;
    }

    void onEcho(StepIo& io)
    {
        if (io.reply.startsWith({panel_code::kRamTwo, ram_op::kKeypadCommand, kKeypadCommand, command_}) &&
            io.reply.count >= 5 && sameToggle(io.reply.at(4), toggle_)) {
            finish(host_, io.out);
            return;
        }
        request_.repeat(io.out);
    }

    int textFor(const RefusalTexts& texts) const
    {
        if (!host_.partitioned())
            return texts.system;
        return partitionA_ ? texts.partitionA : texts.partitionB;
    }

    std::span<const Refusal> refusals_;
    CommandHost& host_;
    Request request_;
    bool partitionA_ = true;
    std::uint8_t location_ = kPartitionAState;
    std::uint8_t command_ = keypad_command::kPartitionA;
    std::uint8_t toggle_ = 0;
};

} // namespace

std::unique_ptr<OperationStep> makePartitionCommand(int code, CommandHost& host)
{
    return std::make_unique<PartitionCommand>(code, host);
}

} // namespace qarvo::operations::command
