#pragma once
// The exit statuses of qarvoip-cli, which scripts rely on, and the status a
// failed panel or communicator command ends with, judged from what the link
// reported on the way: a connection that never opened, a panel or a
// communicator that stopped answering (named, with how long was waited), or
// a refusal of the password or the identification codes.
#include "base/RecordingSink.h"
#include "base/Timing.h"

#include <ostream>
#include <string>

namespace qarvo::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;      // failed, or refused before anything was sent
inline constexpr int kExitUsage = 2;        // the command line is wrong, or no communicator is given
inline constexpr int kExitConnection = 3;   // no connection, or the far end stopped answering
inline constexpr int kExitRefused = 4;      // password or identification codes refused
inline constexpr int kExitInterrupted = 130; // Ctrl-C

// One line per status, for the help text.
const char* exitStatusHelp();

// Prints what timed out and after how long, when that is why the link
// ended, and returns the status for the failure; only the notices from the
// `from`th on (the last attempt's) count.
int failureStatus(const RecordingSink& sink, const Timing& timing, std::ostream& err, bool receiverTimedOut = false,
                  std::size_t from = 0);

// "42 s", "250 ms".
std::string durationText(Millis duration);

} // namespace qarvo::cli
