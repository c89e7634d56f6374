#pragma once
// The settings document commands of qarvoip-cli: a new ".rps" document with
// a model's defaults, the four page transfers between a document and the
// panel, and the demo session that ./run.sh runs without a display.
#include "cli/Session.h"
#include "sim/DemoPeers.h"

#include <cstdint>
#include <vector>

namespace qarvo::cli {

// new DOC.rps [--type CODE]: a new document with the defaults of panel type
// CODE (hexadecimal, 21 to 29; 24 when not given). An existing file is kept.
int runNew(Session& session);

// read-installer | read-master DOC.rps: reads the page from the panel into
// the document, which is made when the file does not exist, and saves it.
int runReadInstaller(Session& session);
int runReadMaster(Session& session);
// write-installer | write-master DOC.rps: writes the page of an existing
// document to the panel. A panel of another model than the document's is
// not written to.
int runWriteInstaller(Session& session);
int runWriteMaster(Session& session);

// backup DIR|FILE.rps: both pages, the whole event log and the
// communicator options of the connected panel in one new document.
int runBackup(Session& session);
// restore FILE.rps [--no-backup]: checks the document as the pages do,
// keeps a backup of the panel's pages, writes both pages and reads them
// back to compare.
int runRestore(Session& session);

// demo: identifies the embedded simulated panel, reads both pages into
// demo.rps in the current directory and reports what it read.
int runDocumentDemo(Session& session);

// The programming of the demo panel: the model's defaults with a few zone
// names and a welcome message.
using sim::demoProgramming;

} // namespace qarvo::cli
