#include "gui/CPageInst.h"

#include "base/TextIds.h"

namespace qarvo::gui {

CPageInst::CPageInst(QWidget* parent) : CPage(text_id::kPageInstallerFunctions, parent) { showPlaceholder(); }

} // namespace qarvo::gui
