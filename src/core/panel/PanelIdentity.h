#pragma once
// What the connected (or last assumed) panel is: its type code and how many
// zones, user code records, PGM outputs and keypads it has.
#include "panel/PanelModels.h"

#include <cstdint>

namespace qarvo::panel {

struct PanelIdentity {
    // Before any panel has answered: the default model's values.
    std::uint8_t typeCode = kDefaultTypeCode;
    std::int32_t zoneCount = findPanelModel(kDefaultTypeCode)->zoneCount;
    std::int32_t userRecordCount = kModelUserRecordCount; // the master record included
    std::int32_t pgmCount = findPanelModel(kDefaultTypeCode)->pgmCount;
    std::int32_t keypadCount = kKeypadCount;

    // Takes the values of the model table for typeCode. Only 0x21-0x29 are
    // models; any other code leaves the record unchanged and returns false.
    bool setFromModel(std::uint8_t code);

    friend bool operator==(const PanelIdentity&, const PanelIdentity&) = default;
};

} // namespace qarvo::panel
