// The file's lines of the editor's text: positions, line starts and ends,
// line numbers as typed.
#include <gtest/gtest.h>

#include "text_lines.h"

TEST(TextLines, PositionsLineStartsAndEndsFollowLineFeeds)
{
    const KVSTRING text("ab\r\ncd\n\nlast");
    struct PositionCase {
        int32_t offset;
        int32_t line;
        int32_t column;
    };
    for (const PositionCase &c :
         {PositionCase{0, 1, 1}, {3, 1, 4}, {4, 2, 1}, {6, 2, 3}, {7, 3, 1}, {8, 4, 1}, {12, 4, 5}}) {
        const TextPosition at = PositionAt(text.Data(), c.offset);
        EXPECT_EQ(at.line, c.line) << c.offset;
        EXPECT_EQ(at.column, c.column) << c.offset;
    }
    struct LineCase {
        int32_t line;
        int32_t start;
        int32_t end;
    };
    // Past the end is the last line; a CR before the feed is no part of it.
    for (const LineCase &c :
         {LineCase{1, 0, 2}, {2, 4, 6}, {3, 7, 7}, {4, 8, 12}, {5, 8, 12}, {2147483647, 8, 12}}) {
        EXPECT_EQ(LineStart(text, c.line), c.start) << c.line;
        EXPECT_EQ(LineEnd(text, c.start), c.end) << c.line;
    }
    EXPECT_EQ(LineStart(KVSTRING(""), 3), 0);
    EXPECT_EQ(LineEnd(KVSTRING(""), 0), 0);
}

TEST(TextLines, OnlyDigitsWithSpacesAroundAreALineNumber)
{
    struct Case {
        const char *text;
        int32_t number;
    };
    for (const Case &c : {Case{"1", 1},
                          {" 42 ", 42},
                          {"007", 7},
                          {"99999999999999999999", 2147483647},
                          {"0", 0},
                          {"", 0},
                          {" ", 0},
                          {"-3", 0},
                          {"+3", 0},
                          {"3.5", 0},
                          {"1 2", 0},
                          {"x", 0}})
        EXPECT_EQ(ParseLineNumber(KVSTRING(c.text)), c.number) << c.text;
}
