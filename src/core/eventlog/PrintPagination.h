#pragma once
// How a printed event log falls into pages. Every page has a header line
// (the file name) with a rule below it, the body lines, and a footer line
// ("Page: p/n") with a rule above it; t is the height of one text line and
// the rules sit ⌊t/4⌋ away from the text. Printing and print preview use
// the same numbers.

namespace qarvo::eventlog {

struct PageLines
{
    int first = 0;   // index of the page's first line
    int count = 0;
};

struct PrintPagination
{
    int lineHeight = 1;     // t
    int ruleGap = 0;        // ⌊t/4⌋
    int linesPerPage = 1;   // L
    int pageCount = 1;
    int footerOffset = 0;   // the footer text's y is bottom − footerOffset

    // Offsets of the header rule and of the first body line below the top.
    int headerRuleOffset() const { return lineHeight + ruleGap; }
    int bodyOffset() const { return headerRuleOffset() + ruleGap; }
    // Offset of the footer rule above the bottom.
    int footerRuleOffset() const { return footerOffset + ruleGap; }

    // The lines of page p (from 1) for a log of lineCount lines.
    PageLines linesOnPage(int page, int lineCount) const;
};

// lineHeight t and printableHeight H in device units. L = (H − 2t − 4⌊t/4⌋) / t
// lines fit on a page; the remainder R of that division is split so that the
// footer stands ⌊R/2⌋ above the bottom line. A page too small for even one
// line still gets one, so printing always ends.
PrintPagination paginate(int lineHeight, int printableHeight, int lineCount);

} // namespace qarvo::eventlog
