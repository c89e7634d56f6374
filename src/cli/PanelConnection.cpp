#include "cli/PanelConnection.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "cli/Demo.h"

namespace qarvo::cli {

bool openPanelConnection(Session& session, CliSink& sink, session::PanelSession& panel)
{
    std::string error;
    if (!panel.start(&error)) {
        sink.printLine(strings::utf8(text_id::kSocketCannotBeInitialized) + (error.empty() ? "" : ": " + error));
        return false;
    }
    const link::ConnectionMode mode = session.commandLine.options.mode;
    if (mode == link::ConnectionMode::WaitForCall) {
        sink.printNote("Waiting for the communicator's call on UDP port " +
                       std::to_string(panel.link.socket.localPort()) + "...");
        if (session.demo)
            session.demo->callProgramLater(panel.link.socket.localPort());
    }
    const int result = panel.link.connection.open(mode, false);
    if (result == link::result::kOpen)
        return true;
    if (result >= link::result::kNoCall && result <= link::result::kWrongPassword)
        sink.printLine(strings::utf8(result));
    return false;
}

} // namespace qarvo::cli
