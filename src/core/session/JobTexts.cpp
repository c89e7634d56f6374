#include "session/JobTexts.h"

#include "app/Strings.h"
#include "communicator/TaviOptions.h"
#include "link/Connection.h"
#include "panel/PanelModels.h"

namespace qarvo::session {

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

std::string durationText(Millis duration)
{
    const auto ms = duration.count();
    return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

std::string silenceText(const JobResult& result, const Timing& timing)
{
    switch (result.silence) {
    case JobSilence::HelloUnanswered:
        return "Timed out: the communicator did not answer the hello within " + durationText(timing.controlReply) + ".";
    case JobSilence::NoRequest:
        return std::string("Timed out: ") +
               (result.mode == link::ConnectionMode::WaitForCall ? "no call came"
                                                                  : "the communicator did not ask to connect") +
               " within " + durationText(callWait(timing, result.mode)) + ".";
    case JobSilence::PanelSilent:
        return "Timed out: the panel sent no message for " + durationText(timing.workerReply) + ".";
    case JobSilence::ReceiverSilent:
        return "Timed out: no panel data came through the communicator for " + durationText(timing.receiverData) +
               "; the link was ended.";
    case JobSilence::None:
    case JobSilence::Patience: break;
    }
    return {};
}

std::string timedOutText(const JobNotice& notice)
{
    return "Timed out: " + notice.text + " " + durationText(Millis(notice.value)) + ".";
}

std::string modelName(std::uint8_t typeCode)
{
    std::string name = strings::utf8(panel::modelTextId(typeCode));
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

void makeNewDocument(panel::CUploadDoc& doc, std::uint8_t typeCode)
{
    doc.newDocument();
    panel::PanelIdentity model;
    model.setFromModel(typeCode);
    doc.checkModel(model);
    doc.setTaviOptions(TaviOptions::builtInDefaults().bytes);
}

} // namespace qarvo::session
