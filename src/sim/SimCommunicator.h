#pragma once
// A simulated communicator on 127.0.0.1: answers the direct hello, runs a
// callback server, calls the program on request, agrees a key or not,
// checks the password, closes, relays panel messages to a simulated panel,
// keeps an options record that the program reads and writes, toggles its
// PGMs, answers the state poll, runs firmware updates to a configured end,
// and injects faults in both directions.
#include "link/Aes128.h"
#include "link/KeyExchange.h"
#include "link/SequenceFilter.h"
#include "sim/FaultInjection.h"
#include "sim/PanelPeer.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <queue>
#include <string>
#include <thread>
#include <vector>

namespace qarvo::sim {

// One report of the firmware update as the communicator sends it.
struct FirmwareReport {
    std::uint8_t command = 0;
    std::vector<std::uint8_t> payload;
    bool operator==(const FirmwareReport&) const = default;
};

// How a firmware update request ends.
enum class FirmwareOutcome {
    Downloaded,       // server reached, download with progress, complete
    UpToDate,         // server reached, nothing newer
    ServerNotReached,
    Broken,           // the communicator breaks the download off
    HardwareError,
    RemoteTimeout,    // the communicator's own time-out during the download
    Silent,           // the request goes unanswered
};

struct FirmwareConfig {
    FirmwareOutcome outcome = FirmwareOutcome::Downloaded;
    std::vector<std::uint8_t> newVersion{4, 3, 2, 1}; // as the report carries it
    std::vector<std::uint16_t> progress{10, 20, 20, 50};
    // The download restarts (command 46) after this many progress reports;
    // none when it is beyond the list.
    std::size_t restartAfter = std::size_t(-1);
    // Between one report going out and the next: a report never follows the
    // one before it closer than this, however late the simulator got to it.
    // The program keeps one control reply at a time, as the communicator
    // paces its reports far apart; closer than a busy machine may leave a
    // thread unscheduled, a report would replace the one before it unread.
    std::chrono::milliseconds spacing{200};
    std::vector<FirmwareReport> script;               // when not empty: sent instead
};

// The reports a firmware configuration makes the communicator send.
std::vector<FirmwareReport> firmwareReports(const FirmwareConfig& config);

// The accept reply of a plain Ethernet communicator with inputs, tamper and
// GPRS (model code 5), account 0x0001 and port 51069.
std::vector<std::uint8_t> defaultModelInfo();
// The built-in options record in its wire form.
std::vector<std::uint8_t> defaultOptionsRecord();

struct CommunicatorConfig {
    std::string password = "5307";
    bool encipher = true;        // connection request with key exchange (4) or without (6)
    // Sent in the key exchange request instead of the communicator's own
    // public value (a broken or hostile peer).
    std::optional<link::KeyExchange::PublicValue> publicValue;
    bool bootLoader = false;     // hello reply payload starts with 1
    bool answerHello = true;     // false: a silent communicator
    bool makeRequest = true;     // false: answers the hello but never calls
    bool answerClose = true;     // false: the close goes unanswered
    std::uint32_t connectionNumber = 0x11223344;
    std::uint8_t node = 7;       // the communicator's own node byte
    std::uint8_t bearer = 1;     // 1 Ethernet, 2 GPRS
    std::uint8_t state = 0x01;   // trailing state byte of status messages
    std::uint8_t rssi = 20;      // trailing signal strength of status messages
    std::vector<std::uint8_t> modelInfo = defaultModelInfo();
    // Options record (wire form) that reads return and writes replace.
    std::vector<std::uint8_t> options = defaultOptionsRecord();
    std::uint8_t readReplyCommand = 2;   // the command of the read options reply
    std::uint8_t writeReplyCommand = 3;  // the command of the write options reply
    bool answerOptions = true;           // false: reads, writes and PGM toggles go unanswered
    bool answerPolls = true;             // false: state polls go unanswered
    FirmwareConfig firmware;
    std::uint32_t seed = 1;
    Faults toProgram;            // faults on datagrams the communicator sends
    Faults fromProgram;          // faults on datagrams it receives
};

struct CommunicatorCounters {
    std::atomic<unsigned> hellos{0};
    std::atomic<unsigned> callbackRequests{0};
    std::atomic<unsigned> logins{0};
    std::atomic<unsigned> closes{0};
    std::atomic<unsigned> panelMessages{0};
    std::atomic<unsigned> firstPanelPackets{0}; // received with the first-packet command
    std::atomic<unsigned> badDatagrams{0};
    std::atomic<unsigned> staleDatagrams{0}; // panel data repeated or overtaken on the way
    std::atomic<unsigned> optionReads{0};
    std::atomic<unsigned> optionWrites{0};
    std::atomic<unsigned> pgmToggles{0};
    std::atomic<unsigned> statePolls{0};
    std::atomic<unsigned> firmwareRequests{0};
    std::atomic<unsigned> firmwareRestarts{0};
};

class SimCommunicator {
public:
    explicit SimCommunicator(CommunicatorConfig config = {});
    ~SimCommunicator();
    SimCommunicator(const SimCommunicator&) = delete;
    SimCommunicator& operator=(const SimCommunicator&) = delete;

