#include "gui/CPageLog.h"

#include "base/TextIds.h"

namespace qarvo::gui {

CPageLog::CPageLog(QWidget* parent) : CPage(text_id::kPageEventLog, parent) { showPlaceholder(); }

} // namespace qarvo::gui
