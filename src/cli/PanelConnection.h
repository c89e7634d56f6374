#pragma once
// Opening the communicator connection for a panel command: binds the socket,
// announces a wait for the communicator's call (and, in the demo, has the
// embedded communicator call), opens, and prints a failure's text.
#include "session/PanelSession.h"
#include "cli/CliSink.h"
#include "cli/Session.h"

namespace qarvo::cli {

bool openPanelConnection(Session& session, CliSink& sink, session::PanelSession& panel);

} // namespace qarvo::cli
