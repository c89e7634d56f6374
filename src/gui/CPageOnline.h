#pragma once
// The online status page: the panel's live state and its commands.
#include "gui/CPage.h"

namespace qarvo::gui {

class CPageOnline : public CPage {
    Q_OBJECT
public:
    explicit CPageOnline(QWidget* parent = nullptr);
};

} // namespace qarvo::gui
