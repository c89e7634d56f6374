// Bypass and unbypass a zone: the panel inverts the zone's bypass bit, so
// both operations send the same requests. Before that the zone's record in
// programming memory must allow bypassing (and, on a partitioned panel, put
// the zone in a partition), and the partitions concerned must be disarmed.
#include "base/TextIds.h"
#include "operations/CommandTransactions.h"

namespace qarvo::operations::command {

namespace {

using namespace command_ram;

constexpr int kSteps = 8;

using panel_code::kReadFour;
using panel_code::kReadFourReply;
using panel_code::kReadOne;
using panel_code::kReadOneReply;

// The zone record: the attribute byte follows the zone type; bit 5 of it
// allows bypassing. Two bytes further on, bits 7 and 6 put the zone in
// partitions A and B.
constexpr std::uint16_t kAttributeOffset = 1;
constexpr std::uint8_t kBypassable = 0x20;
constexpr std::uint8_t kInPartitionA = 0x80;
constexpr std::uint8_t kInPartitionB = 0x40;

class BypassCommand final : public OperationStep {
public:
    explicit BypassCommand(CommandHost& host) : host_(host) {}

    void run(StepIo& io) override
    {
        io.percent = progress(io.step, kSteps);
        switch (io.step) {
        case 1: start(io); return;
        case 2: onPageSelected(io); return;
        case 4: partitioned_ ? onRecord(io) : onAttribute(io); return;
        case 6: partitioned_ ? onPartitionStates(io) : onSystemState(io); return;
        case 8: onInverted(io); return;
        default: finish(host_, io.out); return;
        }
    }

private:
    long zoneNumber() const { return zone_ + 1; }

    void refuse(StepIo& io, int textId, bool withZone = true)
    {
        host_.showMessage(MessageNotice{textId, withZone ? std::optional<long>(zoneNumber()) : std::nullopt});
        finish(host_, io.out);
    }

    void start(StepIo& io)
    {
        zone_ = host_.argument();
        partitioned_ = host_.partitioned();
        const auto where = bypassBit(zone_, host_.zoneCount());
        const auto record = host_.zoneRecordAddress(zone_);
        // Panels with 8 zones or fewer keep no bypass bits: the zone cannot be bypassed.
        if (!where || !record)
            return refuse(io, text_id::kZoneNotBypassable);
        bit_ = *where;
        const auto attribute = static_cast<std::uint16_t>(*record + kAttributeOffset);
        page_ = static_cast<std::uint8_t>(attribute >> 8);
        attribute_ = static_cast<std::uint8_t>(attribute);
        request_.build(io.out, {panel_code::kRamOne, ram_op::kWrite, link::panel_location::kPageRegister, page_});
        io.step = 2;
    }

    void onPageSelected(StepIo& io)
    {
        if (!request_.echoedBy(io.reply, 4))
            return request_.repeat(io.out);
        if (partitioned_)
            request_.build(io.out, {kReadFour, attribute_});
        else
            request_.build(io.out, {kReadOne, attribute_});
        io.step = 4;
    }

    void onAttribute(StepIo& io)
    {
        if (!io.reply.startsWith({kReadOneReply, attribute_}) || io.reply.count < 3)
            return request_.repeat(io.out);
        if (!(io.reply.at(2) & kBypassable))
            return refuse(io, text_id::kZoneNotBypassable);
        request_.build(io.out, {panel_code::kRamOne, ram_op::kRead, kPartitionAState, 0x00});
        io.step = 6;
    }

    void onSystemState(StepIo& io)
    {
        if (!io.reply.startsWith({panel_code::kRamOne, ram_op::kRead, kPartitionAState}) || io.reply.count < 4)
            return request_.repeat(io.out);
        if (io.reply.at(3) & kBusyMask)
            return refuse(io, text_id::kSystemMustBeDisarmedToBypass, false);
        request_.build(io.out, {panel_code::kRamOne, ram_op::kInvertBits, bit_.location, bit_.mask});
        io.step = 8;
    }

    void onRecord(StepIo& io)
    {
        if (!io.reply.startsWith({kReadFourReply, attribute_}) || io.reply.count < 6)
            return request_.repeat(io.out);
        if (!(io.reply.at(2) & kBypassable))
            return refuse(io, text_id::kZoneNotBypassable);
        partitions_ = io.reply.at(4) & (kInPartitionA | kInPartitionB);
        if (!partitions_)
            return refuse(io, text_id::kZoneWithoutPartition);
        request_.build(io.out, {panel_code::kRamTwo, ram_op::kRead, kPartitionAState, 0x00, 0x00});
        io.step = 6;
    }

    void onPartitionStates(StepIo& io)
    {
        if (!io.reply.startsWith({panel_code::kRamTwo, ram_op::kRead, kPartitionAState}) || io.reply.count < 5)
            return request_.repeat(io.out);
        const bool busyA = io.reply.at(3) & kBusyMask;
        const bool busyB = io.reply.at(4) & kBusyMask;
        const bool inA = partitions_ & kInPartitionA;
        const bool inB = partitions_ & kInPartitionB;
        if (inA && inB && busyA && busyB)
            return refuse(io, text_id::kOnePartitionMustBeDisarmedToBypass);
        if (inA && !inB && busyA)
            return refuse(io, text_id::kPartitionAMustBeDisarmedToBypass);
        if (inB && !inA && busyB)
            return refuse(io, text_id::kPartitionBMustBeDisarmedToBypass);
        request_.build(io.out, {panel_code::kRamTwo, ram_op::kInvertBits, bit_.location,
                                static_cast<std::uint8_t>(inA ? bit_.mask : 0),
                                static_cast<std::uint8_t>(inB ? bit_.mask : 0)});
        io.step = 8;
    }

    void onInverted(StepIo& io)
    {
        if (request_.echoedBy(io.reply, 3))
            return finish(host_, io.out);
        request_.repeat(io.out);
    }

    CommandHost& host_;
    Request request_;
    int zone_ = 0;
    bool partitioned_ = false;
    BypassBit bit_;
    std::uint8_t page_ = 0;
    std::uint8_t attribute_ = 0;
    std::uint8_t partitions_ = 0;
};

} // namespace

std::unique_ptr<OperationStep> makeBypassCommand(CommandHost& host) { return std::make_unique<BypassCommand>(host); }

} // namespace qarvo::operations::command
