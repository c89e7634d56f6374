#include "eventlog/PrintPagination.h"

#include <gtest/gtest.h>

using namespace qarvo::eventlog;

TEST(PrintPagination, FiftyLinesPerPageSpreadOneHundredAndOneLinesOverThreePages)
{
    // t = 20: rules 5 away; body 1075 − 40 − 20 = 1015 = 50·20 + 15.
    const PrintPagination p = paginate(20, 1075, 101);
    EXPECT_EQ(p.ruleGap, 5);
    EXPECT_EQ(p.linesPerPage, 50);
    EXPECT_EQ(p.pageCount, 3);
    EXPECT_EQ(p.footerOffset, 20 + 7);

    const PageLines first = p.linesOnPage(1, 101);
    EXPECT_EQ(first.first, 0);
    EXPECT_EQ(first.count, 50);
    const PageLines second = p.linesOnPage(2, 101);
    EXPECT_EQ(second.first, 50);
    EXPECT_EQ(second.count, 50);
    const PageLines last = p.linesOnPage(3, 101);
    EXPECT_EQ(last.first, 100);
    EXPECT_EQ(last.count, 1);
}

TEST(PrintPagination, RulesAndBodyStandAQuarterLineFromTheText)
{
    const PrintPagination p = paginate(20, 1075, 10);
    EXPECT_EQ(p.headerRuleOffset(), 25);
    EXPECT_EQ(p.bodyOffset(), 30);
    EXPECT_EQ(p.footerRuleOffset(), 32);
}

TEST(PrintPagination, TheRemainderIsHalvedBelowTheFooter)
{
    // t = 13: rules 3 away; body 700 − 26 − 12 = 662 = 50·13 + 12.
    const PrintPagination p = paginate(13, 700, 1);
    EXPECT_EQ(p.linesPerPage, 50);
    EXPECT_EQ(p.footerOffset, 13 + 6);
    EXPECT_EQ(p.pageCount, 1);
}

TEST(PrintPagination, PageCountRoundsUpOnlyForAPartPage)
{
    EXPECT_EQ(paginate(20, 1075, 50).pageCount, 1);
    EXPECT_EQ(paginate(20, 1075, 51).pageCount, 2);
    EXPECT_EQ(paginate(20, 1075, 100).pageCount, 2);
}

TEST(PrintPagination, AnEmptyLogPrintsOneEmptyPage)
{
    const PrintPagination p = paginate(20, 1075, 0);
    EXPECT_EQ(p.pageCount, 1);
    EXPECT_EQ(p.linesOnPage(1, 0).count, 0);
}

TEST(PrintPagination, APageTooSmallForABodyStillPrintsOneLinePerPage)
{
    // 50 − 40 − 20 is negative: without a floor there would be no lines per
    // page and no end to the pages.
    const PrintPagination p = paginate(20, 50, 3);
    EXPECT_EQ(p.linesPerPage, 1);
    EXPECT_EQ(p.pageCount, 3);
    EXPECT_EQ(p.footerOffset, 20);
    EXPECT_EQ(p.linesOnPage(3, 3).first, 2);
    EXPECT_EQ(p.linesOnPage(3, 3).count, 1);
}

TEST(PrintPagination, AZeroFontHeightIsTakenAsOneUnit)
{
    const PrintPagination p = paginate(0, 100, 200);
    EXPECT_EQ(p.lineHeight, 1);
    EXPECT_EQ(p.linesPerPage, 98);
    EXPECT_EQ(p.pageCount, 3);
}

TEST(PrintPagination, PagesPastTheEndHoldNoLines)
{
    const PrintPagination p = paginate(20, 1075, 101);
    EXPECT_EQ(p.linesOnPage(4, 101).count, 0);
}
