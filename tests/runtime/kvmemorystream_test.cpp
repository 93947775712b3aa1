#include <gtest/gtest.h>

#include <string>

#include "kvmemorystream.h"

namespace {

TEST(MemoryStream, NewStreamIsEmptyAndAtItsEnd)
{
    KVMEMORYSTREAM stream(64000, 64000);
    char buffer[8];
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.AtEnd(), 1.0);
    EXPECT_EQ(stream.Read(buffer, 8), 0);
}

TEST(MemoryStream, OverwritingKeepsTheSize)
{
    KVMEMORYSTREAM stream(16, 16);
    EXPECT_EQ(stream.Write("0123456789", 10), 10);
    stream.Seek(0);
    EXPECT_EQ(stream.Write("abcd", 4), 4);
    EXPECT_EQ(stream.Size(), 10);
    EXPECT_EQ(stream.Position(), 4);
    stream.Seek(0);
    EXPECT_EQ(stream.ReadChars(10), "abcd456789");
}

TEST(MemoryStream, ReadsStopAtTheSize)
{
    KVMEMORYSTREAM stream(16, 16);
    stream.Write("abcdef", 6);
    stream.Seek(4);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    EXPECT_EQ(stream.Read(buffer, 8), 0);
    stream.Seek(12);
    EXPECT_EQ(stream.Read(buffer, 8), 0) << "a position past the size reads nothing";
}

TEST(MemoryStream, SeekFromEndCountsFromTheSizeSoAppendingKeepsTheLastByte)
{
    KVMEMORYSTREAM stream(16, 16);
    stream.Write("abc", 3);
    EXPECT_EQ(stream.SeekFrom(0, 2), 3);
    stream.Write("d", 1);
    EXPECT_EQ(stream.SeekFrom(-1, 2), 3);
    EXPECT_EQ(stream.ReadChars(1), "d");
    stream.Seek(0);
    EXPECT_EQ(stream.ReadChars(4), "abcd");
    EXPECT_EQ(stream.SeekFrom(-2, 1), 2);
}

TEST(MemoryStream, NegativePositionsStopAtTheStart)
{
    KVMEMORYSTREAM stream(16, 16);
    stream.Write("abc", 3);
    EXPECT_EQ(stream.SeekFrom(-10, 0), 0);
    EXPECT_EQ(stream.SeekFrom(-10, 1), 0);
    EXPECT_EQ(stream.SeekFrom(-10, 2), 0);
    EXPECT_EQ(stream.ReadChars(3), "abc");
}

TEST(MemoryStream, GapsAndGrowthReadAsZeroBytes)
{
    KVMEMORYSTREAM stream(4, 4);
    stream.Write("ab", 2);
    EXPECT_EQ(stream.SeekFrom(10, 0), 10) << "beyond the capacity: the block grows";
    EXPECT_EQ(stream.Size(), 10);
    stream.Write("z", 1);
    EXPECT_EQ(stream.Size(), 11);
    stream.Seek(0);
    EXPECT_EQ(stream.ReadChars(11), KVSTRING("ab\0\0\0\0\0\0\0\0z", 11));

    stream.SetSize(40);
    EXPECT_EQ(stream.Size(), 40);
    EXPECT_EQ(stream.Position(), 11) << "SetSize keeps the position";
    stream.Seek(11);
    EXPECT_EQ(stream.ReadChars(29), KVSTRING(std::string(29, '\0').c_str(), 29));
}

TEST(MemoryStream, SetSizeShrinksTheSizeOnly)
{
    KVMEMORYSTREAM stream(4, 4);
    stream.Write("abcdef", 6);
    stream.SetSize(2);
    EXPECT_EQ(stream.Size(), 2);
    stream.Seek(0);
    EXPECT_EQ(stream.ReadChars(6), "ab    ");
}

TEST(MemoryStream, ManySmallWritesKeepEveryByte)
{
    KVMEMORYSTREAM stream(1, 1);
    std::string expected;
    for (int i = 0; i < 100000; ++i) {
        const char c = static_cast<char>('a' + i % 26);
        ASSERT_EQ(stream.Write(&c, 1), 1);
        expected += c;
    }
    EXPECT_EQ(stream.Size(), 100000);
    stream.Seek(0);
    const KVSTRING all = stream.ReadChars(100000);
    EXPECT_EQ(std::string(all.Data(), 100000), expected);
}

TEST(MemoryStream, CopyToAnotherMemoryStream)
{
    KVMEMORYSTREAM source(8, 8), target(8, 8);
    source.Write("0123456789", 10);
    source.Seek(3);
    source.CopyTo(target);
    EXPECT_EQ(source.Position(), 10);
    EXPECT_EQ(target.Size(), 10);
    target.Seek(0);
    EXPECT_EQ(target.ReadChars(10), "0123456789");
}

// The stream read from its start and appended at the position the read
// left: the text twice, wherever the position was and however the block
// had to grow.
TEST(MemoryStream, CopyToItselfDoublesTheText)
{
    for (const int32_t length : {1, 10, 100000}) {
        std::string text;
        for (int32_t i = 0; i < length; ++i)
            text += static_cast<char>('a' + i % 26);
        KVMEMORYSTREAM stream(length, 1);
        ASSERT_EQ(stream.Write(text.data(), length), length);
        stream.Seek(length / 3);
        stream.CopyTo(stream);
        EXPECT_EQ(stream.Size(), 2 * length);
        EXPECT_EQ(stream.Position(), 2 * length);
        stream.Seek(0);
        const KVSTRING all = stream.ReadChars(2 * length);
        EXPECT_EQ(std::string(all.Data(), static_cast<size_t>(all.Len())), text + text) << length;
    }
}

} // namespace
