#include "operations/CommandTransactions.h"

#include "operations/OperationWorker.h"
#include "panel/LayoutTable.h"
#include "panel/PanelIdentity.h"
#include "panel/Setting.h"

#include <algorithm>

namespace qarvo::operations {

// ---------------------------------------------------------------- host

WorkerCommandHost::WorkerCommandHost(OperationWorker& worker, const panel::PanelIdentity& identity,
                                     const panel::LayoutTable& layout)
    : worker_(worker), identity_(identity), layout_(layout)
{
}

int WorkerCommandHost::argument() const { return worker_.argument(); }
bool WorkerCommandHost::partitioned() const { return worker_.partitioned(); }
int WorkerCommandHost::zoneCount() const { return identity_.zoneCount; }
int WorkerCommandHost::pgmCount() const { return identity_.pgmCount; }

std::optional<std::uint16_t> WorkerCommandHost::zoneRecordAddress(int zone) const
{
    constexpr int kZoneSettings = static_cast<int>(panel::Setting::Zone16) - static_cast<int>(panel::Setting::Zone01) + 1;
    if (zone < 0 || zone >= kZoneSettings)
        return std::nullopt;
    const auto setting = static_cast<panel::Setting>(static_cast<int>(panel::Setting::Zone01) + zone);
    const panel::eeloc_t& record = layout_[setting];
    if (!record.present())
        return std::nullopt;
    return record.offset;
}

void WorkerCommandHost::showMessage(const MessageNotice& message) { worker_.link().sink.post(message); }

void WorkerCommandHost::enterIdle() { worker_.enterIdle(); }

// ---------------------------------------------------------------- factory

std::unique_ptr<OperationStep> makeCommandStep(int code, CommandHost& host, const Clock& clock)
{
    switch (code) {
    case kArm:
    case kStopAutoarm:
    case kDisarm:
        return command::makePartitionCommand(code, host);
    case kSetClock:
        return command::makeClockCommand(host, clock);
    case kToggleChime:
        return command::makeChimeCommand(host);
    case kBypass:
    case kUnbypass:
        return command::makeBypassCommand(host);
    case kChangePgm:
        return command::makePgmCommand(host);
    default:
        return nullptr;
    }
}

namespace {

// A step that shares the ownership of the host it runs with.
class HostedStep final : public OperationStep {
public:
    HostedStep(std::shared_ptr<CommandHost> host, std::unique_ptr<OperationStep> step)
        : host_(std::move(host)), step_(std::move(step))
    {
    }
    void begin() override { step_->begin(); }
    void run(StepIo& io) override { step_->run(io); }

private:
    std::shared_ptr<CommandHost> host_;
    std::unique_ptr<OperationStep> step_;
};

} // namespace

std::vector<CommandStep> makeCommandSteps(OperationWorker& worker, const panel::PanelIdentity& identity,
                                          const panel::LayoutTable& layout, const Clock& clock)
{
    const auto host = std::make_shared<WorkerCommandHost>(worker, identity, layout);
    std::vector<CommandStep> steps;
    for (int code = kArm; code <= kChangePgm; ++code)
        steps.push_back({code, std::make_unique<HostedStep>(host, makeCommandStep(code, *host, clock))});
    return steps;
}

// ---------------------------------------------------------------- shared

namespace command {

std::uint8_t progress(int step, int of)
{
    if (of <= 0)
        return 100;
    return static_cast<std::uint8_t>(std::clamp(step * 100 / of, 0, 100));
}

std::uint8_t toggleFor(std::uint8_t control)
{
    return (control & command_ram::kToggleMask) ? 0 : command_ram::kToggleMask;
}

bool sameToggle(std::uint8_t a, std::uint8_t b)
{
    return (a & command_ram::kToggleMask) == (b & command_ram::kToggleMask);
}

void finish(CommandHost& host, CCommBuff& out)
{
    host.enterIdle();
    link::buildMessage(out, link::fixed_message::kStatusPoll);
}

void Request::build(CCommBuff& out, std::initializer_list<std::uint8_t> bytes)
{
    count_ = std::min(bytes.size(), bytes_.size());
    std::copy_n(bytes.begin(), count_, bytes_.begin());
    repeat(out);
}

void Request::repeat(CCommBuff& out) const { link::buildMessage(out, {bytes_.data(), count_}); }

bool Request::echoedBy(const CCommBuff& reply, std::size_t length) const
{
    length = std::min(length, count_);
    if (reply.count < length)
        return false;
    return std::equal(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(length), reply.data.begin());
}

std::optional<BypassBit> bypassBit(int zone, int zoneCount)
{
    constexpr int kZonesWithoutBypass = 8;
    if (zoneCount <= kZonesWithoutBypass || zone < 0 || zone >= zoneCount)
        return std::nullopt;
    const int half = zoneCount / 2;
    const bool low = zone < half;
    const int bitNumber = low ? 7 - zone : half - zone + 7;
    // Only panels of up to 16 zones keep their bypass bits in two bytes.
    if (bitNumber < 0 || bitNumber > 7)
        return std::nullopt;
    return BypassBit{low ? command_ram::kBypassLow : command_ram::kBypassHigh,
                     static_cast<std::uint8_t>(1u << bitNumber)};
}

} // namespace command

} // namespace qarvo::operations
