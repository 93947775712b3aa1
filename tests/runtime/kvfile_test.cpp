#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "kvfile.h"
#include "kvmemorystream.h"
#include "scratch_directory.h"

namespace {

std::vector<std::string> AllLines(KVFILE &file)
{
    std::vector<std::string> lines;
    while (file.AtEnd() == 0.0) {
        const KVSTRING line = file.ReadLine();
        lines.emplace_back(line.Data(), static_cast<size_t>(line.Len()));
    }
    return lines;
}

std::vector<std::string> LinesOf(const ScratchDirectory &dir, const std::string &contents)
{
    dir.Put("lines", contents);
    KVFILE file;
    EXPECT_EQ(file.Open(dir.File("lines").c_str(), 0), 255);
    return AllLines(file);
}

using Lines = std::vector<std::string>;

TEST(FileOpen, ModesCreateReadAndRefuseUnknownValues)
{
    ScratchDirectory dir;
    KVFILE file;
    EXPECT_EQ(file.Open(dir.File("new").c_str(), 1), 0);
    EXPECT_EQ(file.Write("x", 1), 0) << "mode 1 opens nothing";
    EXPECT_EQ(file.Open(dir.File("missing").c_str(), 0), 0);
    EXPECT_EQ(file.Open(dir.File("missing").c_str(), 2), 0);

    ASSERT_EQ(file.Open(dir.File("new").c_str(), 128), 255);
    EXPECT_EQ(file.Write("hello", 5), 5);
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(dir.Get("new"), "hello");

    ASSERT_EQ(file.Open(dir.File("new").c_str(), 2), 255) << "read and write keeps the contents";
    EXPECT_EQ(file.Size(), 5);
    file.Seek(1);
    EXPECT_EQ(file.Write("EL", 2), 2);
    file.Close();
    EXPECT_EQ(dir.Get("new"), "hELlo");

    ASSERT_EQ(file.Open(dir.File("new").c_str(), 130), 255) << "130 empties the file";
    EXPECT_EQ(file.Size(), 0);
}

TEST(FileOpen, DirectoriesAreNoFiles)
{
    ScratchDirectory dir;
    std::filesystem::create_directory(dir.path / "sub");
    KVFILE file;
    EXPECT_EQ(file.Open(dir.File("sub").c_str(), 0), 0);
    EXPECT_EQ(file.Size(), 0);
}

TEST(FileOpen, OpeningAgainClosesTheFirstFileWithItsData)
{
    ScratchDirectory dir;
    KVFILE file;
    ASSERT_EQ(file.Open(dir.File("first").c_str(), 128), 255);
    file.Write("first", 5);
    ASSERT_EQ(file.Open(dir.File("second").c_str(), 128), 255);
    EXPECT_EQ(dir.Get("first"), "first");
}

TEST(FileClosed, EveryOperationGivesZeroOrEmpty)
{
    KVFILE file;
    char buffer[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(file.Read(buffer, 4), 0);
    EXPECT_EQ(file.Write(buffer, 4), 0);
    EXPECT_EQ(file.Size(), 0);
    EXPECT_EQ(file.Position(), 0);
    EXPECT_EQ(file.SeekFrom(10, 0), 0);
    EXPECT_EQ(file.AtEnd(), 1.0);
    EXPECT_EQ(file.ReadLine(), "");
    EXPECT_EQ(file.ReadString(), "");
    file.WriteLine("nothing");
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(file.Close(), 0);
}

TEST(FileReadLine, LineEndsAreRemovedAndCrElsewhereStays)
{
    ScratchDirectory dir;
    EXPECT_EQ(LinesOf(dir, "a\r\nb\r\nc\r\n"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(LinesOf(dir, "a\nb\nlast"), (Lines{"a", "b", "last"}));
    EXPECT_EQ(LinesOf(dir, "a\rb\n"), (Lines{"a\rb"}));
    EXPECT_EQ(LinesOf(dir, "x\r\r\n"), (Lines{"x\r"}));
    EXPECT_EQ(LinesOf(dir, "final\r"), (Lines{"final"}));
    EXPECT_EQ(LinesOf(dir, "\n\n"), (Lines{"", ""}));
    EXPECT_EQ(LinesOf(dir, ""), Lines{});
}

TEST(FileReadLine, LongLinesComeInPiecesOf1022)
{
    ScratchDirectory dir;
    const std::string line1021(1021, 'a'), line1022(1022, 'b'), line1500(1500, 'c');
    EXPECT_EQ(LinesOf(dir, line1021 + "\nnext\n"), (Lines{line1021, "next"}));
    EXPECT_EQ(LinesOf(dir, line1022 + "\nnext\n"), (Lines{line1022, "", "next"}));
    EXPECT_EQ(LinesOf(dir, line1500 + "\n"), (Lines{line1500.substr(0, 1022), line1500.substr(1022)}));
    // A CR LF split by the piece limit: the CR ends the first piece.
    EXPECT_EQ(LinesOf(dir, std::string(1021, 'd') + "\r\n"), (Lines{std::string(1021, 'd'), ""}));
}

TEST(FileReadLine, WriteLineReadsBackUnchanged)
{
    ScratchDirectory dir;
    KVFILE file;
    ASSERT_EQ(file.Open(dir.File("text").c_str(), 130), 255);
    file.WriteLine("first line");
    file.WriteLine("");
    file.WriteLine("  third\tline  ");
    EXPECT_EQ(file.Size(), 27);
    file.Seek(0);
    EXPECT_EQ(AllLines(file), (Lines{"first line", "", "  third\tline  "}));
    file.Close();
    EXPECT_EQ(dir.Get("text"), "first line\n\n  third\tline  \n") << "a single line feed, no CR";
}

TEST(FileReadLine, NulsInsideLinesAreKept)
{
    ScratchDirectory dir;
    const std::string nul(1, '\0');
    const std::string longLine = std::string(1020, 'x') + nul + nul + "tail";
    KVFILE file;
    ASSERT_EQ(file.Open(dir.File("nuls").c_str(), 130), 255);
    for (const std::string &line : {"n" + nul + "l", nul, nul + "end" + nul, longLine})
        file.WriteLine(KVSTRING(line.data(), static_cast<int32_t>(line.size())));
    file.Seek(0);
    EXPECT_EQ(AllLines(file),
              (Lines{"n" + nul + "l", nul, nul + "end" + nul, longLine.substr(0, 1022), "tail"}));
    file.Close();
    EXPECT_EQ(LinesOf(dir, "a" + nul + "\r\nlast" + nul), (Lines{"a" + nul, "last" + nul}));
}

TEST(FilePositions, SizeLeavesThePositionAndAtEndFollowsIt)
{
    ScratchDirectory dir;
    dir.Put("ten", "0123456789");
    KVFILE file;
    ASSERT_EQ(file.Open(dir.File("ten").c_str(), 0), 255);
    file.Seek(3);
    EXPECT_EQ(file.Size(), 10);
    EXPECT_EQ(file.Position(), 3);
    EXPECT_EQ(file.AtEnd(), 0.0);
    EXPECT_EQ(file.SeekFrom(-2, 2), 8);
    EXPECT_EQ(file.SeekFrom(1, 1), 9);
    EXPECT_EQ(file.ReadChars(4), "9   ") << "positions not read stay spaces";
    EXPECT_EQ(file.AtEnd(), 1.0);
}

TEST(FileCopy, MemoryStreamCopiesItsBytesIntoAFile)
{
    ScratchDirectory dir;
    KVMEMORYSTREAM memory(4, 4);
    memory.Write("0123456789", 10);
    KVFILE file;
    ASSERT_EQ(file.Open(dir.File("copy").c_str(), 128), 255);
    memory.CopyTo(file);
    EXPECT_EQ(memory.Position(), 10);
    file.Close();
    EXPECT_EQ(dir.Get("copy"), "0123456789");
}

TEST(FileCopy, FileCopiesItsBytesFromTheStart)
{
    ScratchDirectory dir;
    dir.Put("source", std::string("ab\0cd", 5));
    KVFILE file;
    ASSERT_EQ(file.Open(dir.File("source").c_str(), 0), 255);
    file.Seek(4);
    KVMEMORYSTREAM memory(0, 16);
    file.CopyTo(memory);
    EXPECT_EQ(file.Position(), 5);
    memory.Seek(0);
    EXPECT_EQ(memory.ReadChars(5), KVSTRING("ab\0cd", 5));
}

// AtEnd and Size answer from the file's length and position: the buffered
// data stays, so the rest of the line comes from the buffer even after the
// file changed on disk.
TEST(FilePositions, AtEndAndSizeKeepTheBufferedData)
{
    ScratchDirectory dir;
    dir.Put("lines", "first\nsecond\n");
    KVFILE file;
    ASSERT_EQ(file.Open(dir.File("lines").c_str(), 0), 255);
    EXPECT_EQ(file.ReadLine(), "first");
    {
        std::fstream other(dir.path / "lines", std::ios::in | std::ios::out | std::ios::binary);
        other.seekp(6);
        other << "SECOND";
    }
    EXPECT_EQ(file.AtEnd(), 0.0);
    EXPECT_EQ(file.Size(), 13);
    EXPECT_EQ(file.Position(), 6);
    EXPECT_EQ(file.ReadLine(), "second");
    EXPECT_EQ(file.AtEnd(), 1.0);

    ASSERT_EQ(file.Open(dir.File("new").c_str(), 128), 255);
    file.WriteLine("not yet flushed");
    EXPECT_EQ(file.Size(), 16) << "bytes still in the buffer count";
    EXPECT_EQ(file.AtEnd(), 1.0);
}

// Reading and writing take turns without a seek between them, and a read
// that fails on a file open for writing is no failure to write.
TEST(FileAccess, ReadsAndWritesTakeTurnsAndOnlyWritesFailTheClose)
{
    ScratchDirectory dir;
    KVFILE file;
    ASSERT_EQ(file.Open(dir.File("both").c_str(), 130), 255);
    file.WriteLine("one");
    file.WriteLine("two");
    file.Seek(0);
    EXPECT_EQ(file.ReadLine(), "one");
    EXPECT_EQ(file.WriteChars("TWO"), 3);
    EXPECT_EQ(file.ReadLine(), "");
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(dir.Get("both"), "one\nTWO\n");

    ASSERT_EQ(file.Open(dir.File("written").c_str(), 128), 255);
    file.WriteLine("data");
    char byte = 'x';
    EXPECT_EQ(file.Read(&byte, 1), 0);
    EXPECT_EQ(file.ReadLine(), "");
    file.WriteLine("more");
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(dir.Get("written"), "data\nmore\n");
}

} // namespace
