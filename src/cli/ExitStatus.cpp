#include "cli/ExitStatus.h"

#include "base/TextIds.h"
#include "link/Connection.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

namespace qarvo::cli {

namespace {

// Messages of the identification that mean the panel refused the program.
constexpr std::array kRefusals{text_id::kWrongPanelId, text_id::kWrongPcId, text_id::kUnknownPanel,
                               text_id::kNewerPanelVersion, text_id::kUnknownPanelCode};

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

int failureStatus(const RecordingSink& sink, const Timing& timing, std::ostream& err, bool receiverTimedOut,
                  std::size_t from)
{
    bool panelSilent = false;
    auto mode = link::ConnectionMode::Direct;
    const std::vector<Notice> notices = sink.notices();
    for (const Notice& notice : std::span(notices).subspan(std::min(from, notices.size()))) {
        if (const auto* message = std::get_if<MessageNotice>(&notice)) {
            if (std::ranges::find(kRefusals, message->textId) != kRefusals.end())
                return kExitRefused;
            panelSilent = panelSilent || message->textId == text_id::kPanelDoesntAnswer;
        }
        const auto* communicator = std::get_if<CommunicatorNotice>(&notice);
        if (communicator && communicator->kind == CommunicatorNotice::Kind::OpeningStarted)
            mode = static_cast<link::ConnectionMode>(communicator->value);
        if (!communicator || communicator->kind != CommunicatorNotice::Kind::OpenResult)
            continue;
        switch (communicator->value) {
        case link::result::kWrongPassword:
            return kExitRefused;
        case link::result::kNoCall:
            err << "Timed out: the communicator did not answer the hello within " << durationText(timing.controlReply)
                << "." << std::endl;
            return kExitConnection;
        case link::result::kNoRequest:
            err << "Timed out: " << (mode == link::ConnectionMode::WaitForCall ? "no call came" : "the communicator did not ask to connect")
                << " within " << durationText(callWait(timing, mode)) << "." << std::endl;
            return kExitConnection;
        case link::result::kCommunicationError:
        case link::result::kCancelled:
            return kExitConnection;
        default:
            break;
        }
    }
    if (panelSilent) {
        err << "Timed out: the panel sent no message for " << durationText(timing.workerReply) << "." << std::endl;
        return kExitConnection;
    }
    if (receiverTimedOut) {
        err << "Timed out: no panel data came through the communicator for " << durationText(timing.receiverData)
            << "; the link was ended." << std::endl;
        return kExitConnection;
    }
    return kExitFailure;
}

} // namespace qarvo::cli
