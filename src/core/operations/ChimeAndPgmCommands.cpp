// Toggle the chime of both partitions, and switch a PGM output.
#include "base/TextIds.h"
#include "operations/CommandTransactions.h"

#include <algorithm>

namespace qarvo::operations::command {

namespace {

using namespace command_ram;

// Chime and PGM progress: step × 25.
constexpr int kSteps = 4;

class ChimeCommand final : public OperationStep {
public:
    explicit ChimeCommand(CommandHost& host) : host_(host) {}

    void run(StepIo& io) override
    {
        io.percent = progress(io.step, kSteps);
        switch (io.step) {
        case 1:
            request_.build(io.out, {panel_code::kRamOne, ram_op::kRead, kPartitionAState, 0x00});
            io.step = 2;
            return;
        case 2:
            onState(io);
            return;
        case 4:
            if (request_.echoedBy(io.reply, 5))
                return finish(host_, io.out);
            return request_.repeat(io.out);
        default:
            return finish(host_, io.out);
        }
    }

private:
    // The chime bit of partition A decides for both partitions.
    void onState(StepIo& io)
    {
        if (!io.reply.startsWith({panel_code::kRamOne, ram_op::kRead, kPartitionAState}) || io.reply.count < 4)
            return request_.repeat(io.out);
        constexpr std::uint8_t kChime = bit(kChimeBit);
        constexpr std::uint8_t kKeepAllButChime = static_cast<std::uint8_t>(~kChime);
        if (io.reply.at(3) & kChime)
            request_.build(io.out, {panel_code::kRamTwo, ram_op::kKeepBits, kPartitionAState, kKeepAllButChime, kKeepAllButChime});
        else
            request_.build(io.out, {panel_code::kRamTwo, ram_op::kSetBits, kPartitionAState, kChime, kChime});
        io.step = 4;
    }

    CommandHost& host_;
    Request request_;
};

// Output types that follow a change request from the computer.
constexpr std::uint8_t kSwitchablePgmTypes[] = {
    0x47, // retriggerable monostable
    0x48, // resettable monostable
    0x49, // bistable
    0x20, // clock timer
};
constexpr int kPgmsInStateMap = 8;

bool switchable(std::uint8_t type) { return std::ranges::find(kSwitchablePgmTypes, type) != std::end(kSwitchablePgmTypes); }

class PgmCommand final : public OperationStep {
public:
    explicit PgmCommand(CommandHost& host) : host_(host) {}

    void run(StepIo& io) override
    {
        io.percent = progress(io.step, kSteps);
        switch (io.step) {
        case 1:
            start(io);
            return;
        case 2:
            onType(io);
            return;
        case 4:
            if (io.reply.startsWith({panel_code::kRamTwo, ram_op::kPgmChange, kPgmCommand}))
                return finish(host_, io.out);
            return request_.repeat(io.out);
        default:
            return finish(host_, io.out);
        }
    }

private:
    void start(StepIo& io)
    {
        pgm_ = host_.argument();
        // The state map has a bit for each of the first eight outputs only.
        if (pgm_ < 0 || pgm_ >= std::min(host_.pgmCount(), kPgmsInStateMap))
            return finish(host_, io.out);
        typeLocation_ = static_cast<std::uint8_t>(kPgmTypes + pgm_);
        request_.build(io.out, {panel_code::kRamOne, ram_op::kReadSecondForm, typeLocation_, 0x00});
        io.step = 2;
    }

    void onType(StepIo& io)
    {
        if (!io.reply.startsWith({panel_code::kRamOne, ram_op::kReadSecondForm, typeLocation_}) || io.reply.count < 4)
            return request_.repeat(io.out);
        if (!switchable(io.reply.at(3))) {
            // The text names the chosen output, counted from 1.
            host_.showMessage(MessageNotice{text_id::kPgm1NotSwitchable, pgm_ + 1});
            return finish(host_, io.out);
        }
        const auto mask = static_cast<std::uint8_t>(0x80u >> pgm_);
        request_.build(io.out, {panel_code::kRamTwo, ram_op::kPgmChange, kPgmCommand, mask, mask});
        io.step = 4;
    }

    CommandHost& host_;
    Request request_;
    int pgm_ = 0;
    std::uint8_t typeLocation_ = kPgmTypes;
};

} // namespace

std::unique_ptr<OperationStep> makeChimeCommand(CommandHost& host) { return std::make_unique<ChimeCommand>(host); }

std::unique_ptr<OperationStep> makePgmCommand(CommandHost& host) { return std::make_unique<PgmCommand>(host); }

} // namespace qarvo::operations::command
