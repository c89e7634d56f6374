#pragma once
// read-events: reads the panel's event log into the document's first log
// group and prints its lines.
#include "cli/Session.h"
#include "sim/SimPanelEventLog.h"

#include <cstddef>
#include <vector>

namespace qarvo::cli {

// read-events [--all] [--mark-read] [--txt OUT.txt] [--doc DOC.rps]
//   --all        read the entire log, also the events marked as read
//   --mark-read  have the panel mark the events as read afterwards
//   --txt        write the lines as a text export (UTF-16, CR LF)
//   --doc        read into that settings document and save it (made when missing)
int runReadEvents(Session& session);

// The few events the demo panel holds, oldest first; the newest of them unread.
std::vector<sim::EventRecord> demoEvents();
inline constexpr std::size_t kDemoUnreadEvents = 4;

} // namespace qarvo::cli
