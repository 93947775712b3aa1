// Documents on disk: raw bytes both ways, files the editor must refuse, and
// saves that fail without touching the target or leaving files behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <utility>

#include "../../runtime/scratch_directory.h"
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

std::string Explained(const FileFailure &failure)
{
    const KVSTRING text = Explain(failure);
    return std::string(text.Data(), static_cast<size_t>(text.Len()));
}

} // namespace

TEST(DocumentFile, ReadAndSaveKeepEveryByte)
{
    for (const std::string &contents : {std::string(), std::string("a\r\nb\nc\r\n\r"), AllByteValuesButNul(),
                                        std::string(100000, 'x') + "\r\n"}) {
        ScratchDirectory scratch;
        scratch.Put("in.kvo", contents);
        KVSTRING text = "old";
        ASSERT_FALSE(ReadDocument(scratch.File("in.kvo").c_str(), text).Failed());
        EXPECT_EQ(std::string(text.Data(), text.Len()), contents);

        ASSERT_TRUE(SaveDocument(scratch.File("out.kvo").c_str(), text).saved);
        EXPECT_EQ(scratch.Get("out.kvo"), contents);
        EXPECT_EQ(FilesIn(scratch), (std::set<std::string>{"in.kvo", "out.kvo"}));
    }
}

TEST(DocumentFile, SaveReplacesTheWholeFileAlsoByABareName)
{
    ScratchDirectory scratch;
    scratch.Put("doc.kvo", std::string(5000, 'o'));
    ASSERT_TRUE(SaveDocument(scratch.File("doc.kvo").c_str(), "short\n").saved);
    EXPECT_EQ(scratch.Get("doc.kvo"), "short\n");

    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(scratch.path.string().c_str()));
    const bool saved = SaveDocument("Untitled", "bare").saved;
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
        EXPECT_TRUE(ReadDocument(scratch.File(name).c_str(), text).Failed()) << name;
        EXPECT_EQ(text, "kept") << name;
    }
}

// Under a double-byte code page "\xe9\r" (é and a line end in code page
// 1252) is one broken character: the memo would give back neither byte.
TEST(DocumentFile, OnlyBytesTheCodePageKeepsAreTakenAsTheyAre)
{
    struct Case {
        const char *bytes;
        UINT codePage;
        bool kept;
    };
    const Case cases[] = {
        {"caf\xe9\r\nna\xefve \x80\r\n", 1252, true},
        {"unassigned in 1252: \x81\x8d\x8f\x90\x9d", 1252, true},
        {"caf\xe9\r\nna\xefve\r\n", 932, false},
        {"a trailing lead byte \x81", 932, false},
        {"\x82\xa0 and plain text\r\n", 932, true},
        {"", 932, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CodePageKeepsBytes(c.bytes, c.codePage), c.kept) << c.bytes << " in " << c.codePage;
}

TEST(DocumentFile, FailedSavesLeaveTheTargetAndNoTemporaryFile)
{
    ScratchDirectory scratch;
    scratch.Put("locked.kvo", "original");
    SetFileAttributesA(scratch.File("locked.kvo").c_str(), FILE_ATTRIBUTE_READONLY);
    std::filesystem::create_directory(scratch.path / "folder");
    const std::pair<const char *, const char *> cases[] = {
        {"locked.kvo", "The file is read-only."},
        {"folder", "The name belongs to a folder."},
        {"no-such-folder\\a.kvo", "The folder does not exist."},
    };
    for (const auto &[name, reason] : cases) {
        const SaveResult result = SaveDocument(scratch.File(name).c_str(), "new text");
        EXPECT_FALSE(result.saved) << name;
        EXPECT_EQ(Explained(result.failure), reason) << name;
    }

    EXPECT_EQ(scratch.Get("locked.kvo"), "original");
    EXPECT_TRUE(std::filesystem::is_directory(scratch.path / "folder"));
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path / "folder"));
    EXPECT_EQ(FilesIn(scratch), (std::set<std::string>{"locked.kvo", "folder"}));
    SetFileAttributesA(scratch.File("locked.kvo").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A disk that fills up: the writes before `firstFailure` (counted from 1)
// go through; that one stops halfway, and the ones after it fail too until
// `recovers`.
struct FillingDisk {
    int firstFailure;
    bool recovers;
    int calls = 0;

    bool operator()(HANDLE file, const char *bytes, DWORD count)
    {
        ++calls;
        if (calls < firstFailure || (recovers && calls > firstFailure)) {
            DWORD done = 0;
            return WriteFile(file, bytes, count, &done, nullptr) && done == count;
        }
        DWORD done = 0;
        if (calls == firstFailure)
            WriteFile(file, bytes, count / 2, &done, nullptr);
        SetLastError(ERROR_DISK_FULL);
        return false;
    }
};

TEST(DocumentFile, ASaveThatFailsHalfwayKeepsThePreviousTextInTheFileOrInANamedCopy)
{
    const std::string previous(3000, 'p');
    const std::string text(5000, 't');
    const std::string halfWritten = std::string(2500, 't') + std::string(500, 'p');
    struct Case {
        const char *name;
        bool exists;
        FillingDisk disk;
        // What the file holds afterwards; whether the copy is kept; why
        // the save failed.
        std::string after;
        bool copyKept;
        const char *reason;
    };
    const char *const full = "The disk is full.";
    const Case cases[] = {
        {"new file, its temporary file fails", false, {1, false}, "", false, full},
        {"the copy of the old text fails", true, {1, false}, previous, false,
         "Not enough room for the safety copy of the old file: 3 KB needed."},
        {"the file fails, the old text goes back", true, {2, true}, previous, false, full},
        {"the file fails and so does the way back", true, {2, false}, halfWritten, true, full},
        {"the disk has room", true, {99, false}, text, false, ""},
    };
    for (Case test : cases) {
        SCOPED_TRACE(test.name);
        ScratchDirectory scratch;
        if (test.exists)
            scratch.Put("doc.kvo", previous);
        const SaveResult result =
            SaveDocument(scratch.File("doc.kvo").c_str(), KVSTRING(text.c_str()), std::ref(test.disk));

        EXPECT_EQ(result.saved, test.after == text);
        EXPECT_EQ(Explained(result.failure), test.reason);
        EXPECT_EQ(scratch.Get("doc.kvo"), test.after);
        std::set<std::string> expected;
        if (test.exists || test.after == text)
            expected.insert("doc.kvo");
        if (test.copyKept) {
            const std::string copy(result.previousTextCopy.Data(), result.previousTextCopy.Len());
            ASSERT_EQ(copy.rfind(scratch.path.string(), 0), 0u) << copy;
            const std::string copyName = copy.substr(copy.find_last_of('\\') + 1);
            EXPECT_EQ(scratch.Get(copyName), previous);
            expected.insert(copyName);
        } else {
            EXPECT_EQ(result.previousTextCopy.Len(), 0);
        }
        EXPECT_EQ(FilesIn(scratch), expected);
    }
}
