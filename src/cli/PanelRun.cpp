#include "cli/PanelRun.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "cli/Demo.h"
#include "cli/ExitStatus.h"
#include "session/JobTexts.h"

namespace qarvo::cli {

namespace {

session::JobSettings jobSettings(const Session& session)
{
    return {session.settings, session.commandLine.options.mode, session.env.timing, session.env.clock,
            session.env.interrupt};
}

} // namespace

PanelRun::PanelRun(Session& session, ConnectionLines lines, Heard heard)
    : session_(session), lines_(lines), heard_(std::move(heard)), sink_(session.env.err, sinkStyle(session)), job_(courseLines_, jobSettings(session))
{
    // The run closes the connection itself right after the panel link:
    // the hint to disconnect the communicator has nothing to ask.
    sink_.hideMessage(text_id::kTaviStillConnected);
}

PanelRun::~PanelRun() { job_.finish(); }

void PanelRun::Lines::post(const Notice& notice)
{
    if (const auto* course = std::get_if<JobNotice>(&notice))
        run_.print(*course);
    run_.sink_.post(notice);
    const std::lock_guard held(run_.heardMutex_);
    if (run_.heard_)
        run_.heard_(notice);
}

void PanelRun::stopHearing()
{
    const std::lock_guard held(heardMutex_);
    heard_ = {};
}

void PanelRun::printConnection(int textId)
{
    if (lines_ == ConnectionLines::OnOutput)
        session_.env.out << strings::utf8(textId) << std::endl;
    else
        sink_.printNote(strings::utf8(textId));
}

void PanelRun::print(const JobNotice& notice)
{
    using Kind = JobNotice::Kind;
    switch (notice.kind) {
    case Kind::SocketFailed:
        sink_.printLine(strings::utf8(text_id::kSocketCannotBeInitialized) +
                        (notice.text.empty() ? "" : ": " + notice.text));
        break;
    case Kind::Connecting: sink_.printNote(strings::utf8(text_id::kConnecting)); break;
    case Kind::WaitingForCall:
        sink_.printNote("Waiting for the communicator's call on UDP port " + std::to_string(notice.value) + "...");
        if (session_.demo)
            session_.demo->callProgramLater(static_cast<std::uint16_t>(notice.value));
        break;
    case Kind::OpenFailed: sink_.printLine(strings::utf8(static_cast<int>(notice.value))); break;
    case Kind::Connected:
        if (lines_ == ConnectionLines::OnOutput)
            printConnection(text_id::kConnected);
        break;
    case Kind::Retrying:
        sink_.printNote("The link did not come up; trying again (" + std::to_string(notice.value) + " of " +
                        std::to_string(notice.count) + ").");
        break;
    case Kind::TimedOut:
        sink_.printLine(session::timedOutText(notice));
        break;
    case Kind::Disconnecting: sink_.printNote(strings::utf8(text_id::kDisconnecting)); break;
    case Kind::Disconnected: printConnection(text_id::kDisconnected); break;
    case Kind::DisconnectFailed: sink_.printLine(strings::utf8(text_id::kErrorWhileDisconnecting)); break;
    }
}

int PanelRun::failure()
{
    const session::JobResult result = job_.failure();
    if (result.outcome == session::JobOutcome::Cancelled)
        session_.env.err << kProgramName << ": " << session::kInterruptedText << std::endl;
    else
        sayWhatTimedOut(result, session_.env.timing, session_.env.err);
    if (const std::string left = afterFailure(); !left.empty())
        session_.env.err << kProgramName << ": " << left << std::endl;
    return result.exitStatus;
}

} // namespace qarvo::cli
