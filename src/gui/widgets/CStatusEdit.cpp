#include "gui/widgets/CStatusEdit.h"

namespace qarvo::gui {

CStatusEdit::CStatusEdit(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    // Read-only, yet reachable by Tab so the text can be selected and read.
    setFocusPolicy(Qt::TabFocus);
    resetColours();
}

void CStatusEdit::setColours(const QColor& text, const QColor& background)
{
    text_ = text;
    background_ = background;
    QPalette p = palette();
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Base, background);
    setPalette(p);
}

void CStatusEdit::resetColours()
{
    const QPalette standard;
    setColours(standard.color(QPalette::Text), standard.color(QPalette::Window));
}

} // namespace qarvo::gui
