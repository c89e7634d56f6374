#pragma once
// The program's one UDP socket. A reader thread reads each datagram,
// validates it and routes it by its header into a reply slot, then signals
// the event of the party that waits for that kind of reply.
#include "base/AutoResetEvent.h"
#include "base/NoticeSink.h"
#include "link/Datagram.h"
#include "link/SequenceFilter.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace qarvo::link {

class Aes128;

struct PeerAddress {
    std::uint32_t address = 0; // IPv4, first octet in the most significant byte
    std::uint16_t port = 0;
    bool operator==(const PeerAddress&) const = default;
};

inline constexpr std::uint8_t kCommandClose = 0x0F;
inline constexpr std::uint8_t kCommandLinkPoll = 0x29;
inline constexpr std::uint8_t kCommandPanelFirst = 0x32;
inline constexpr std::uint8_t kCommandPanel = 0x33;
inline constexpr std::uint8_t kCommandPanelBusy = 7;
inline constexpr std::size_t kPollSlotSize = 64;

class UDPSocket {
public:
    explicit UDPSocket(NoticeSink& sink);
    ~UDPSocket();
    UDPSocket(const UDPSocket&) = delete;
    UDPSocket& operator=(const UDPSocket&) = delete;

    // Binds all local addresses on ownPort (0: the system chooses), turns
    // broadcast on and starts the reader. On failure returns false and the
    // system's text in error; the program goes on without a working link.
    bool open(std::uint16_t ownPort, std::string* error = nullptr);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    std::uint16_t localPort() const;

    PeerAddress peer() const;
    void setPeer(PeerAddress peer);

    // Sends raw bytes to the peer.
    bool sendToPeer(std::span<const std::uint8_t> bytes);
    // Sends raw bytes to a host name or dotted address.
    bool sendToHost(std::span<const std::uint8_t> bytes, const std::string& host, std::uint16_t port);
    // Sends a control command whose payload the caller has put into the
    // header's payload area: command 0x29 goes out on the poll header,
    // everything else on the control header; the reply event is reset first.
    bool sendControl(std::uint8_t command, std::size_t payloadLength);
    // Sends a control command to a named host instead of the peer.
    bool sendControlToHost(std::uint8_t command, std::size_t payloadLength, const std::string& host,
                           std::uint16_t port);
    // Sends the panel data header with the given panel message bytes.
    bool sendPanelMessage(std::span<const std::uint8_t> messageWithCheck);

    // The connection key; absent until a key has been agreed.
    void setKey(std::optional<Aes128> key);
    std::shared_ptr<const Aes128> key() const;

    // Header records, one per channel, kept for the run.
    Datagram controlHeader;
    Datagram pollHeader;
    Datagram panelHeader;

    // Events of the waiting parties (all auto-reset).
    AutoResetEvent controlReplyEvent;
    AutoResetEvent connectionRequestEvent;
    AutoResetEvent pollReplyEvent;
    AutoResetEvent panelDataEvent;
    AutoResetEvent workerStopEvent;

    // Reply slots (copies, taken under the slot lock).
    std::vector<std::uint8_t> controlReply() const;
    // The communicator's own connection request has a slot of its own: it
    // follows the hello reply at once and must not overwrite it before the
    // opening has read it.
    std::vector<std::uint8_t> connectionRequest() const;
    std::vector<std::uint8_t> pollReply() const;
    // Panel data payloads in arrival order; the receiver takes them all.
    // A panel data datagram that repeats or is older than one already taken
    // is dropped (see SequenceFilter).
    std::vector<std::vector<std::uint8_t>> takePanelData();
    // A worker session starts: the first panel data that follows is taken
    // whatever its sequence number.
    void newPanelSession();

    // While the panel link is up the communicator's connection requests are dropped.
    std::atomic<bool> panelLinkUp{false};

    // Counters for tests and diagnostics.
    std::atomic<unsigned> datagramsDropped{0};

    // Validates one received datagram (deciphering it in place) and routes
    // it into its slot. The reader calls it for every datagram; it needs no
    // open socket, so a datagram can be fed in without the network.
    void route(std::vector<std::uint8_t>& datagram, PeerAddress sender);

private:
    void readLoop(std::stop_token stop);
    bool sendHeader(Datagram& header, std::size_t payloadLength, const PeerAddress* to);
    bool sendBytes(std::span<const std::uint8_t> bytes, PeerAddress to);

    NoticeSink& sink_;
    int fd_ = -1;
    mutable std::mutex mutex_; // peer, key, slots
    mutable std::mutex sendMutex_;
    PeerAddress peer_;
    std::shared_ptr<const Aes128> key_;
    std::vector<std::uint8_t> controlSlot_;
    std::vector<std::uint8_t> requestSlot_;
    std::vector<std::uint8_t> pollSlot_;
    std::deque<std::vector<std::uint8_t>> panelData_;
    SequenceFilter panelSequence_;
    std::jthread reader_;
};

// Dotted text of an address ("192.168.0.9").
std::string toDotted(std::uint32_t address);
// Parses a dotted IPv4 literal; nullopt when the text is not one.
std::optional<std::uint32_t> parseDotted(const std::string& text);
// Resolves a host name or dotted address to an IPv4 address.
std::optional<std::uint32_t> resolveHost(const std::string& host);

} // namespace qarvo::link
