#pragma once
// A command's panel job: the job does the work (see session::PanelJob); the
// run prints its course as the command line shows it and turns a failure
// into the exit status, saying what timed out, that the user interrupted,
// and what the failure left on the panel.
#include "cli/CliSink.h"
#include "cli/Session.h"
#include "session/PanelJob.h"

#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace qarvo::cli {

class PanelRun {
public:
    using Wait = session::PanelJob::Wait;
    using Patience = session::PanelJob::Patience;

    // Where "Connected" and "Disconnected" go: progress notes on the error
    // stream, or the command's result on the output (connect and the
    // communicator commands).
    enum class ConnectionLines { AsNotes, OnOutput };

    // What a command does with the job's notices itself (the event log's
    // lines and records, the backup before a write): called on the posting
    // thread, after the run printed the notice and before the job goes on.
    using Heard = std::function<void(const Notice&)>;

    explicit PanelRun(Session& session, ConnectionLines lines = ConnectionLines::AsNotes, Heard heard = {});
    virtual ~PanelRun();
    PanelRun(const PanelRun&) = delete;
    PanelRun& operator=(const PanelRun&) = delete;

    session::PanelJob& job() { return job_; }
    session::PanelSession& panel() { return job_.panel(); }
    panel::CUploadDoc& doc() { return job_.doc(); }
    const panel::PanelIdentity& identity() const { return job_.identity(); }
    CliSink& sink() { return sink_; }

    // Passes no more notices to the function given at construction. A
    // command whose function is its own member calls it before its members
    // go: the worker's threads may post until the job itself ends.
    void stopHearing();

    bool open() { return job_.open(); }
    bool connect(const std::function<bool()>& beforePanel = {}, const std::function<bool()>& ready = {},
                 const std::optional<Patience>& patience = std::nullopt)
    {
        return job_.connect(beforePanel, ready, patience);
    }
    bool waitFor(const std::function<Wait()>& state, const std::optional<Patience>& patience = std::nullopt)
    {
        return job_.waitFor(state, patience);
    }
    bool idle() const { return job_.idle(); }
    bool finish() { return job_.finish(); }
    // Ends the run after a failure and returns its exit status.
    int failure();

protected:
    // What a failure left on the panel, said once the link has ended and
    // the worker is done with the run; empty when it left nothing.
    virtual std::string afterFailure() { return {}; }

private:
    // Prints the job's course and hands every notice on to the command's sink.
    class Lines final : public NoticeSink {
    public:
        explicit Lines(PanelRun& run) : run_(run) {}
        void post(const Notice& notice) override;

    private:
        PanelRun& run_;
    };

    void print(const JobNotice& notice);
    void printConnection(int textId);

    Session& session_;
    ConnectionLines lines_;
    std::mutex heardMutex_; // the function is called, or dropped, under it
    Heard heard_;
    CliSink sink_;
    Lines courseLines_{*this};
    session::PanelJob job_;
};

} // namespace qarvo::cli
