#include "gui/widgets/CHexEdit.h"

#include "base/CellEditRules.h"
#include "gui/widgets/CharFilterValidator.h"

namespace qarvo::gui {

CHexEdit::CHexEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new CharFilterValidator(cells::isHexDigit, this));
}

} // namespace qarvo::gui
