#include "base/HexText.h"

#include <gtest/gtest.h>

using namespace qarvo::hex;

TEST(HexText, ParsesUpToEightHexDigitsAndRefusesEverythingElse)
{
    const std::pair<std::string_view, std::optional<std::uint32_t>> cases[] = {
        {"", 0u},           {"0", 0u},          {"ffff", 0xFFFFu},     {"1A2b", 0x1A2Bu},
        {"FFFFFFFF", 0xFFFFFFFFu}, {"123456789", std::nullopt}, {"12G4", std::nullopt},
        {" 12", std::nullopt}, {"0x12", std::nullopt}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseHex(text), value) << text;
}

TEST(HexText, SixteenBitFieldsRefuseValuesAboveFFFF)
{
    const std::pair<std::string_view, std::optional<std::uint16_t>> cases[] = {
        {"FFFF", 0xFFFF}, {"1FFFF", std::nullopt}, {"10000", std::nullopt}, {"00FFFF", 0xFFFF}, {"7", 7}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseHex16(text), value) << text;
}

TEST(HexText, SixteenBitDecimalFields)
{
    const std::pair<std::string_view, std::optional<std::uint16_t>> cases[] = {
        {"65535", 65535}, {"65536", std::nullopt}, {"0", 0},   {"", std::nullopt},
        {"-1", std::nullopt}, {"12a", std::nullopt}, {"99999999999999999999", std::nullopt}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseDecimal16(text), value) << text;
}

TEST(HexText, FormatsWithLeadingZeros)
{
    EXPECT_EQ(formatHex32(0xABC), "00000ABC");
    EXPECT_EQ(formatHex32(0xFFFFFFFF), "FFFFFFFF");
    EXPECT_EQ(formatHex16(0x1F), "001F");
    for (std::uint32_t v : {0u, 0x1u, 0xBEEFu, 0xFFFFu})
        EXPECT_EQ(parseHex16(formatHex16(static_cast<std::uint16_t>(v))), v);
}

TEST(HexText, FixedFourCharacterField)
{
    EXPECT_EQ(toFixedText4("ABCDEF"), (FixedText4{'A', 'B', 'C', 'D'}));
    EXPECT_EQ(toFixedText4("AB"), (FixedText4{'A', 'B', 0, 0}));
    EXPECT_EQ(fromFixedText4({'A', 'B', 0, 'X'}), "AB");
    EXPECT_EQ(fromFixedText4({'W', 'X', 'Y', 'Z'}), "WXYZ");
}
