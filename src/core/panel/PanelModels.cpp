#include "panel/PanelModels.h"

namespace qarvo::panel {

int modelTextId(std::uint8_t typeCode)
{
    const PanelModel* model = findPanelModel(typeCode);
    return model ? model->textId : kUnknownModelTextId;
}

} // namespace qarvo::panel
