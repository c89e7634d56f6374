#include "cli/ExitStatus.h"

#include "link/Connection.h"

#include <string>

namespace qarvo::cli {

namespace {

Millis callWait(const Timing& timing, link::ConnectionMode mode)
{
    switch (mode) {
    case link::ConnectionMode::Direct: return timing.directCallWait;
    case link::ConnectionMode::Callback: return timing.callbackCallWait;
    case link::ConnectionMode::WaitForCall: break;
    }
    return timing.waitForCall;
}

} // namespace

const char* exitStatusHelp()
{
    return "  0    success\n"
           "  1    failed, or refused before anything was sent\n"
           "  2    invalid command line, or no communicator address\n"
           "  3    no connection, or the communicator or panel stopped answering\n"
           "  4    password or identification codes refused by the far end\n"
           "  130  interrupted (Ctrl-C)\n";
}

std::string durationText(Millis duration)
{
    const auto ms = duration.count();
    if (ms % 1000 == 0)
        return std::to_string(ms / 1000) + " s";
    return std::to_string(ms) + " ms";
}

void sayWhatTimedOut(const session::JobResult& result, const Timing& timing, std::ostream& err)
{
    switch (result.silence) {
    case session::JobSilence::HelloUnanswered:
        err << "Timed out: the communicator did not answer the hello within " << durationText(timing.controlReply)
            << "." << std::endl;
        break;
    case session::JobSilence::NoRequest:
        err << "Timed out: "
            << (result.mode == link::ConnectionMode::WaitForCall ? "no call came" : "the communicator did not ask to connect")
            << " within " << durationText(callWait(timing, result.mode)) << "." << std::endl;
        break;
    case session::JobSilence::PanelSilent:
        err << "Timed out: the panel sent no message for " << durationText(timing.workerReply) << "." << std::endl;
        break;
    case session::JobSilence::ReceiverSilent:
        err << "Timed out: no panel data came through the communicator for " << durationText(timing.receiverData)
            << "; the link was ended." << std::endl;
        break;
    case session::JobSilence::None:
    case session::JobSilence::Patience:
        break;
    }
}

} // namespace qarvo::cli
