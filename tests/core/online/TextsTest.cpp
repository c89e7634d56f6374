#include "online/ClockTexts.h"
#include "online/PgmRefusal.h"

#include "app/Strings.h"

#include <gtest/gtest.h>

using namespace qarvo;
using namespace qarvo::online;

TEST(PgmRefusalText, NamesTheChosenPgm)
{
    EXPECT_EQ(pgmNotSwitchableText(3).toStdString(),
              "PGM3 must be programmed as a bistable\nor monostable or clock timer to activate/deactivate it.");
    EXPECT_EQ(pgmNotSwitchableText(8).toStdString().substr(0, 30), "PGM8 must be programmed as a b");
    EXPECT_EQ(pgmNotSwitchableText(1), strings::text(5072));
}

TEST(ClockTexts, MonthNames)
{
    EXPECT_EQ(shortMonthName(0).toStdString(), "Jan");
    EXPECT_EQ(shortMonthName(11).toStdString(), "Dec");
    EXPECT_EQ(shortMonthName(12).toStdString(), "???");
    EXPECT_EQ(shortMonthName(255).toStdString(), "???");
    EXPECT_EQ(shortMonthName(-1).toStdString(), "???");
}

TEST(ClockTexts, PanelClockFromMinutesOfTheMonth)
{
    EXPECT_EQ(panelClockText({0, 0, 0}).toStdString(), " 00:00, 01 Jan 2000");
    EXPECT_EQ(panelClockText({1439, 11, 99}).toStdString(), " 23:59, 01 Dec 2099");
    EXPECT_EQ(panelClockText({1440, 5, 7}).toStdString(), " 00:00, 02 Jun 2007");
    EXPECT_EQ(pcClockText(QDateTime(QDate(1999, 1, 2), QTime(7, 8))).toStdString(), " 07:08, 02 Jan 1999");
}
