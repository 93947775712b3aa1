// The search behind Find and Find Next.
#include <gtest/gtest.h>

#include "text_search.h"

TEST(TextSearch, FindsTheNextOccurrenceAndWrapsAroundOnce)
{
    struct Case {
        const char *text;
        const char *pattern;
        int32_t from;
        int32_t found;
    };
    const Case cases[] = {
        {"abcabc", "bc", 1, 2},  {"abcabc", "bc", 4, 5},  {"abcabc", "bc", 7, 2},
        {"abcabc", "bc", 6, 2},  {"abcabc", "abc", 2, 4}, {"abc", "ABC", 1, 0},
        {"abc", "abcd", 1, 0},   {"", "a", 1, 0},         {"abc", "", 3, 1},
        {"", "", 1, 1},          {"aaa", "aa", 2, 2},     {"x\r\ny", "\r\n", 1, 2},
        {"abcabc", "c", 100, 3}, {"abcabc", "a", 0, 1},   {"\xe9t\xe9", "\xe9", 2, 3},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FindNextOccurrence(c.text, c.pattern, c.from), c.found)
            << '"' << c.text << "\" \"" << c.pattern << "\" from " << c.from;
}
