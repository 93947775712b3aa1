#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "file_search.h"
#include "scratch_directory.h"

namespace {

constexpr int32_t AttributeDirectory = 0x10;

// Every test ends its search, so that no directory stays open.
class FileSearch : public testing::Test {
  protected:
    ~FileSearch() override { FileSearchFirst(dir.File("no-such-file").c_str()); }

    ScratchDirectory dir;
};

std::set<std::string> AllNames(const std::string &pattern)
{
    std::set<std::string> names;
    for (KVFILEINFO info = FileSearchFirst(pattern.c_str()); info.Name.Len() > 0; info = FileSearchNext())
        names.insert(info.Name.Data());
    // Both systems list a directory's "." and ".." for patterns that take
    // them; the tests look at the entries of their own.
    names.erase(".");
    names.erase("..");
    return names;
}

TEST_F(FileSearch, NoMatchGivesTheEmptyRecord)
{
    const KVFILEINFO info = FileSearchFirst(dir.File("*.none").c_str());
    EXPECT_EQ(info.Name, "");
    EXPECT_EQ(info.Size, 0);
    EXPECT_EQ(info.Attrib, 0);
    EXPECT_EQ(FileSearchNext().Name, "");
    EXPECT_EQ(FileSearchFirst(dir.File("missing-directory/*").c_str()).Name, "");
}

TEST_F(FileSearch, WildcardsSelectNamesWithTheirSizes)
{
    dir.Put("one.kvo", "12345");
    dir.Put("two.kvo", "");
    dir.Put("three.txt", "abc");
    dir.Put("a.kvo.bak", "x");
    EXPECT_EQ(AllNames(dir.File("*.kvo")), (std::set<std::string>{"one.kvo", "two.kvo"}));
    EXPECT_EQ(AllNames(dir.File("t?o.*")), (std::set<std::string>{"two.kvo"}));
    EXPECT_EQ(AllNames(dir.File("three.txt")), (std::set<std::string>{"three.txt"}));

    const KVFILEINFO one = FileSearchFirst(dir.File("one.*").c_str());
    EXPECT_EQ(one.Name, "one.kvo");
    EXPECT_EQ(one.Size, 5);
    EXPECT_EQ(one.Attrib & AttributeDirectory, 0);
}

TEST_F(FileSearch, DirectoriesCarryTheirAttribute)
{
    std::filesystem::create_directory(dir.path / "sub");
    const KVFILEINFO sub = FileSearchFirst(dir.File("su*").c_str());
    EXPECT_EQ(sub.Name, "sub");
    EXPECT_NE(sub.Attrib & AttributeDirectory, 0);
}

TEST_F(FileSearch, ANewSearchEndsThePreviousOne)
{
    dir.Put("a1", "");
    dir.Put("a2", "");
    dir.Put("b1", "");
    EXPECT_NE(FileSearchFirst(dir.File("a*").c_str()).Name, "");
    EXPECT_EQ(FileSearchFirst(dir.File("b*").c_str()).Name, "b1");
    EXPECT_EQ(FileSearchNext().Name, "") << "the a* search is over";
}

// Windows patterns, matched alike on both systems: letters without regard
// to case, "*.*" for every name, a final "." for names without an extension.
TEST_F(FileSearch, PatternsMatchAsOnWindows)
{
    dir.Put("Form.KVO", "12");
    dir.Put("main.kvo", "");
    dir.Put("readme", "");
    dir.Put("a.b.c", "");
    std::filesystem::create_directory(dir.path / "sub");
    using Names = std::set<std::string>;
    const struct {
        const char *pattern;
        Names names;
    } cases[] = {
        {"*.kvo", {"Form.KVO", "main.kvo"}},
        {"*.Kvo", {"Form.KVO", "main.kvo"}},
        {"f*.k?o", {"Form.KVO"}},
        {"READ*", {"readme"}},
        {"*.*", {"Form.KVO", "main.kvo", "readme", "a.b.c", "sub"}},
        {"r*.*", {"readme"}},
        {"*.", {"readme", "sub"}},
        {"*.c", {"a.b.c"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AllNames(dir.File(c.pattern)), c.names) << c.pattern;

    const KVFILEINFO form = FileSearchFirst(dir.File("FORM.kvo").c_str());
    EXPECT_EQ(form.Name, "Form.KVO");
    EXPECT_EQ(form.Size, 2);
    const KVFILEINFO sub = FileSearchFirst(dir.File("sub").c_str());
    EXPECT_EQ(sub.Size, 0) << "a directory's size";
    EXPECT_NE(sub.Attrib & AttributeDirectory, 0);
}

} // namespace
