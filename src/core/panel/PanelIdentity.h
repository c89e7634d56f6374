#pragma once
// What the connected (or last assumed) panel is: its type code and how many
// zones, user code records, PGM outputs and keypads it has.
#include <cstdint>

namespace qarvo::panel {

struct PanelIdentity {
    std::uint8_t typeCode = 0x24;
    std::int32_t zoneCount = 16;
    std::int32_t userRecordCount = 46; // the master record included
    std::int32_t pgmCount = 8;
    std::int32_t keypadCount = 8;

    // Takes the values of the model table for typeCode. Only 0x21-0x29 are
    // models; any other code leaves the record unchanged and returns false.
    bool setFromModel(std::uint8_t code);

    friend bool operator==(const PanelIdentity&, const PanelIdentity&) = default;
};

} // namespace qarvo::panel
