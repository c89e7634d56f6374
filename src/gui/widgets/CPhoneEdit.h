#pragma once
// An edit field for telephone numbers as the panel dials them: digits and
// "D" (the dialler's pause) only, typed or pasted.
#include <QLineEdit>

namespace qarvo::gui {

class CPhoneEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CPhoneEdit(QWidget* parent = nullptr);
};

} // namespace qarvo::gui