    // Binds the communicator and the callback server on 127.0.0.1 (port 0:
    // any free port) and starts serving.
    bool start(std::uint16_t port = 0, std::uint16_t callbackPort = 0);
    void stop();
    std::uint16_t port() const { return port_; }
    std::uint16_t callbackPort() const { return callbackPort_; }

    void setPanel(PanelPeer* panel);
    void setFaults(Faults toProgram, Faults fromProgram);

    // The communicator's own call (the program waits for it).
    void callProgram(std::uint16_t programPort);
    // Notices on the communicator's initiative.
    void sendBusyNotice();
    void sendClose();
    // Sends what the panel says on its own to the program whose session is
    // open; dropped while none is.
    void sendPanelMessages(const std::vector<Message>& messages);

    // Sees every datagram the communicator sends, as it goes on the wire
    // before any fault; called on the simulator's thread. Set it before start.
    void setTap(std::function<void(const std::vector<std::uint8_t>&)> tap) { tap_ = std::move(tap); }

    // Changes the configuration while the communicator serves.
    void configure(const std::function<void(CommunicatorConfig&)>& change);
    // The options record it holds now (wire form).
    std::vector<std::uint8_t> options() const;
    // The last datagram received with this command (deciphered), or empty.
    std::vector<std::uint8_t> lastReceived(std::uint8_t command) const;

    bool sessionOpen() const { return sessionOpen_; }
    bool enciphered() const;
    std::string lastPassword() const;
    std::vector<std::uint8_t> lastCallbackPayload() const;
    CommunicatorCounters counters;
    CommunicatorConfig& config() { return config_; }
    // The password it takes from now on; safe while it serves.
    void setPassword(std::string password)
    {
        std::lock_guard lock(mutex_);
        config_.password = std::move(password);
    }

private:
    // A datagram waiting for its delay: one to send, or one received that
    // is handled when due.
    struct Outgoing {
        std::chrono::steady_clock::time_point due;
        bool incoming;
        int fd;
        std::uint32_t address;
        std::uint16_t port;
        std::vector<std::uint8_t> bytes;
        bool operator>(const Outgoing& o) const { return due > o.due; }
    };

    void serve(std::stop_token stop);
    void receive(int fd);
    void handle(int fd, std::vector<std::uint8_t>& datagram, std::uint32_t address, std::uint16_t port);
    void handleCallback(const std::vector<std::uint8_t>& datagram, std::uint32_t address, std::uint16_t port);
    void handlePanelData(std::span<const std::uint8_t> payload);
    void relayPanelMessages(const std::vector<Message>& messages); // the caller holds the lock
    // The communicator's own control commands; false when the command is
    // not one of them.
    bool handleCommunicatorCommand(std::uint8_t command, std::span<const std::uint8_t> payload);
    void writeOptions(std::span<const std::uint8_t> payload);
    void togglePgm(std::span<const std::uint8_t> payload);
    void startFirmwareUpdate();
    void sendRequest();
    void send(std::uint8_t kind, std::uint8_t command, std::uint8_t destination, std::span<const std::uint8_t> payload,
              bool encipher, int fd = -1);
    void sendDueReport();
    void flushDue();
    // Wakes the serving loop to look at what is due (from another thread).
    void wake();
    // When the serving loop has something to do next without a datagram.
    std::optional<std::chrono::steady_clock::time_point> nextDue() const;

    CommunicatorConfig config_;
    link::KeyExchange keys_;
    int fd_ = -1;
    int callbackFd_ = -1;
    int wakeFd_ = -1;
    std::atomic<std::thread::id> servingThread_{};
    std::uint16_t port_ = 0;
    std::uint16_t callbackPort_ = 0;
    mutable std::recursive_mutex mutex_;
    std::optional<link::Aes128> key_;
    std::uint32_t programAddress_ = 0x7F000001;
    std::uint16_t programPort_ = 0;
    std::uint16_t sequence_ = 0;
    // The program's panel data, relayed to the panel in the order it was sent.
    link::SequenceFilter panelSequence_;
    std::atomic<bool> sessionOpen_{false};
    std::string lastPassword_;
    std::vector<std::uint8_t> lastCallbackPayload_;
    std::map<std::uint8_t, std::vector<std::uint8_t>> lastReceived_;
    bool restartPending_ = false; // the download is complete: the next acknowledgement restarts
    // The firmware reports still to go, the first of them due at
    // nextReportDue_. Each is timed from the one before it going out, not
    // from the request: the program keeps one control reply at a time, and
    // a simulator held up on a busy machine must not then send the reports
    // that fell due meanwhile back to back, which a real communicator,
    // minutes into a download, never does.
    std::deque<FirmwareReport> pendingReports_;
    std::chrono::steady_clock::time_point nextReportDue_;
    PanelPeer* panel_ = nullptr;
    std::function<void(const std::vector<std::uint8_t>&)> tap_;
    FaultInjector outFaults_;
    FaultInjector inFaults_;
    std::priority_queue<Outgoing, std::vector<Outgoing>, std::greater<>> outgoing_;
    std::jthread thread_;
};

} // namespace qarvo::sim
