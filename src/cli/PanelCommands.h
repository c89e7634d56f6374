#pragma once
// The live panel commands of qarvoip-cli. Each connects to the panel, waits
// until the link is idle and the panel's status messages have been decoded,
// then shows the online status (status) or requests one command operation
// and waits for its end. A command the panel refuses prints the refusal text
// and exits with kExitFailure.
#include "cli/Session.h"

namespace qarvo::cli {

// identify: the model text and the panel identity values, as decimal numbers.
int runIdentify(Session& session);
// status: partition texts, troubles, chime, panel and PC clocks, zones, PGMs.
int runStatus(Session& session);
// arm | disarm | stop-autoarm [--partition A|B]
int runArm(Session& session);
int runDisarm(Session& session);
int runStopAutoarm(Session& session);
// bypass ZONE | unbypass ZONE (zone number from 1)
int runBypass(Session& session);
int runUnbypass(Session& session);
// chime: toggle the chime; sync-time: set the panel clock from this computer's.
int runChime(Session& session);
int runSyncTime(Session& session);
// pgm N: switch PGM output N (from 1)
int runPgm(Session& session);

} // namespace qarvo::cli
