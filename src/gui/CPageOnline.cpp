#include "gui/CPageOnline.h"

#include "base/TextIds.h"

namespace qarvo::gui {

CPageOnline::CPageOnline(QWidget* parent) : CPage(text_id::kPageOnlineStatus, parent) { showPlaceholder(); }

} // namespace qarvo::gui
