#pragma once
// The exit statuses of qarvoip-cli, which scripts rely on (a panel job's
// result carries the one a failed panel or communicator command ends with),
// and the line that names what stopped answering, with how long was waited.
#include "base/Timing.h"
#include "session/JobResult.h"

#include <ostream>
#include <string>

namespace qarvo::cli {

inline constexpr int kExitSuccess = session::exit_status::kSuccess;
inline constexpr int kExitFailure = session::exit_status::kFailure;
inline constexpr int kExitUsage = session::exit_status::kUsage;
inline constexpr int kExitConnection = session::exit_status::kConnection;
inline constexpr int kExitRefused = session::exit_status::kRefused;
inline constexpr int kExitInterrupted = session::exit_status::kInterrupted;

// One line per status, for the help text.
const char* exitStatusHelp();

// Prints what timed out and after how long, when a silence of the far end
// is why the job failed (a wait of the job's own has been said already).
void sayWhatTimedOut(const session::JobResult& result, const Timing& timing, std::ostream& err);

} // namespace qarvo::cli
