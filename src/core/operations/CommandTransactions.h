#pragma once
// The panel command transactions of the operation worker (codes 8 to 15):
// arm, stop autoarming, disarm, set the panel clock, toggle the chime,
// bypass or unbypass a zone and change a PGM output. Each reads the panel
// state it depends on from the panel's RAM, refuses with a message when the
// panel is not in a state that allows the command, and otherwise writes the
// command and waits for its echo. A reply that is not the expected one
// makes the step send its request again; the worker's reply time-out bounds
// the waiting.
#include "base/Clock.h"
#include "base/NoticeSink.h"
#include "link/PanelMessage.h"
#include "operations/OperationCodes.h"
#include "panel/RamLocations.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

namespace qarvo::panel {
class LayoutTable;
struct PanelIdentity;
} // namespace qarvo::panel

namespace qarvo::operations {

class OperationWorker;

// The panel RAM locations and bits the commands use, from the panel RAM
// location table (the same for every model).
namespace command_ram {
using panel::kRamLocations;
inline constexpr std::uint8_t kKeypadState = kRamLocations[1]; // two locations, read together
inline constexpr std::uint8_t kClockControl = kRamLocations[3];
inline constexpr std::uint8_t kClockDoneBitA = kRamLocations[4];
inline constexpr std::uint8_t kClockDoneBitB = kRamLocations[5];
inline constexpr std::uint8_t kNoBypassLocation = kRamLocations[9];
inline constexpr std::uint8_t kKeypadCommand = kRamLocations[10];
inline constexpr std::uint8_t kToggleLocation = kRamLocations[11];
inline constexpr std::uint8_t kToggleBit = kRamLocations[12];
inline constexpr std::uint8_t kPartitionAState = kRamLocations[17]; // also the whole system
inline constexpr std::uint8_t kArmedBit = kRamLocations[18];
inline constexpr std::uint8_t kAutoarmIgnoredBit = kRamLocations[19];
inline constexpr std::uint8_t kExitTimeBit = kRamLocations[20];
inline constexpr std::uint8_t kChimeBit = kRamLocations[22];
inline constexpr std::uint8_t kPartitionBState = kRamLocations[30];
inline constexpr std::uint8_t kPgmCommand = kRamLocations[31];
inline constexpr std::uint8_t kBypassLow = kRamLocations[35];  // partition B at the next location
inline constexpr std::uint8_t kBypassHigh = kRamLocations[37]; // partition B at the next location
inline constexpr std::uint8_t kClockDayMonth = kRamLocations[42];
inline constexpr std::uint8_t kClockYearHour = kRamLocations[44];
inline constexpr std::uint8_t kClockMinuteSecond = kRamLocations[46];
inline constexpr std::uint8_t kPgmTypes = kRamLocations[50]; // PGM n at kPgmTypes + n - 1

constexpr std::uint8_t bit(std::uint8_t number) { return static_cast<std::uint8_t>(1u << number); }
inline constexpr std::uint8_t kToggleMask = bit(kToggleBit);
// A partition that is armed or counting its exit time.
inline constexpr std::uint8_t kBusyMask = bit(kArmedBit) | bit(kExitTimeBit);
} // namespace command_ram

// The message codes and RAM operation bytes of the requests.
namespace panel_code = link::panel_code;
namespace ram_op = link::ram_op;

// Keypad command codes written to the keypad command location.
namespace keypad_command {
inline constexpr std::uint8_t kPartitionA = 0xCC; // also the whole system
inline constexpr std::uint8_t kPartitionB = 0xAC;
inline constexpr std::uint8_t kLeaveMenus = 0x0B;
} // namespace keypad_command

// What a command transaction needs from the worker that runs it.
class CommandHost {
public:
    virtual ~CommandHost() = default;
    // The operation argument: the partition (1 = A), the zone index or the PGM index.
    virtual int argument() const = 0;
    // The panel's last status message reported partitions in use.
    virtual bool partitioned() const = 0;
    virtual int zoneCount() const = 0;
    virtual int pgmCount() const = 0;
    // Programming-memory address of the zone's four-byte record; nullopt when
    // the model has no such zone.
    virtual std::optional<std::uint16_t> zoneRecordAddress(int zone) const = 0;
    // A message box for the user.
    virtual void showMessage(const MessageNotice& message) = 0;
    // Back to the idle poll.
    virtual void enterIdle() = 0;
};

// The host of the transactions run by an operation worker: the worker's
// argument, partition flag and idle entry, the panel identity's counts and
// the layout's zone records.
class WorkerCommandHost final : public CommandHost {
public:
    WorkerCommandHost(OperationWorker& worker, const panel::PanelIdentity& identity,
                      const panel::LayoutTable& layout);
    int argument() const override;
    bool partitioned() const override;
    int zoneCount() const override;
    int pgmCount() const override;
    std::optional<std::uint16_t> zoneRecordAddress(int zone) const override;
    void showMessage(const MessageNotice& message) override;
    void enterIdle() override;

private:
    OperationWorker& worker_;
    const panel::PanelIdentity& identity_;
    const panel::LayoutTable& layout_;
};

// The step machine of one command operation (codes 8 to 15), or nullptr for
// any other code. clock gives the local time of the clock setting.
std::unique_ptr<OperationStep> makeCommandStep(int code, CommandHost& host, const Clock& clock = systemClock());

// The eight command steps of a worker with the panel identity and layout
// they read, each with its operation code, for OperationWorker::setStep.
// The steps keep their host alive.
struct CommandStep {
    int code = 0;
    std::unique_ptr<OperationStep> step;
};
std::vector<CommandStep> makeCommandSteps(OperationWorker& worker, const panel::PanelIdentity& identity,
                                          const panel::LayoutTable& layout, const Clock& clock = systemClock());

// Shared by the transactions.
namespace command {

// Progress of step `step` out of `of`, at most 100.
std::uint8_t progress(int step, int of);

// The toggle value to send with the next keypad command: the command toggle
// bit inverted from the one the control location holds.
std::uint8_t toggleFor(std::uint8_t control);
bool sameToggle(std::uint8_t a, std::uint8_t b);

// The transaction is over: the worker returns to the idle poll and the
// status poll goes out.
void finish(CommandHost& host, CCommBuff& out);

// Builds a request and keeps a copy to send again while its reply has not come.
class Request {
public:
    void build(CCommBuff& out, std::initializer_list<std::uint8_t> bytes);
    void repeat(CCommBuff& out) const;
    // The reply repeats the request's first `length` bytes.
    bool echoedBy(const CCommBuff& reply, std::size_t length) const;

private:
    std::array<std::uint8_t, 8> bytes_{};
    std::size_t count_ = 0;
};

// A zone's bypass bit: the partition A location (partition B's is the next
// one) and the bit mask within it.
struct BypassBit {
    std::uint8_t location = command_ram::kNoBypassLocation;
    std::uint8_t mask = 0;
    friend bool operator==(const BypassBit&, const BypassBit&) = default;
};
// With more than 8 zones the lower half of the zones (index below Z / 2) has
// its bits in the low location, zone 1 in bit 7; the upper half in the high
// location, the first zone of that half in bit 7. Panels with 8 zones or
// fewer have no bypass location: nullopt, as for an index outside the zones.
std::optional<BypassBit> bypassBit(int zone, int zoneCount);

// The step machines of the transaction families.
std::unique_ptr<OperationStep> makePartitionCommand(int code, CommandHost& host); // 8, 9, 10
std::unique_ptr<OperationStep> makeClockCommand(CommandHost& host, const Clock& clock);
std::unique_ptr<OperationStep> makeChimeCommand(CommandHost& host);
std::unique_ptr<OperationStep> makeBypassCommand(CommandHost& host); // 13 and 14 alike
std::unique_ptr<OperationStep> makePgmCommand(CommandHost& host);

} // namespace command

} // namespace qarvo::operations
