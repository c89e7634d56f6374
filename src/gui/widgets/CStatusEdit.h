#pragma once
// A read-only status field that paints its text in its own colours, so a
// state can be told at a glance (and still read as text).
#include <QLineEdit>

namespace qarvo::gui {

class CStatusEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CStatusEdit(QWidget* parent = nullptr);

    void setColours(const QColor& text, const QColor& background);
    QColor textColour() const { return text_; }
    QColor backgroundColour() const { return background_; }
    // Back to the window's own colours.
    void resetColours();

private:
    QColor text_;
    QColor background_;
};

} // namespace qarvo::gui
