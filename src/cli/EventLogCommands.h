#pragma once
// read-events: reads the panel's event log into the document's first log
// group and prints its lines.
#include "cli/Session.h"
#include "sim/DemoPeers.h"

#include <cstddef>
#include <vector>

namespace qarvo::cli {

// read-events [--all] [--mark-read] [--json] [--txt OUT.txt] [--csv OUT.csv] [--doc DOC.rps [--replace]]
//   --all        read the entire log, also the events marked as read
//   --mark-read  have the panel mark the events as read, once every output is saved
//   --json       print the events as records (number, time, partition, text, record bytes)
//   --txt        write the lines as a text export (UTF-16, CR LF)
//   --csv        write the records as UTF-8 CSV with a header row
//   --doc        read into that settings document and save it (made when missing)
int runReadEvents(Session& session);

// The few events the demo panel holds, oldest first; the newest of them unread.
using sim::demoEvents;
using sim::kDemoUnreadEvents;

} // namespace qarvo::cli
