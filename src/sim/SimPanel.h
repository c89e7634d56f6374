#pragma once
// The alarm panel behind the simulated communicator. It answers the panel
// messages the program sends as a panel would: identification with its
// challenge, the programming memory behind the page register, the RAM
// operations and live commands, the status messages of the idle exchange,
// the event log and the end of the link; and it injects the panel's own
// notices (no answer, alarm report) for tests.
//
// onMessage runs on the simulator's thread; every other member may be
// called from any thread.
#include "operations/Identification.h"
#include "sim/PanelPeer.h"
#include "sim/SimPanelActivity.h"
#include "sim/SimPanelEventLog.h"
#include "sim/SimPanelMemory.h"
#include "sim/SimPanelRam.h"
#include "sim/SimPanelStatus.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

namespace qarvo::sim {

struct SimPanelConfig {
    std::uint8_t typeCode = 0x24;
    int userRecordCount = 46;   // the master included
    std::optional<int> zoneCount = std::nullopt; // unset: the model's
    std::optional<int> pgmCount = std::nullopt;  // unset: the model's
    std::uint16_t panelId = 0;  // kept in memory at 0x406-0x407
    std::uint16_t pcId = 0;     // kept in memory at 0x408-0x409
    std::uint16_t challenge = 0x5A3C;
    std::uint8_t condition = 0; // RAM 0x49: bit 7 makes the program end the link after identification
    bool confirmEndOfLink = true;
    bool refuseEndOfLink = false; // answers the end-of-link request with the no-answer message instead
    RamClock clock{5, 3, 26, 14, 7, 9};
};

struct SimPanelCounters {
    unsigned challenges = 0;
    unsigned acceptedResponses = 0;
    unsigned rejectedResponses = 0;
    unsigned memoryReads = 0;   // four-byte and one-byte read requests
    unsigned memoryWrites = 0;  // four-byte and one-byte write requests
    unsigned statusMessages = 0;
    unsigned completions = 0;   // installer write completion commands
    unsigned endOfLinks = 0;    // end-of-link requests confirmed
    unsigned keypadCommands = 0; // keypad commands carried out
    unsigned refused = 0;       // replies that were the no-answer message, injected ones included
    unsigned answerTimeouts = 0; // no-answer messages sent after waiting in vain for the program
};

// The panel checks the identification response with the same computation
// the program makes from its PC identification code.
using operations::challengeResponse;

class SimPanel : public PanelPeer {
public:
    explicit SimPanel(SimPanelConfig config = {});

    std::vector<Message> onMessage(std::span<const std::uint8_t> message) override;
    // A new communicator session: the panel waits for a new identification.
    void onSessionStart() override;

    // Identity. Setting the type code takes the model's zone and PGM counts.
    void setTypeCode(std::uint8_t typeCode);
    void setCounts(int userRecordCount, int zoneCount, int pgmCount);
    // Writes both identification codes into programming memory.
    void setIdentificationCodes(std::uint16_t panelId, std::uint16_t pcId);
    void setChallenge(std::uint16_t challenge);
    // The next n right responses are rejected with a new challenge.
    void rejectResponses(unsigned n);
    void setConfirmEndOfLink(bool confirm);
    std::uint8_t typeCode() const;
    int zoneCount() const;
    int pgmCount() const;
    bool identified() const;

    // Programming memory.
    void setMemory(std::span<const std::uint8_t> image);
    std::vector<std::uint8_t> memory() const;
    std::uint8_t memoryByte(std::uint16_t address) const;
    void writeMemory(std::uint16_t address, std::span<const std::uint8_t> data);

    // RAM.
    std::uint8_t ram(std::uint8_t address) const;
    void setRam(std::uint8_t address, std::uint8_t value);

    // Status of the idle exchange. The partition state, bypassed zones,
    // clock, PGM states and PGM types live in RAM: setStatus writes them
    // there (for the partition the status reports) and keeps the rest;
    // zones without a descriptor are fresh zones (delayed, bypassable).
    void setStatus(const PanelStatus& status);
    // The status block the panel reports now for one partition.
    PanelStatus status(bool partitionB = false) const;

