#pragma once
// The event log page: the logs read from the panel, printing and export.
#include "gui/CPage.h"

namespace qarvo::gui {

class CPageLog : public CPage {
    Q_OBJECT
public:
    explicit CPageLog(QWidget* parent = nullptr);
};

} // namespace qarvo::gui
