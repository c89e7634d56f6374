#pragma once
// The panel's zone type list and PGM type list: which string names each
// type code. The programming pages offer them in this order; the online page
// names the types the panel reports with them.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qarvo::panel {

struct TypeName {
    std::uint8_t code; // the number before the "/" of the text
    int textId;
    bool onOldestModel = true; // offered for panel type code 0x21 as well
};

// Zone types: the number before the "/" is decimal ("10" is stored as 0x0A).
std::span<const TypeName> zoneTypeList();
// PGM types: the number before the "/" is hexadecimal. Panel type 0x21
// lacks some of them.
std::span<const TypeName> pgmTypeList();

// The PGM types a panel of the given type code offers, in list order: the
// items of the PGM type boxes, whose index the page forms store.
std::vector<TypeName> pgmTypeItems(std::uint8_t panelTypeCode);

// The text id naming a zone type, nullopt for a code not in the list.
std::optional<int> zoneTypeTextId(std::uint8_t code);
// The text id naming a PGM type on a panel of the given type code, nullopt
// when that panel's list lacks the code.
std::optional<int> pgmTypeTextId(std::uint8_t code, std::uint8_t panelTypeCode);

} // namespace qarvo::panel
