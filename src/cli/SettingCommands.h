#pragma once
// Settings by name: list them, show a document's values, set values through
// the programming forms' own checks, check a whole document and compare two.
#include "cli/Session.h"

namespace qarvo::cli {

// settings [--type CODE]: every setting of the model (0x24 by default) with
// its kind, range and label.
int runSettings(Session& session);
// show DOC.rps [--json]: every value as the pages show it.
int runShow(Session& session);
// set DOC.rps NAME=VALUE... [--from FILE.json]: stores the values through
// the forms and saves the document; a refused value leaves the file as it was.
int runSet(Session& session);
// check DOC.rps: the whole conversion to the image; the first refused value.
int runCheck(Session& session);
// diff A.rps B.rps [--json]: the settings whose values differ; exits 0 when
// none does, 1 when some do, 2 on error.
int runDiff(Session& session);

} // namespace qarvo::cli
