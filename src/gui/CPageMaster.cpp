#include "gui/CPageMaster.h"

#include "base/TextIds.h"

namespace qarvo::gui {

CPageMaster::CPageMaster(QWidget* parent) : CPage(text_id::kPageMasterFunctions, parent) { showPlaceholder(); }

} // namespace qarvo::gui
