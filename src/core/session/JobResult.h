#pragma once
// What a panel job came to: its outcome, the exit status a headless run
// ends with (scripts rely on these numbers), the text id that says why it
// failed, what stopped answering, and the pages it wrote.
#include "link/Connection.h"

#include <vector>

namespace qarvo::session {

namespace exit_status {
inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;      // failed, or refused before anything was sent
inline constexpr int kUsage = 2;        // the command line is wrong, or no communicator is given
inline constexpr int kConnection = 3;   // no connection, or the far end stopped answering
inline constexpr int kRefused = 4;      // password or identification codes refused
inline constexpr int kInterrupted = 130; // cancelled (Ctrl-C)
} // namespace exit_status

enum class JobOutcome { Done, Failed, NoConnection, Refused, Cancelled };

// What did not answer in time, when that is why a job failed.
enum class JobSilence {
    None,
    Patience,        // a wait of the job's own ran out (already said with a job notice)
    HelloUnanswered, // the communicator did not answer the hello
    NoRequest,       // the communicator did not ask to connect, or no call came (see mode)
    PanelSilent,     // the panel sent no message for the worker's reply time
    ReceiverSilent,  // no panel data came through the communicator
};

struct JobResult {
    JobOutcome outcome = JobOutcome::Done;
    int exitStatus = exit_status::kSuccess;
    // The message or opening result that says why it failed; 0 when none does.
    int textId = 0;
    JobSilence silence = JobSilence::None;
    // The mode of the last opening.
    link::ConnectionMode mode = link::ConnectionMode::Direct;
    // The page writes that were carried out to their end, in order.
    std::vector<int> written;

    bool done() const { return outcome == JobOutcome::Done; }
};

} // namespace qarvo::session
