#pragma once
// A panel job: the one way to run work on a panel. It binds its own
// socket, opens the communicator connection in the chosen mode, has its own
// worker identify the panel, runs steps (page transfers, the event log,
// status, commands, the communicator's options) with time-outs and
// cancellation, and ends as a user would: the end-of-link request, then the
// communicator's close. Its course goes to the sink as job notices; a
// failed run ends with a typed result. Jobs share nothing, so many run in
// one process at once.
//
// A script's job runs its steps one after the other and waits for each
// (connect, transfer, finish). A window's job lives as long as the window
// and the user steers it: the start... calls begin a step and return at
// once, and the window follows it through the notices.
#include "base/Clock.h"
#include "base/NoticeSink.h"
#include "base/RecordingSink.h"
#include "base/Timing.h"
#include "link/ConnectionSettings.h"
#include "session/JobResult.h"
#include "session/PanelSession.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qarvo::session {

struct JobSettings {
    link::ConnectionSettings connection;
    link::ConnectionMode mode = link::ConnectionMode::Direct;
    Timing timing;
    const Clock* clock = &systemClock();
    // A flag set from elsewhere (a signal handler) that cancels as cancel() does.
    const std::atomic<bool>* interrupt = nullptr;
    // Whether the job keeps its notices: the waiting steps (connect,
    // transfer, readWholeEventLog ...) and the judgement of a failure read
    // them. A window's job, which lives for hours and only starts steps,
    // keeps none.
    bool keepNotices = true;
};

class PanelJob {
public:
    enum class Wait { Pending, Done, Failed };

    // How long a wait may go on without progress before the job gives up:
    // a TimedOut notice with what and the limit, and the operation dropped.
    struct Patience {
        Millis limit;
        std::string_view what; // what did not happen; a text that outlives the wait
        // A wait whose progress moves on starts its time again; without
        // it the limit bounds the whole wait.
        std::function<std::uint64_t()> progress = {};
    };

    PanelJob(NoticeSink& sink, JobSettings settings);
    // A job still connected is ended as finish() ends it.
    ~PanelJob();
    PanelJob(const PanelJob&) = delete;
    PanelJob& operator=(const PanelJob&) = delete;

    PanelSession& panel() { return panel_; }
    panel::CUploadDoc& doc() { return panel_.doc; }
    const panel::PanelIdentity& identity() const { return panel_.doc.identity(); }
    // Every notice of the job so far, the front-end's included.
    const RecordingSink& notices() const { return record_; }

    // Reads the pages (or runs the page operations) in order between
    // connect() and finish(): the whole job in one call.
    JobResult run(std::span<const int> pageOperations);

    // Binds the socket and opens the communicator connection; false when
    // either failed (said with a job notice or the opening's own).
    bool open();
    // Opens, runs beforePanel (false from it ends the attempt), then has
    // the worker identify the panel; true once the link is idle and
    // ready(). An opening or identification that a lost datagram may have
    // failed is tried again, three times in all.
    bool connect(const std::function<bool()>& beforePanel = {}, const std::function<bool()>& ready = {},
                 const std::optional<Patience>& patience = std::nullopt);
    // Waits until state() is no longer pending; false when it failed, the
    // worker ended, the job was cancelled or the patience ran out.
    bool waitFor(const std::function<Wait()>& state, const std::optional<Patience>& patience = std::nullopt);
    // Runs one page operation from the idle poll to its end; true when it
    // reached it. A write that did is counted in the result.
    bool transfer(int code);
    // Reads the whole event log, read and unread, into the document without
    // marking it; true once the reading ended and the link is idle again.
    bool readWholeEventLog();
    // The panel link is up in the idle poll, with no operation running.
    bool idle() const;

    // A window's connection: the worker opens the communicator in this
    // mode itself (unless it is open already) and identifies the panel.
    void startConnect(link::ConnectionMode mode);
    // Starts a page operation (or a connection with it, when the link is
    // down); false when one is running already.
    bool startOperation(int code);
    // Starts a panel command (arm, bypass, a PGM ...) with its argument.
    void startCommand(int code, int argument);
    // Drops the operation under way when its current step is answered.
    void cancelStep();
    // The user's Stop: with the panel link up it ends once the operation
    // under way is over, with the end-of-link request; otherwise the
    // connection closes. Blocks while it closes: call it off the UI thread.
    int stop();
    // The window's way out: the panel link ends with its end-of-link
    // request (an operation under way first ends), then the communicator
    // connection closes. Blocking, as stop().
    void disconnect();

    // Ends the panel link and closes the connection; false when the close failed.
    bool finish();
    // Ends the job after a failure: a cancelled job first lets the step
    // under way be answered; then what the failure was.
    JobResult failure();

    // Stops the job at its next wait; from any thread.
    void cancel() { cancel_ = true; }
    bool cancelled() const;

private:
    // Forwards every notice to the front-end and, unless told not to, keeps it.
    class Tee final : public RecordingSink {
    public:
        Tee(NoticeSink& out, bool keep) : out_(out), keep_(keep) {}
        void post(const Notice& notice) override;

    private:
        NoticeSink& out_;
        bool keep_;
    };
    // How far an attempt to connect got.
    enum class Stage { Opening, Communicator, Panel };

    bool connectOnce(const std::function<bool()>& beforePanel, const std::function<bool()>& ready,
                     const std::optional<Patience>& patience, Stage& reached);
    bool lostOnTheWay(Stage reached) const;
    bool startSocket();
    void stopAtStepBoundary();
    void say(JobNotice::Kind kind, long value = 0, long count = 0, std::string text = {});
    JobResult judge() const;

    Tee record_;
    JobSettings settings_;
    PanelSession panel_;
    std::atomic<bool> cancel_{false};
    bool timedOut_ = false;
    bool interrupted_ = false;
    int lastOpening_ = 0;         // the result of the last communicator opening
    std::size_t lastAttempt_ = 0; // the first notice of the last attempt to connect
    std::vector<int> written_;
};

} // namespace qarvo::session
