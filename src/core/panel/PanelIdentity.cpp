#include "panel/PanelIdentity.h"

namespace qarvo::panel {

bool PanelIdentity::setFromModel(std::uint8_t code)
{
    const PanelModel* model = findPanelModel(code);
    if (!model)
        return false;
    typeCode = code;
    zoneCount = model->zoneCount;
    userRecordCount = kModelUserRecordCount;
    pgmCount = model->pgmCount;
    keypadCount = kKeypadCount;
    return true;
}

} // namespace qarvo::panel
