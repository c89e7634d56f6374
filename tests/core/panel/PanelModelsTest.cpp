#include "panel/PanelIdentity.h"
#include "panel/PanelModels.h"

#include <gtest/gtest.h>

using namespace qarvo::panel;

TEST(PanelModels, TableByTypeCode)
{
    struct Row {
        std::uint8_t code;
        int text, zones, pgms;
        std::uint8_t modelByte;
        LayoutVariant variant;
        bool limited;
    };
    const Row rows[] = {
        {0x21, 70, 12, 6, 0xAB, LayoutVariant::V1, false}, {0x22, 71, 12, 8, 0xAC, LayoutVariant::V2, false},
        {0x23, 72, 12, 8, 0xAD, LayoutVariant::V2, true},  {0x24, 73, 16, 8, 0xAE, LayoutVariant::V3, false},
        {0x25, 74, 16, 8, 0xAF, LayoutVariant::V3, true},  {0x26, 75, 12, 8, 0xAC, LayoutVariant::V2, false},
        {0x27, 76, 12, 8, 0xAD, LayoutVariant::V2, true},  {0x28, 77, 16, 8, 0xAE, LayoutVariant::V3, false},
        {0x29, 78, 16, 8, 0xAF, LayoutVariant::V3, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(int(r.code));
        const PanelModel* m = findPanelModel(r.code);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->textId, r.text);
        EXPECT_EQ(modelTextId(r.code), r.text);
        EXPECT_EQ(m->zoneCount, r.zones);
        EXPECT_EQ(m->pgmCount, r.pgms);
        EXPECT_EQ(m->modelByte, r.modelByte);
        EXPECT_EQ(m->variant, r.variant);
        EXPECT_EQ(m->limited, r.limited);
        EXPECT_EQ(m->selectiveFollowMe, r.code == 0x22 || r.code == 0x24 || r.code == 0x26 || r.code == 0x28);
        EXPECT_EQ(m->hasWelcomeMessage(), r.code > 0x21);
        EXPECT_EQ(m->hasWirelessZones(), r.variant == LayoutVariant::V3);
    }
    for (std::uint8_t unknown : {0x00, 0x20, 0x2A, 0xFF}) {
        EXPECT_EQ(findPanelModel(unknown), nullptr);
        EXPECT_EQ(modelTextId(unknown), 79);
    }
}

TEST(PanelIdentity, StartsAsTheDefaultModel)
{
    const PanelIdentity start;
    EXPECT_EQ(start.typeCode, 0x24);
    EXPECT_EQ(start.zoneCount, 16);
    EXPECT_EQ(start.userRecordCount, 46);
    EXPECT_EQ(start.pgmCount, 8);
    EXPECT_EQ(start.keypadCount, 8);
    PanelIdentity fromTable;
    fromTable.zoneCount = 3;
    EXPECT_TRUE(fromTable.setFromModel(0x24));
    EXPECT_EQ(fromTable, start);
}

TEST(PanelIdentity, SetFromModelAcceptsOnlyKnownCodes)
{
    PanelIdentity id;
    id.userRecordCount = 30;
    id.keypadCount = 2;
    ASSERT_TRUE(id.setFromModel(0x21));
    EXPECT_EQ(id.typeCode, 0x21);
    EXPECT_EQ(id.zoneCount, 12);
    EXPECT_EQ(id.pgmCount, 6);
    EXPECT_EQ(id.userRecordCount, 46);
    EXPECT_EQ(id.keypadCount, 8);
    EXPECT_TRUE(id.setFromModel(0x29));
    EXPECT_EQ(id.zoneCount, 16);

    const PanelIdentity before = id;
    EXPECT_FALSE(id.setFromModel(0x20));
    EXPECT_FALSE(id.setFromModel(0x2A));
    EXPECT_EQ(id, before);
}
