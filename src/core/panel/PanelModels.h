#pragma once
// The panel models the program knows, keyed by the type code the panel
// reports when it identifies itself.
#include <array>
#include <cstdint>

namespace qarvo::panel {

// Which chain of report code entries, zone attributes and welcome message the
// model's memory holds: V1 is the oldest and smallest, V3 the fullest.
enum class LayoutVariant { V1, V2, V3 };

struct PanelModel {
    std::uint8_t typeCode;
    int textId;           // the model's name in the string table
    int zoneCount;
    int pgmCount;
    std::uint8_t modelByte; // what the panel keeps at memory address 0
    LayoutVariant variant;
    bool limited;           // no LCD language, voice module or battery voice report options
    bool selectiveFollowMe; // has the selective "Follow me" report option

    // Zone attribute P and the welcome message exist from V2 on.
    constexpr bool hasWelcomeMessage() const { return variant != LayoutVariant::V1; }
    constexpr bool hasZoneAttributeP() const { return variant != LayoutVariant::V1; }
    // Zone attribute S ("Wireless sensor").
    constexpr bool hasWirelessZones() const { return variant == LayoutVariant::V3; }
};

// Every model has this many user code records (the master included) and keypads.
inline constexpr int kModelUserRecordCount = 46;
inline constexpr int kKeypadCount = 8;
// Text id of "Unknown panel code: %02X".
inline constexpr int kUnknownModelTextId = 79;

inline constexpr std::uint8_t kFirstTypeCode = 0x21;
inline constexpr std::uint8_t kLastTypeCode = 0x29;
// The model assumed before any panel has answered, and by new documents.
inline constexpr std::uint8_t kDefaultTypeCode = 0x24;

inline constexpr std::array<PanelModel, 9> kPanelModels{{
    {0x21, 70, 12, 6, 0xAB, LayoutVariant::V1, false, false},
    {0x22, 71, 12, 8, 0xAC, LayoutVariant::V2, false, true},
    {0x23, 72, 12, 8, 0xAD, LayoutVariant::V2, true, false},
    {0x24, 73, 16, 8, 0xAE, LayoutVariant::V3, false, true},
    {0x25, 74, 16, 8, 0xAF, LayoutVariant::V3, true, false},
    {0x26, 75, 12, 8, 0xAC, LayoutVariant::V2, false, true},
    {0x27, 76, 12, 8, 0xAD, LayoutVariant::V2, true, false},
    {0x28, 77, 16, 8, 0xAE, LayoutVariant::V3, false, true},
    {0x29, 78, 16, 8, 0xAF, LayoutVariant::V3, true, false},
}};

// The model of a type code, or nullptr for a code outside 0x21-0x29.
constexpr const PanelModel* findPanelModel(std::uint8_t typeCode)
{
    for (const PanelModel& model : kPanelModels)
        if (model.typeCode == typeCode)
            return &model;
    return nullptr;
}

// The string id naming the model; kUnknownModelTextId for an unknown code
// (that text takes the code as its number).
int modelTextId(std::uint8_t typeCode);

} // namespace qarvo::panel
