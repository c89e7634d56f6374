#include "panel/FieldCodecs.h"
#include "panel/PanelDefaults.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qarvo::panel;

namespace {

struct Defaulted {
    PanelImage image;
    LayoutTable layout;
    PanelIdentity identity;
};

Defaulted defaultsFor(std::uint8_t code)
{
    Defaulted d;
    EXPECT_TRUE(d.identity.setFromModel(code));
    d.layout.build(*findPanelModel(code), d.identity.userRecordCount, d.image);
    d.image[0x7000] = 0x12; // anything outside the defaults must be erased
    loadImageDefaults(d.image, d.layout, d.identity);
    return d;
}

std::vector<std::uint8_t> at(const PanelImage& image, std::size_t address, std::size_t length)
{
    const auto r = image.range(address, length);
    return {r.begin(), r.end()};
}

using Bytes = std::vector<std::uint8_t>;

} // namespace

TEST(PanelDefaults, ZonesOfTheDefaultModel)
{
    const auto d = defaultsFor(0x24);
    EXPECT_EQ(at(d.image, 0x002, 4), (Bytes{0x01, 0xEC, 0x28, 0x80}));
    EXPECT_EQ(at(d.image, 0x006, 4), (Bytes{0x03, 0xE2, 0x28, 0x80}));
    for (int k = 3; k <= 8; ++k)
        EXPECT_EQ(at(d.image, 0x002 + 4 * (k - 1), 4), (Bytes{0x04, 0xE0, 0x28, 0x80})) << "zone " << k;
    for (int k = 9; k <= 16; ++k)
        EXPECT_EQ(at(d.image, 0x002 + 4 * (k - 1), 4), (Bytes{0x00, 0x00, 0x00, 0x80}))
            << "zone " << k << ": unused, only in partition A";
}

