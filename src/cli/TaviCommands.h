#pragma once
// The communicator commands of qarvoip-cli: its model information, reading
// and writing its options record (files hold the 328-byte record in its
// in-memory form), toggling its PGMs and updating its firmware.
#include "cli/Session.h"

namespace qarvo::cli {

// tavi-info: the model information of the accept reply.
int runTaviInfo(Session& session);
// tavi-read OUT.bin
int runTaviRead(Session& session);
// tavi-write IN.bin [--dry-run] [--force]: a record equal to the reference
// copy is sent only with --force; otherwise the question is printed and
// nothing is sent. --dry-run reads the communicator's options and names
// those the file would change, writing nothing.
int runTaviWrite(Session& session);
// tavi-pgm N, N from 1 to 4.
int runTaviPgm(Session& session);
// firmware-update HOST:PORT, printing each stage.
int runFirmwareUpdate(Session& session);

} // namespace qarvo::cli
