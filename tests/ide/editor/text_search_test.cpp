// The search behind Find, Find Next, Find Previous and Replace, in the code
// page's letters; the editor's search tests cover the commands.
#include <gtest/gtest.h>

#include "text_search.h"

namespace {

constexpr UINT Western = 1252;
constexpr UINT Cyrillic = 1251;
constexpr UINT Japanese = 932;

} // namespace

TEST(TextSearch, FindsWholeCharactersOfTheCodePageWithOrWithoutCase)
{
    struct Case {
        const char *text;
        const char *pattern;
        bool matchCase;
        bool upward;
        // Where Next starts or Previous ends, and what it finds (-1 none).
        int32_t at;
        int32_t found;
        UINT codePage;
    };
    const Case cases[] = {
        {"aaa", "aa", true, false, 1, 1, Western},
        {"aaaa", "aa", true, true, 3, 1, Western},
        {"abc", "", false, false, 0, -1, Western},
        {"abc", "abcd", false, false, 0, -1, Western},
        {"\xc9t\xc9", "\xe9", false, false, 1, 2, Western},
        {"\xc9t\xc9", "\xe9", true, false, 1, -1, Western},
        {"\xc4\xce\xcc", "\xe4\xee\xec", false, false, 0, 0, Cyrillic},
        // The second byte of a double-byte character ("\x83\x41",
        // "\x83\x83") may look like a character of its own.
        {"\x83\x41", "A", true, false, 0, -1, Japanese},
        {"\x83\x41"
         "A",
         "a", false, false, 0, 2, Japanese},
        {"\x83\x83\x41", "\x83\x41", true, false, 0, -1, Japanese},
        {"\x83\x83\x41"
         "\x83\x41",
         "\x83\x41", true, true, 5, 3, Japanese},
        // Full-width capital and small A.
        {"x\x82\x60", "\x82\x81", false, false, 0, 1, Japanese},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << '"' << c.text << "\" \"" << c.pattern << "\" in " << c.codePage);
        const TextSearch search(c.pattern, c.matchCase, c.codePage);
        EXPECT_EQ(c.upward ? search.Previous(c.text, c.at) : search.Next(c.text, c.at), c.found);
    }
}

TEST(TextSearch, ReplaceAllReplacesEachOccurrenceOnceInOnePass)
{
    struct Case {
        const char *text;
        const char *pattern;
        const char *replacement;
        const char *result;
        int32_t count;
        UINT codePage;
    };
    const Case cases[] = {
        {"aaa", "aa", "b", "ba", 1, Western},
        {"xa", "a", "aa", "xaa", 1, Western},
        {"End Sub\nend sub", "END SUB", "", "\n", 2, Western},
        {"abc", "", "y", "abc", 0, Western},
        {"\x83\x41"
         "A",
         "a", "b",
         "\x83\x41"
         "b",
         1, Japanese},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const auto replaced = TextSearch(c.pattern, false, c.codePage).ReplaceAll(c.text, c.replacement);
        ASSERT_TRUE(replaced.has_value());
        EXPECT_EQ(replaced->text, c.result);
        EXPECT_EQ(replaced->count, c.count);
    }
}
