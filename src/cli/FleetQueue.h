#pragma once
// A fleet run over a shared book, spread over machines: `fleet backup …
// --queue` queues it and prints its number; `fleet worker` on any machine
// takes its jobs, a bounded number at once, each site's work the same as a
// local run's; `fleet wait RUN` follows it with a local run's progress
// display and exit status.
#include "cli/BookSubcommands.h"

#include <string>
#include <vector>

namespace qarvo::cli {

int queueRun(Session& s, sites::SiteBook& book, const std::vector<std::string>& names, const std::string& kind,
             int retries);
int runWorker(Session& s, sites::SiteBook& book, const BookArgs& args);
int runWait(Session& s, sites::SiteBook& book, const BookArgs& args);
std::vector<SubcommandOption> workerOptions();

} // namespace qarvo::cli
