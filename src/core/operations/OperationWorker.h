#pragma once
// The operation worker: the one thread that talks to the alarm panel. It
// opens the communicator connection when needed, starts a receiver that
// assembles panel messages, identifies the panel, then answers every panel
// message with the next message of the operation in force: the idle status
// poll or one user operation at a time.
#include "base/AutoResetEvent.h"
#include "base/CommandStates.h"
#include "base/NoticeSink.h"
#include "link/Link.h"
#include "link/PanelMessage.h"
#include "operations/Identification.h"
#include "operations/OperationCodes.h"
#include "operations/StatusDecoder.h"
#include "panel/PanelIdentity.h"

#include <array>
#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace qarvo::operations {

// The communicator's link poll, which runs while the connection is open and
// pauses while the worker talks to the panel.
class CommunicatorPoll {
public:
    virtual ~CommunicatorPoll() = default;
    virtual bool waitStarted(Millis timeout) = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
};

inline constexpr int kNoAnswerTolerated = 10;
inline constexpr int kEndOfLinkAttempts = 6;

class OperationWorker {
public:
    struct Hooks {
        // Gathers the pages into the image before the page operation with
        // this code; false stops it.
        std::function<bool(int code)> gatherPages;
        // The panel identity values were stored by identification.
        std::function<void()> panelIdentified;
    };

    OperationWorker(link::Link& link, panel::PanelIdentity& identity, Hooks hooks = {});
    ~OperationWorker();
    OperationWorker(const OperationWorker&) = delete;
    OperationWorker& operator=(const OperationWorker&) = delete;

    // The step machine of a user operation (codes 3..15).
    void setStep(int code, OperationStep* step);
    void setCommunicatorPoll(CommunicatorPoll* poll) { poll_ = poll; }
    void setConnectionMode(link::ConnectionMode mode) { mode_ = mode; }
    // Identification's alternative ending applies while "Wait for a call" is offered.
    void setAlternativeEnding(bool on) { alternativeEnding_ = on; }

    // Page operations (3..7, or 0 for "Connect to panel"): gather, disable
    // the communication commands, announce, start the worker, set the code.
    bool startPageOperation(int code);
    // Online operations (8..15) while the panel link is up.
    void startOnlineOperation(int code, int argument);
    // Under the lock: taken at once when idle, kept pending during
    // identification, dropped while another operation runs.
    void setOperation(int code);

    int currentCode() const;
    int pendingCode() const;
    int argument() const { return argument_; }
    bool partitioned() const { return partitioned_; }
    bool running() const { return running_; }
    bool panelLinkUp() const { return link_.socket.panelLinkUp; }
    // The last link ended because no panel data at all came for the
    // receiver's time-out (the link is then treated as closed).
    bool receiverTimedOut() const { return receiverTimedOut_; }
    bool operationActive() const { return operationActive_; }
    // The panel clock of the last PGM and clock status message.
    PanelClock panelClock() const { return panelClock_; }

    // "A&bort communication". communicatorPageShown: the communicator page is current.
    // Returns the close's result (0 or 58), 0 when nothing was closed.
    int abort(bool communicatorPageShown = false);
    // The progress display's Cancel: drop the running operation (or end the link when idle).
    void cancelOperation();
    // Ends the user operation with this code if it is still the one in
    // force, as the event log page's "Break" does: the worker is back in the
    // idle poll with the next reply. Any other state is left alone.
    bool breakOperation(int code);
    // Waits until a worker that runs has ended.
    bool waitStopped(Millis timeout);

    // Used by operations at their end: back to the idle poll.
    void enterIdle();
    // Used by operations at their first step: opens the progress display.
    void openProgress(std::uint8_t& step, std::uint8_t& percent);
    link::Link& link() { return link_; }

private:
    void workerMain();
    bool startSession();
    void loop();
    bool waitForMessage(CCommBuff& message);
    enum class Flow { Send, Next, End };
    Flow handleStop();
    Flow handleMessage(const CCommBuff& message);
    Flow handleIdle(const CCommBuff& message);
    Flow dispatch(const CCommBuff& message);
    Flow endOfLinkRequest();
    void send();
    void workerEnd();
    void receiverMain();
    void takeOverPending();
    void postCaption(int code);
    void answerStatus(const CCommBuff& message);
    void setCodeLocked(int code);

    link::Link& link_;
    panel::PanelIdentity& identity_;
    Hooks hooks_;
    Identification identification_;
    std::array<OperationStep*, kOperationCodeCount> steps_{};
    CommunicatorPoll* poll_ = nullptr;

    mutable std::mutex lock_; // codes, queue, stream
    int current_ = kNoOperation;
    int pending_ = kNoOperation;
    std::deque<CCommBuff> queue_;
    link::PanelStream stream_;

    std::atomic<int> argument_{0};
    std::atomic<bool> running_{false};
    std::atomic<bool> receiverRunning_{false};
    std::atomic<bool> receiverTimedOut_{false};
    std::atomic<bool> operationActive_{false};
    std::atomic<bool> showCaption_{false};
    std::atomic<bool> partitioned_{false};
    std::atomic<bool> abortRequest_{false};
    std::atomic<bool> alternativeEnding_{false};
    std::atomic<bool> disconnecting_{false};
    std::atomic<bool> readEndsLink_{false};
    std::atomic<PanelClock> panelClock_{};
    std::atomic<int> zoneCount_{16};
    std::atomic<int> pgmCount_{8};
    link::ConnectionMode mode_ = link::ConnectionMode::Direct;

    // Worker-thread state.
    CCommBuff out_;
    std::uint8_t step_ = 0;
    std::uint8_t percent_ = 0;
    bool endOfLink_ = false;
    bool alarmMode_ = false;
    int noAnswer_ = 0;

    AutoResetEvent messageReady_;
    AutoResetEvent stopReceiver_;
    AutoResetEvent workerStopped_;
    std::mutex threadMutex_;
    std::jthread worker_;
    std::jthread receiver_;
    std::jthread reconnectDelay_;
};

} // namespace qarvo::operations
