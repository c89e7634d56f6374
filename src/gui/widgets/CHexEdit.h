#pragma once
// An edit field for hex numbers: typing takes only hex digits; the
// clipboard shortcuts work, and pasted text is taken only when it is all
// hex digits.
#include <QLineEdit>

namespace qarvo::gui {

class CHexEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CHexEdit(QWidget* parent = nullptr);
};

} // namespace qarvo::gui
