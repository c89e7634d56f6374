#pragma once
// The one way a command talks to the far end: binds the socket and opens
// the communicator connection in the chosen mode, has the worker identify
// the panel and run operations, waits for each with its time-out and the
// user's Ctrl-C, and ends as a user would, with the end-of-link request and
// then the communicator's close. A run still open when it goes out of
// scope is ended the same way.
#include "cli/CliSink.h"
#include "cli/Session.h"
#include "session/PanelSession.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qarvo::cli {

class PanelRun {
public:
    enum class Wait { Pending, Done, Failed };

    // How long a wait may go on without progress before the run gives up:
    // "Timed out: <what> <limit>." is printed and the operation dropped.
    struct Patience {
        Millis limit;
        std::string_view what;
        // A wait whose progress moves on starts its time again; without
        // it the limit bounds the whole wait.
        std::function<std::uint64_t()> progress = {};
    };

    // Where "Connected" and "Disconnected" go: progress notes on the error
    // stream, or the command's result on the output (connect and the
    // communicator commands).
    enum class ConnectionLines { AsNotes, OnOutput };

    explicit PanelRun(Session& session, ConnectionLines lines = ConnectionLines::AsNotes);
    virtual ~PanelRun();
    PanelRun(const PanelRun&) = delete;
    PanelRun& operator=(const PanelRun&) = delete;

    session::PanelSession& panel() { return panel_; }
    panel::CUploadDoc& doc() { return panel_.doc; }
    const panel::PanelIdentity& identity() const { return panel_.doc.identity(); }
    CliSink& sink() { return sink_; }

    // Binds the socket and opens the communicator connection; a failure's
    // text has been printed when it returns false.
    bool open();
    // Opens, runs beforePanel (false from it ends the run), then has the
    // worker identify the panel; true once the link is idle and ready().
    // An opening or identification that a lost datagram may have failed is
    // tried again, three times in all.
    bool connect(const std::function<bool()>& beforePanel = {}, const std::function<bool()>& ready = {},
                 const std::optional<Patience>& patience = std::nullopt);
    // Waits until state() is no longer pending; false when it failed, the
    // worker ended, Ctrl-C was pressed or the patience ran out.
    bool waitFor(const std::function<Wait()>& state, const std::optional<Patience>& patience = std::nullopt);
    // The panel link is up in the idle poll, with no operation running.
    bool idle() const;

    // Ends the panel link and closes the connection; false when the close failed.
    bool finish();
    // Ends the run after a failure and returns its exit status, saying what
    // timed out or that the user interrupted, and then what the failure
    // left on the panel (afterFailure).
    int failure();

protected:
    // What a failure left on the panel, said once the link has ended and
    // the worker is done with the run; empty when it left nothing.
    virtual std::string afterFailure() { return {}; }

private:
    // How far an attempt to connect got.
    enum class Stage { Opening, Communicator, Panel };
    bool connectOnce(const std::function<bool()>& beforePanel, const std::function<bool()>& ready,
                     const std::optional<Patience>& patience, Stage& reached);
    bool lostOnTheWay(Stage reached, std::size_t noticesBefore) const;
    bool startSocket();
    void stopAtStepBoundary();
    void printConnection(int textId);

    Session& session_;
    ConnectionLines lines_;
    CliSink sink_;
    session::PanelSession panel_;
    bool timedOut_ = false;
    bool interrupted_ = false;
    int lastOpening_ = 0;         // the result of the last communicator opening
    std::size_t lastAttempt_ = 0; // the first notice of the last attempt to connect
};

} // namespace qarvo::cli
