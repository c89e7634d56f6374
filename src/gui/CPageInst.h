#pragma once
// The installer functions page: the installer's programming of the panel.
#include "gui/CPage.h"

namespace qarvo::gui {

class CPageInst : public CPage {
    Q_OBJECT
public:
    explicit CPageInst(QWidget* parent = nullptr);
};

} // namespace qarvo::gui
