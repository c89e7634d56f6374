#include "panel/TypeLists.h"

#include <algorithm>

namespace qarvo::panel {
namespace {

constexpr std::uint8_t kOldestModel = 0x21;

constexpr TypeName kZoneTypes[] = {
    {0, 6009},  {1, 6010},  {2, 6011},  {3, 6012},  {4, 6013},  {5, 6014},  {6, 6022},
    {10, 6015}, {11, 6016}, {12, 6017}, {13, 6019}, {14, 6018}, {15, 6020}, {16, 6021},
};

constexpr TypeName kPgmTypes[] = {
    {0x00, 160},        {0x01, 161},        {0x02, 162},        {0x03, 163},        {0x04, 164},
    {0x05, 165},        {0x06, 166},        {0x07, 167},        {0x08, 168},        {0x09, 15, false},
    {0x10, 169},        {0x11, 170},        {0x12, 171},        {0x13, 172},        {0x16, 13, false},
    {0x17, 14, false},  {0x18, 807},        {0x19, 191},        {0x20, 192},        {0x30, 193},
    {0x31, 194},        {0x40, 195},        {0x41, 196},        {0x42, 197},        {0x43, 198},
    {0x44, 199},        {0x45, 200},        {0x46, 201},        {0x47, 202},        {0x48, 800},
    {0x49, 203},        {0x4A, 809},        {0x4B, 264},        {0x4C, 265},        {0x4D, 1000, false},
    {0x50, 808},        {0x51, 801},        {0x52, 802},        {0x53, 803},        {0x54, 804},
    {0x55, 805},        {0x56, 806},        {0x57, 810},        {0x58, 811},        {0x59, 812},
    {0x5A, 813},        {0x5B, 814},        {0x5C, 817, false}, {0x5D, 820, false}, {0x5E, 821, false},
    {0x5F, 822, false},
};

const TypeName* find(std::span<const TypeName> list, std::uint8_t code)
{
    auto it = std::find_if(list.begin(), list.end(), [code](const TypeName& t) { return t.code == code; });
    return it == list.end() ? nullptr : &*it;
}

} // namespace

std::span<const TypeName> zoneTypeList()
{
    return kZoneTypes;
}

std::span<const TypeName> pgmTypeList()
{
    return kPgmTypes;
}

std::vector<TypeName> pgmTypeItems(std::uint8_t panelTypeCode)
{
    std::vector<TypeName> items;
    for (const TypeName& t : kPgmTypes)
        if (panelTypeCode != kOldestModel || t.onOldestModel)
            items.push_back(t);
    return items;
}

std::optional<int> zoneTypeTextId(std::uint8_t code)
{
    const TypeName* type = find(kZoneTypes, code);
    return type ? std::optional<int>(type->textId) : std::nullopt;
}

std::optional<int> pgmTypeTextId(std::uint8_t code, std::uint8_t panelTypeCode)
{
    const TypeName* type = find(kPgmTypes, code);
    if (!type || (panelTypeCode == kOldestModel && !type->onOldestModel))
        return std::nullopt;
    return type->textId;
}

} // namespace qarvo::panel