    // Life on the site: walking zones and an exit time (see SimPanelActivity),
    // timed from this call on.
    void setActivity(ActivityScript script);

    // Event log. Records are given oldest first; the newest unreadCount
    // of them are not yet marked as read. The header holds the time of the
    // newest event (initially the panel clock).
    void setEventLog(std::vector<EventRecord> oldestFirst, std::size_t unreadCount);
    void appendEvent(const EventRecord& record);
    // An event happens now: recorded unread, the header at its time.
    void recordEvent(const EventRecord& record);
    void setEventLogHeader(const StatusClock& header);
    std::vector<EventRecord> eventRecords() const;
    std::size_t unreadEvents() const;

    // Injections. Injected replies take the place of the next replies; the
    // requests they answer are not carried out.
    void answerNoAnswer(unsigned n);
    // The alarm report: the next reply is 13 C0, then `repeats` further
    // 13 C0 replies, then 13 CA.
    void reportAlarm(unsigned repeats = 0);
    void injectReplies(const std::vector<Message>& replies);
    // A silent panel answers nothing (messages are still recorded).
    void setSilent(bool silent);
    // The next memory write that covers the address is echoed as if written
    // but not stored, as by a panel whose memory failed to take it.
    void dropWriteAt(std::uint16_t address);
    // The keypads stay in their menus through the next `presses` leave-menu
    // commands, as when someone at a keypad keeps going back in.
    void keepKeypadsBusy(unsigned presses);

    // The panel's answer time-out: a panel that has challenged the program
    // and waits longer than quiet for its next message sends the no-answer message
    // on its own through line, and again after every further wait, so that
    // the program repeats a request or reply that was lost on the way.
    // Off until started; the timer stops with stopAnswerTimeout or the panel.
    using Line = std::function<void(const std::vector<Message>&)>;
    void startAnswerTimeout(std::chrono::milliseconds quiet, Line line);
    void stopAnswerTimeout();

    // Every message received, in order, without check bytes.
    std::vector<Message> received() const;
    void clearReceived();
    SimPanelCounters counters() const;

private:
    // What the panel keeps in RAM of its programming: the zone descriptors
    // (type, bypass attribute, partitions) and the PGM types, as a panel
    // reads them from memory at power-up and after a programming write.
    void programRamFromMemory();
    // The reply to a message; empty when the panel answers nothing.
    Message answer(std::span<const std::uint8_t> m);
    Message identification(std::span<const std::uint8_t> m);
    Message challengeMessage();
    Message noAnswer();
    Message memoryRequest(std::span<const std::uint8_t> m);
    Message ramRequest(std::span<const std::uint8_t> m);
    Message ramPairRequest(std::span<const std::uint8_t> m);
    std::optional<Message> commandLocationWrite(std::uint8_t value);
    Message statusPoll(std::uint8_t poll);
    PanelStatus statusLocked(bool partitionB) const;
    std::uint16_t pageAddress(std::uint8_t low) const;
    void fitZoneDescriptors();
    static std::uint16_t zonesReported(const PanelStatus& status);
    void answerTimer(std::stop_token stop, std::chrono::milliseconds quiet, const Line& line);

    mutable std::mutex mutex_;
    SimPanelConfig config_;
    int zoneCount_ = 16;
    int pgmCount_ = 8;
    SimPanelMemory memory_;
    SimPanelRam ram_;
    SimPanelEventLog eventLog_;
    PanelStatus status_; // the parts of the status that do not live in RAM
    bool awaitingResponse_ = false;
    bool identified_ = false;
    std::uint16_t challenge_ = 0;
    unsigned rejectsLeft_ = 0;
    bool reportB_ = false; // partitioned panels report A and B in turn
    bool silent_ = false;
    std::optional<std::uint16_t> writeToDrop_;
    unsigned keypadBusyPresses_ = 0;
    SimPanelActivity activity_;
    std::deque<Message> injected_;
    std::vector<Message> received_;
    SimPanelCounters counters_;
    std::chrono::steady_clock::time_point lastHeard_ = std::chrono::steady_clock::now();
    std::jthread answerTimer_; // last: stopped before the rest goes
};

} // namespace qarvo::sim
