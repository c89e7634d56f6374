#pragma once
// How a panel job's course and failure are told to a user without a window:
// what stopped answering and how long was waited, a model's name, and the
// document a read of the whole panel starts from.
#include "base/NoticeSink.h"
#include "base/Timing.h"
#include "panel/CUploadDoc.h"
#include "session/JobResult.h"

#include <cstdint>
#include <string>

namespace qarvo::session {

// "42 s", "250 ms".
std::string durationText(Millis duration);

// What timed out and after how long, when a silence of the far end is why
// the job failed; "" otherwise (a wait of the job's own says itself with
// its TimedOut notice).
std::string silenceText(const JobResult& result, const Timing& timing);

// What a cancelled job says: it ended its link first.
inline constexpr const char* kInterruptedText = "interrupted: the link was ended.";

// "Timed out: WHAT 40 s." for a job's own wait that ran out.
std::string timedOutText(const JobNotice& notice);

// The model's name as the panel list shows it, without the padding.
std::string modelName(std::uint8_t typeCode);

// A new document of the model, with the communicator's built-in options.
void makeNewDocument(panel::CUploadDoc& doc, std::uint8_t typeCode);

} // namespace qarvo::session
