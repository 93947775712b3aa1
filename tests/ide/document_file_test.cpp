// Documents on disk: raw bytes both ways, files the editor must refuse, and
// saves that fail without touching the target or leaving files behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

#include "../runtime/scratch_directory.h"
#include "document_file.h"

namespace {

std::set<std::string> FilesIn(const ScratchDirectory &scratch)
{
    std::set<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(scratch.path))
        names.insert(entry.path().filename().string());
    return names;
}

std::string AllByteValuesButNul()
{
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        bytes += static_cast<char>(c);
    return bytes;
}

} // namespace

TEST(DocumentFile, ReadAndSaveKeepEveryByte)
{
    for (const std::string &contents : {std::string(), std::string("a\r\nb\nc\r\n\r"), AllByteValuesButNul(),
                                        std::string(100000, 'x') + "\r\n"}) {
        ScratchDirectory scratch;
        scratch.Put("in.kvo", contents);
        KVSTRING text = "old";
        ASSERT_TRUE(ReadDocument(scratch.File("in.kvo").c_str(), text));
        EXPECT_EQ(std::string(text.Data(), text.Len()), contents);

        ASSERT_TRUE(SaveDocument(scratch.File("out.kvo").c_str(), text));
        EXPECT_EQ(scratch.Get("out.kvo"), contents);
        EXPECT_EQ(FilesIn(scratch), (std::set<std::string>{"in.kvo", "out.kvo"}));
    }
}

TEST(DocumentFile, SaveReplacesTheWholeFileAlsoByABareName)
{
    ScratchDirectory scratch;
    scratch.Put("doc.kvo", std::string(5000, 'o'));
    ASSERT_TRUE(SaveDocument(scratch.File("doc.kvo").c_str(), "short\n"));
    EXPECT_EQ(scratch.Get("doc.kvo"), "short\n");

    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(scratch.path.string().c_str()));
    const bool saved = SaveDocument("Untitled", "bare");
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(saved);
    EXPECT_EQ(scratch.Get("Untitled"), "bare");
    EXPECT_EQ(FilesIn(scratch), (std::set<std::string>{"doc.kvo", "Untitled"}));
}

TEST(DocumentFile, ReadRefusesMissingFilesFoldersAndNulBytes)
{
    ScratchDirectory scratch;
    scratch.Put("nul-inside.kvo", std::string("before\0after", 12));
    std::filesystem::create_directory(scratch.path / "folder");
    for (const char *name : {"missing.kvo", "folder", "nul-inside.kvo"}) {
        KVSTRING text = "kept";
        EXPECT_FALSE(ReadDocument(scratch.File(name).c_str(), text)) << name;
        EXPECT_EQ(text, "kept") << name;
    }
}

TEST(DocumentFile, FailedSavesLeaveTheTargetAndNoTemporaryFile)
{
    ScratchDirectory scratch;
    scratch.Put("locked.kvo", "original");
    SetFileAttributesA(scratch.File("locked.kvo").c_str(), FILE_ATTRIBUTE_READONLY);
    std::filesystem::create_directory(scratch.path / "folder");
    for (const char *name : {"locked.kvo", "folder", "no-such-folder\\a.kvo"})
        EXPECT_FALSE(SaveDocument(scratch.File(name).c_str(), "new text")) << name;

    EXPECT_EQ(scratch.Get("locked.kvo"), "original");
    EXPECT_TRUE(std::filesystem::is_directory(scratch.path / "folder"));
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path / "folder"));
    EXPECT_EQ(FilesIn(scratch), (std::set<std::string>{"locked.kvo", "folder"}));
    SetFileAttributesA(scratch.File("locked.kvo").c_str(), FILE_ATTRIBUTE_NORMAL);
}
