#include "panel/PanelModels.h"

#include <algorithm>

namespace qarvo::panel {

const PanelModel* findPanelModel(std::uint8_t typeCode)
{
    const auto found = std::ranges::find(kPanelModels, typeCode, &PanelModel::typeCode);
    return found == kPanelModels.end() ? nullptr : &*found;
}

int modelTextId(std::uint8_t typeCode)
{
    const PanelModel* model = findPanelModel(typeCode);
    return model ? model->textId : kUnknownModelTextId;
}

} // namespace qarvo::panel
