#pragma once
// Opening and closing the connection with the communicator: hello (direct or
// through the callback server) or waiting for its call, the optional key
// exchange, the password login, and the close exchange.
#include "base/CommandStates.h"
#include "base/NoticeSink.h"
#include "base/Timing.h"
#include "link/ConnectionSettings.h"
#include "link/KeyExchange.h"
#include "link/UDPSocket.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

namespace qarvo::link {

enum class ConnectionMode : std::uint8_t { Direct = 1, Callback = 2, WaitForCall = 3 };

// Results of the opening and the closing; the failures are string-table ids.
namespace result {
inline constexpr int kClosed = 0;
inline constexpr int kOpen = 1;
inline constexpr int kCancelled = 2;
inline constexpr int kNoCall = 54;          // "No call from the communicator"
inline constexpr int kNoRequest = 55;       // "Communicator does not make a request to connect"
inline constexpr int kCommunicationError = 56;
inline constexpr int kWrongPassword = 57;
inline constexpr int kCloseFailed = 58;
} // namespace result

// Control commands of the opening and closing.
namespace control {
inline constexpr std::uint8_t kHelloAccepted = 1;  // also: login complete (to the communicator)
inline constexpr std::uint8_t kCallMe = 2;
inline constexpr std::uint8_t kDirectHello = 3;
inline constexpr std::uint8_t kKeyExchange = 4;
inline constexpr std::uint8_t kLoginAccepted = 5;
inline constexpr std::uint8_t kLogin = 6;          // also: go on to the login (from the communicator)
inline constexpr std::uint8_t kClose = 15;
inline constexpr std::uint8_t kBootLoaderMark = 1;
} // namespace control

class Connection {
public:
    Connection(UDPSocket& socket, ConnectionSettings& settings, const KeyExchange& keys, const Timing& timing,
               NoticeSink& sink, CommandStates& commands);

    // Opens the connection (blocking; run it on its own thread). forWorker
    // is set when the operation worker opens it. Returns a result above and
    // reports it to the communicator page.
    int open(ConnectionMode mode, bool forWorker);
    // Ends a wait for the communicator's request with result 2.
    void cancelWait();
    // Closes the connection (blocking). waitWorkerStopped is called first
    // when the panel link is up. Returns 0 or 58 and reports it.
    int close(const std::function<void(Millis)>& waitWorkerStopped = {});

    bool isOpen() const { return open_; }
    void setOpen(bool open) { open_ = open; }
    bool bootLoaderMode() const { return bootLoaderMode_; }
    bool waitingForCall() const { return waitingForCall_; }
    std::uint8_t communicatorNode() const { return communicatorNode_; }
    // The communicator description of the login reply (command 5).
    std::vector<std::uint8_t> modelInfo() const;

    // Held by every control exchange that must not overlap another.
    std::mutex& operationLock() { return operationLock_; }
    // Signalled on control traffic, so the link poll can skip a cycle.
    AutoResetEvent activityEvent;

    UDPSocket& socket() { return socket_; }
    const Timing& timing() const { return timing_; }
    ConnectionSettings& settings() { return settings_; }

private:
    int runOpening(ConnectionMode mode, bool forWorker);
    bool sendHello(ConnectionMode mode);
    std::vector<std::uint8_t> waitControlReply(Millis timeout);
    int exchangeKey(const std::vector<std::uint8_t>& request);
    int login(bool forWorker);
    int report(int result, CommunicatorNotice::Kind kind);

    UDPSocket& socket_;
    ConnectionSettings& settings_;
    const KeyExchange& keys_;
    const Timing& timing_;
    NoticeSink& sink_;
    CommandStates& commands_;
    std::mutex operationLock_;
    std::atomic<bool> open_{false};
    std::atomic<bool> bootLoaderMode_{false};
    std::atomic<bool> waitingForCall_{false};
    std::atomic<bool> cancel_{false};
    std::atomic<std::uint8_t> communicatorNode_{0};
    mutable std::mutex infoMutex_;
    std::vector<std::uint8_t> modelInfo_;
};

} // namespace qarvo::link
