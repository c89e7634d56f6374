#pragma once
// The shell's lookup of user-visible texts. Every text, the shell's menus,
// prompts and dialog labels included, lives in the one string table and is
// translated by the language pack in use; shell_text names the ids the
// shell uses (they are the string table's ids, see base/TextIds.h).
#include "base/TextIds.h"

#include <QString>

namespace qarvo::gui {

// The text of an id in the current language ("#<id>" for an unknown id).
QString text(int id);
// A command prompt "status line\ntool tip": either part.
QString statusPart(int id);
QString toolTipPart(int id);

namespace shell_text {
using namespace text_id;
} // namespace shell_text

} // namespace qarvo::gui
