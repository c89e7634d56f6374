#include "gui/widgets/CPhoneEdit.h"

#include "base/CellEditRules.h"
#include "gui/widgets/CharFilterValidator.h"

namespace qarvo::gui {

CPhoneEdit::CPhoneEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new CharFilterValidator(cells::isPhoneChar, this));
}

} // namespace qarvo::gui
