#include "panel/TypeLists.h"

#include "app/Strings.h"

#include <gtest/gtest.h>

#include <QString>

#include <set>

using namespace qarvo;
using namespace qarvo::panel;

TEST(TypeLists, EveryEntryIsNamedByItsOwnCode)
{
    for (const TypeName& t : zoneTypeList()) {
        ASSERT_NE(strings::english(t.textId), nullptr) << t.textId;
        EXPECT_TRUE(QString(strings::english(t.textId)).startsWith(QString::asprintf("%02d/", int(t.code))))
            << t.textId;
    }
    for (const TypeName& t : pgmTypeList()) {
        ASSERT_NE(strings::english(t.textId), nullptr) << t.textId;
        EXPECT_TRUE(QString(strings::english(t.textId)).startsWith(QString::asprintf("%02X/", unsigned(t.code))))
            << t.textId;
    }
}

TEST(TypeLists, SizesAndUniqueCodes)
{
    EXPECT_EQ(zoneTypeList().size(), 14u);
    EXPECT_EQ(pgmTypeList().size(), 51u);
    std::set<int> codes;
    int onOldest = 0;
    for (const TypeName& t : pgmTypeList()) {
        EXPECT_TRUE(codes.insert(t.code).second);
        onOldest += t.onOldestModel ? 1 : 0;
    }
    EXPECT_EQ(onOldest, 43);
}

TEST(TypeLists, Lookups)
{
    EXPECT_EQ(zoneTypeTextId(10), 6015);
    EXPECT_EQ(zoneTypeTextId(6), 6022);
    EXPECT_FALSE(zoneTypeTextId(7).has_value());
    EXPECT_FALSE(zoneTypeTextId(0x10 + 1).has_value());
    EXPECT_EQ(pgmTypeTextId(0x47, 0x24), 202);
    EXPECT_EQ(pgmTypeTextId(0x5F, 0x29), 822);
    EXPECT_FALSE(pgmTypeTextId(0x5F, 0x21).has_value());
    EXPECT_EQ(pgmTypeTextId(0x5B, 0x21), 814);
    EXPECT_FALSE(pgmTypeTextId(0x4D, 0x21).has_value());
    EXPECT_FALSE(pgmTypeTextId(0x14, 0x24).has_value());
}
