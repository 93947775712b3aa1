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

} // namespace