TEST(PanelDefaults, ZonesOfOtherModels)
{
    const auto v1 = defaultsFor(0x21); // 12 zones, no doubled half left unused
    EXPECT_EQ(at(v1.image, 0x002, 1), Bytes{0x01});
    for (int k = 3; k <= 12; ++k)
        EXPECT_EQ(at(v1.image, 0x002 + 4 * (k - 1), 4), (Bytes{0x04, 0xE0, 0x28, 0x80})) << "zone " << k;
    for (int k = 13; k <= 16; ++k)
        EXPECT_EQ(at(v1.image, 0x002 + 4 * (k - 1), 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF})) << "zone " << k;

    const auto v2 = defaultsFor(0x22); // 12 zones, 7-12 unused
    EXPECT_EQ(at(v2.image, 0x002 + 4 * 5, 4), (Bytes{0x04, 0xE0, 0x28, 0x80}));
    EXPECT_EQ(at(v2.image, 0x002 + 4 * 6, 4), (Bytes{0x00, 0x00, 0x00, 0x80}));
    EXPECT_EQ(at(v2.image, 0x002 + 4 * 12, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(PanelDefaults, MoreZonesThanRecordsStayInsideTheZoneBlock)
{
    auto d = defaultsFor(0x24);
    d.identity.zoneCount = 200;
    loadImageDefaults(d.image, d.layout, d.identity);
    EXPECT_EQ(d.image[0x042], 30) << "zone defaults must not run into the delays";
}

TEST(PanelDefaults, FixedRegionAndCodes)
{
    const auto d = defaultsFor(0x24);
    EXPECT_EQ(d.image[0], kDefaultModelByte);
    EXPECT_EQ(d.image[1], 0x0F);
    EXPECT_EQ(at(d.image, 0x402, 8), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(decodeCode(d.image.range(0x40A, 3), 4), "5807");
    EXPECT_EQ(at(d.image, 0x410, 6), (Bytes{0xFF, 0xFF, 0xFF, 0xFC, 0x00, 0x00}));
    EXPECT_EQ(at(d.image, 0x416, 6), (Bytes{0x43, 0x91, 0x00, 0xFF, 0xFF, 0xE0}));
    EXPECT_EQ(decodeCode(d.image.range(0x416, 3), 4), "4391");
    for (int r = 1; r < 45; ++r)
        EXPECT_EQ(at(d.image, 0x416 + 6 * r, 6), (Bytes{0xFF, 0xFF, 0xFF, 0xC4, 0x00, 0x00})) << "user " << r;
    EXPECT_EQ(d.image[0x7000], 0xFF);
}

TEST(PanelDefaults, WelcomeMessageCoversTheLastUserRecord)
{
    const auto d = defaultsFor(0x24);
    Bytes welcome{0x20};
    welcome.resize(16, 0x0D);
    EXPECT_EQ(at(d.image, 0x524, 16), welcome);
    EXPECT_EQ(decodeText16(d.image.range(0x524, 16)), " ");

    const auto v1 = defaultsFor(0x21);
    EXPECT_EQ(at(v1.image, 0x524, 6), (Bytes{0xFF, 0xFF, 0xFF, 0xC4, 0x00, 0x00})) << "V1 keeps user record 45";
    EXPECT_EQ(v1.image[0x52A], 0xFF);
}

TEST(PanelDefaults, PageZeroValues)
{
    const auto d = defaultsFor(0x24);
    const std::pair<int, int> expected[] = {
        {0x042, 30},   {0x043, 30},   {0x044, 60},   {0x045, 60},   {0x046, 3},    {0x047, 10},   {0x048, 2},
        {0x049, 15},   {0x04A, 50},   {0x04B, 0xFF}, {0x04C, 3},    {0x04D, 10},   {0x04E, 0x13}, {0x04F, 0x00},
        {0x050, 0x00}, {0x051, 0x00}, {0x052, 0x00}, {0x054, 0x00}, {0x055, 0xF0}, {0x058, 0xF0}, {0x059, 0xFF},
        {0x05A, 0x00}, {0x05B, 0xFF}, {0x05C, 0xFF}, {0x05D, 0x20}, {0x05E, 0x20}, {0x05F, 0x00}, {0x060, 0xE6},
        {0x061, 0xFF}, {0x062, 0x00}, {0x063, 0x60}, {0x064, 0x90}, {0x065, 0x90}, {0x076, 2},    {0x077, 30},
        {0x078, 0xFF}, {0x079, 24},   {0x07A, 60},   {0x07B, 5},    {0x0A8, 1},    {0x0A9, 0},    {0x0AA, 3},
        {0x0AB, 0},    {0x0AC, 3},    {0x0AD, 0},    {0x0AE, 0xFF},
    };
    for (const auto& [address, value] : expected)
        EXPECT_EQ(d.image[address], value) << "address " << address;
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(d.image[0x066 + k], 0x48);
        EXPECT_EQ(d.image[0x06E + k], 2);
    }
    for (int a = 0x07C; a < 0x0A8; ++a)
        EXPECT_EQ(d.image[a], 0xFF) << "time pairs start unset, address " << a;
}

TEST(PanelDefaults, ReportEntriesPhonesAndNames)
{
    const auto v3 = defaultsFor(0x24);
    EXPECT_EQ(at(v3.image, 0x100, 4), (Bytes{0x01, 0xC0, 0x09, 0x00}));
    EXPECT_EQ(at(v3.image, 0x132, 2), (Bytes{0x81, 0x00})) << "entry 26";
    EXPECT_EQ(at(v3.image, 0x13A, 2), (Bytes{0x30, 0x30})) << "entry 30";
    EXPECT_EQ(at(v3.image, 0x17A, 2), (Bytes{0x54, 0x00})) << "entry 62";
    const auto v1 = defaultsFor(0x21);
    EXPECT_EQ(at(v1.image, 0x12E, 2), (Bytes{0x30, 0x30})) << "entry 30 follows entry 23 in V1";
    EXPECT_EQ(at(v1.image, 0x164, 2), (Bytes{0x02, 0x90})) << "entry 57";
    EXPECT_EQ(at(v1.image, 0x16E, 2), (Bytes{0x54, 0x00}));
    for (int a = 0x170; a < 0x170 + 0x39; ++a)
        EXPECT_EQ(v1.image[a], 0xFF) << "phones start empty, address " << a;
    for (int a = 0x300; a < 0x400; ++a)
        EXPECT_EQ(v3.image[a], 0x0D) << "zone names start empty, address " << a;
}
