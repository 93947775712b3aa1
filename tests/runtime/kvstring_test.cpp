#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "kvstring.h"

namespace {

std::string Text(const KVSTRING &s) { return std::string(s.Data(), static_cast<size_t>(s.Len())); }

TEST(KvString, ConstructionCopiesAndOwnsItsBuffer)
{
    KVSTRING empty;
    EXPECT_EQ(empty.Len(), 0);
    EXPECT_STREQ(empty.Data(), "");

    char source[] = "abc";
    KVSTRING copy(source);
    source[0] = 'x';
    EXPECT_EQ(Text(copy), "abc");

    KVSTRING second(copy);
    EXPECT_NE(second.Data(), copy.Data());
    EXPECT_EQ(second, copy);
    EXPECT_EQ(second.Data()[second.Len()], '\0');
}

TEST(KvString, AssignmentReplacesAndSelfAssignmentKeeps)
{
    KVSTRING target("first");
    KVSTRING source("second value");
    target = source;
    EXPECT_EQ(Text(target), "second value");
    EXPECT_NE(target.Data(), source.Data());

    const KVSTRING &alias = target;
    target = alias;
    EXPECT_EQ(Text(target), "second value");

    KVSTRING moved(std::move(target));
    EXPECT_EQ(Text(moved), "second value");
    EXPECT_NE(target.Data(), nullptr); // NOLINT: moved-from stays usable
    EXPECT_EQ(target.Len(), 0);
}

TEST(KvString, ConcatenationAndComparison)
{
    EXPECT_EQ(Text(KVSTRING("Kel") + KVSTRING("vo")), "Kelvo");
    EXPECT_EQ(Text(KVSTRING() + KVSTRING()), "");
    EXPECT_TRUE(KVSTRING("abc") == "abc");
    EXPECT_TRUE("abc" == KVSTRING("abc"));
    EXPECT_FALSE(KVSTRING("abc") == "ABC");
    // A text against a longer text that starts with it.
    EXPECT_FALSE(KVSTRING("abc") == KVSTRING("abcd"));
    EXPECT_TRUE(KVSTRING("abcd") != "abc");
    EXPECT_TRUE("abc" != KVSTRING("abcd"));
    // Embedded NULs take part in the comparison.
    EXPECT_FALSE(KVSTRING("a\0b", 3) == KVSTRING("a\0c", 3));
}

TEST(KvString, SubstringAndParts)
{
    const KVSTRING letters("abcdef");
    EXPECT_EQ(Text(Substring(letters, 3, 2)), "cd");
    EXPECT_EQ(Text(Substring(KVSTRING("xyz"), 2, 10)), "yz");
    EXPECT_EQ(Text(Substring(KVSTRING("xyz"), 4, 1)), "");
    EXPECT_EQ(Text(Substring(letters, 2, 0)), "");
    EXPECT_EQ(Text(Substring(letters, 2, -5)), "");
    // Positions before the first character are missing from the count.
    EXPECT_EQ(Text(Substring(letters, 0, 3)), "ab");
    EXPECT_EQ(Text(Substring(letters, -2, 3)), "");
    EXPECT_EQ(Text(Substring(letters, -2, 5)), "ab");
    EXPECT_EQ(Text(Substring(letters, INT32_MIN, INT32_MAX)), "");
    EXPECT_EQ(Text(LeftPart(letters, 10)), "abcdef");
    EXPECT_EQ(Text(RightPart(letters, 2)), "ef");
    EXPECT_EQ(Text(RightPart(letters, 10)), "abcdef");
    EXPECT_EQ(Text(RightPart(letters, INT32_MAX)), "abcdef");
    EXPECT_EQ(Text(RightPart(letters, 0)), "");
    // Substring builds its result as C text: a NUL ends it.
    EXPECT_EQ(Text(Substring(KVSTRING("ab\0cd", 5), 1, 5)), "ab");
}

TEST(KvString, Find)
{
    const KVSTRING hello("hello");
    EXPECT_EQ(Find(hello, KVSTRING("l")), 3);
    EXPECT_EQ(Find(hello, KVSTRING("l"), 4), 4);
    EXPECT_EQ(Find(hello, KVSTRING("l"), 5), 0);
    EXPECT_EQ(Find(hello, KVSTRING("hello!")), 0);
    EXPECT_EQ(Find(hello, KVSTRING("")), 1);
    EXPECT_EQ(Find(hello, KVSTRING(""), 3), 3);
    EXPECT_EQ(Find(hello, KVSTRING("lo")), 4);
    EXPECT_EQ(Find(hello, KVSTRING("hello")), 1);
    EXPECT_EQ(Find(hello, KVSTRING("ol")), 0);
    EXPECT_EQ(Find(hello, KVSTRING("he"), -7), 1);
    EXPECT_EQ(Find(KVSTRING("aaab"), KVSTRING("aab")), 2);
}

TEST(KvString, RemoveAllRestartsFromTheStart)
{
    EXPECT_EQ(Text(RemoveAll(KVSTRING("banana"), KVSTRING("an"))), "ba");
    EXPECT_EQ(Text(RemoveAll(KVSTRING("aabb"), KVSTRING("ab"))), "");
    EXPECT_EQ(Text(RemoveAll(KVSTRING("xaabbby"), KVSTRING("ab"))), "xby");
    EXPECT_EQ(Text(RemoveAll(KVSTRING("abc"), KVSTRING(""))), "abc");
    EXPECT_EQ(Text(RemoveAll(KVSTRING("abc"), KVSTRING("abcd"))), "abc");
    EXPECT_EQ(Text(RemoveAll(KVSTRING("aaaa"), KVSTRING("aa"))), "");
    EXPECT_EQ(Text(RemoveAll(KVSTRING("aaa"), KVSTRING("aa"))), "a");
}

// Removes the first occurrence again and again, restarting each time.
std::string RemoveAllByRestart(std::string a, const std::string &b)
{
    for (size_t p; (p = a.find(b)) != std::string::npos;)
        a.erase(p, b.size());
    return a;
}

TEST(KvString, RemoveAllAgreesWithRepeatedRemovalOnManyTexts)
{
    const std::string patterns[] = {"ab", "aab", "aba", "abab", "a", "ba"};
    for (const std::string &pattern : patterns) {
        for (unsigned bits = 0; bits < (1u << 10); ++bits) {
            std::string text;
            for (int i = 0; i < 10; ++i)
                text.push_back((bits >> i) & 1u ? 'b' : 'a');
            EXPECT_EQ(Text(RemoveAll(KVSTRING(text.c_str()), KVSTRING(pattern.c_str()))),
                      RemoveAllByRestart(text, pattern))
                << text << " without " << pattern;
        }
    }
}

TEST(KvString, Trimming)
{
    EXPECT_EQ(Text(TrimStart(KVSTRING("  \tab "))), "ab ");
    EXPECT_EQ(Text(TrimEnd(KVSTRING(" ab \t"))), " ab");
    EXPECT_EQ(Text(TrimBoth(KVSTRING(" \t \t"))), "");
    EXPECT_EQ(Text(TrimBoth(KVSTRING("\t x y \t"))), "x y");
    EXPECT_EQ(Text(TrimEnd(KVSTRING())), "");
    EXPECT_EQ(Text(TrimStart(KVSTRING())), "");
    // Only spaces and tabs are blanks.
    EXPECT_EQ(Text(TrimBoth(KVSTRING("\r\nx\n"))), "\r\nx\n");
}

TEST(KvString, CaseConversionLeavesTheArgument)
{
    KVSTRING mixed("aBc12xY");
    EXPECT_EQ(Text(ToUpper(mixed)), "ABC12XY");
    EXPECT_EQ(Text(ToLower(mixed)), "abc12xy");
    EXPECT_EQ(Text(mixed), "aBc12xY");
    EXPECT_EQ(Text(ToUpper(KVSTRING("end"))), "END");
}

TEST(KvString, CharactersAndRepetition)
{
    EXPECT_EQ(Length(CharString(0)), 1);
    EXPECT_EQ(CharString(0).Data()[0], '\0');
    EXPECT_EQ(Text(CharString(65)), "A");
    EXPECT_EQ(Text(Repeat(KVSTRING("ab"), 3)), "ababab");
    EXPECT_EQ(Text(Repeat(KVSTRING("ab"), 0)), "");
    EXPECT_EQ(Text(Repeat(KVSTRING("ab"), -2)), "");
    EXPECT_EQ(Text(RepeatChar(4, '*')), "****");
    EXPECT_EQ(Text(KVSTRING(3, '-')), "---");
}

// The same texts give the same numbers in every build: decimal notation as
// the Windows C runtime reads it, d and D included as exponent letters.
TEST(KvString, ToNumberReadsTheLongestDecimalPrefixAlikeEverywhere)
{
    const struct {
        const char *text;
        double number;
    } cases[] = {
        // clang-format off
        {"  12.5abc", 12.5}, {"x", 0.0}, {"-3e2", -300.0}, {"", 0.0}, {" \t\n\v\f\r7", 7.0}, {"+3", 3.0},
        {".5", 0.5}, {"5.", 5.0}, {"-.5e-1", -0.05}, {"1.5.5", 1.5}, {"00012", 12.0}, {"1e", 1.0},
        {"1e+", 1.0}, {"1d2", 100.0}, {"1D-1", 0.1}, {"0x1A", 0.0}, {"0X10", 0.0}, {"inf", 0.0},
        {"-infinity", 0.0}, {"nan", 0.0}, {".", 0.0}, {"-.", 0.0}, {"e5", 0.0}, {"- 1", 0.0},
        {"+-1", 0.0}, {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL}, {"1e-999", 0.0},
        // clang-format on
    };
    for (const auto &c : cases)
        EXPECT_EQ(ToNumber(KVSTRING(c.text)), c.number) << "[" << c.text << "]";
    EXPECT_TRUE(std::signbit(ToNumber(KVSTRING("-0"))));
}

TEST(KvString, ReadingWordsOfAnyLength)
{
    const std::string longWord(5000, 'w');
    std::istringstream in("  first\t" + longWord + "\nlast");
    KVSTRING word;
    in >> word;
    EXPECT_EQ(Text(word), "first");
    in >> word;
    EXPECT_EQ(word.Len(), 5000);
    EXPECT_EQ(Text(word), longWord);
    in >> word;
    EXPECT_EQ(Text(word), "last");
    EXPECT_FALSE(in >> word);
    EXPECT_EQ(Text(word), "last");
}

} // namespace
