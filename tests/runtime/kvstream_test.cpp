#include <gtest/gtest.h>

#include <string>

#include "kvmemorystream.h"
#include "kvstream.h"

namespace {

std::string Contents(KVMEMORYSTREAM &stream)
{
    stream.Seek(0);
    const KVSTRING all = stream.ReadChars(stream.Size());
    return std::string(all.Data(), static_cast<size_t>(all.Len()));
}

TEST(StreamBase, EmptyStreamBehaviours)
{
    KVSTREAM stream;
    char byte = 'q';
    EXPECT_EQ(stream.SeekFrom(5, 0), 0);
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.AtEnd(), 1.0);
    EXPECT_EQ(stream.Read(&byte, 1), 0);
    EXPECT_EQ(stream.Write(&byte, 1), 0);
    EXPECT_EQ(stream.ReadLine(), "");
    EXPECT_EQ(stream.ReadChars(3), "   ");
    EXPECT_EQ(stream.WriteString("abc"), 0);
}

TEST(StreamValues, StoredLittleEndianWithTheirNativeSizes)
{
    KVMEMORYSTREAM stream(0, 8);
    EXPECT_EQ(stream.WriteInteger(0x01020304), 4);
    EXPECT_EQ(stream.WriteShort(-2), 2);
    EXPECT_EQ(stream.WriteLong(-1), 4);
    EXPECT_EQ(stream.WriteChar('Z'), 1);
    EXPECT_EQ(stream.WriteWord(0xABCD), 2);
    EXPECT_EQ(stream.WriteDword(0x80000001u), 4);
    EXPECT_EQ(stream.WriteSingle(1.0f), 4);
    EXPECT_EQ(stream.WriteDouble(-2.0), 8);
    EXPECT_EQ(Contents(stream), std::string("\x04\x03\x02\x01"
                                            "\xFE\xFF"
                                            "\xFF\xFF\xFF\xFF"
                                            "Z"
                                            "\xCD\xAB"
                                            "\x01\x00\x00\x80"
                                            "\x00\x00\x80\x3F"
                                            "\x00\x00\x00\x00\x00\x00\x00\xC0",
                                            29));
}

TEST(StreamValues, ReadBackEqualThroughBothForms)
{
    KVMEMORYSTREAM stream(0, 8);
    stream.WriteInteger(-123456);
    stream.WriteShort(-300);
    stream.WriteLong(77);
    stream.WriteChar('k');
    stream.WriteWord(65535);
    stream.WriteDword(4000000000u);
    stream.WriteSingle(0.25f);
    stream.WriteDouble(3.5);
    stream.Seek(0);
    int32_t integer = 0, longValue = 0;
    int16_t shortValue = 0;
    char character = 0;
    uint16_t word = 0;
    uint32_t dword = 0;
    float single = 0;
    double real = 0;
    EXPECT_EQ(stream.ReadInteger(integer), 4);
    EXPECT_EQ(stream.ReadShort(shortValue), 2);
    EXPECT_EQ(stream.ReadLong(longValue), 4);
    EXPECT_EQ(stream.ReadChar(character), 1);
    EXPECT_EQ(stream.ReadWord(word), 2);
    EXPECT_EQ(stream.ReadDword(dword), 4);
    EXPECT_EQ(stream.ReadSingle(single), 4);
    EXPECT_EQ(stream.ReadDouble(real), 8);
    EXPECT_EQ(integer, -123456);
    EXPECT_EQ(shortValue, -300);
    EXPECT_EQ(longValue, 77);
    EXPECT_EQ(character, 'k');
    EXPECT_EQ(word, 65535);
    EXPECT_EQ(dword, 4000000000u);
    EXPECT_EQ(single, 0.25f);
    EXPECT_EQ(real, 3.5);

    stream.Seek(0);
    EXPECT_EQ(stream.ReadInteger(), -123456);
    EXPECT_EQ(stream.ReadShort(), -300);
    EXPECT_EQ(stream.ReadLong(), 77);
    stream.Seek(17);
    EXPECT_EQ(stream.ReadSingle(), 0.25f);
    EXPECT_EQ(stream.ReadDouble(), 3.5);
}

TEST(StreamValues, ShortReadKeepsTheBytesNotReached)
{
    KVMEMORYSTREAM stream(0, 8);
    stream.WriteShort(0x1122);
    stream.Seek(0);
    int32_t value = 0x55667788;
    EXPECT_EQ(stream.ReadInteger(value), 2);
    EXPECT_EQ(value, 0x55661122);
    EXPECT_EQ(stream.ReadInteger(), 0) << "nothing left: the value-returning read gives its start value";
}

TEST(StreamStrings, StringReadsBackExactly)
{
    KVMEMORYSTREAM stream(0, 8);
    EXPECT_EQ(stream.WriteString("hello"), 5);
    EXPECT_EQ(stream.WriteString(""), 0);
    EXPECT_EQ(stream.WriteString(KVSTRING("a\0b", 3)), 3);
    EXPECT_EQ(Contents(stream), std::string("\x05\0\0\0hello\0\0\0\0\x03\0\0\0a\0b", 20));
    stream.Seek(0);
    KVSTRING target("old");
    EXPECT_EQ(stream.ReadString(target), 5);
    EXPECT_EQ(target, "hello");
    EXPECT_EQ(target.Len(), 5);
    EXPECT_EQ(stream.ReadString(), "");
    EXPECT_EQ(stream.ReadString(), KVSTRING("a\0b", 3));
}

TEST(StreamStrings, TruncatedOrDamagedStringsLoseNothingAndAllocateLittle)
{
    KVMEMORYSTREAM stream(0, 8);
    stream.WriteShort(7);
    stream.Seek(0);
    KVSTRING target("kept");
    EXPECT_EQ(stream.ReadString(target), 2) << "an incomplete length";
    EXPECT_EQ(target, "kept");

    KVMEMORYSTREAM damaged(0, 8);
    damaged.WriteInteger(0x7FFFFFFF);
    damaged.WriteChars("abc");
    damaged.Seek(0);
    EXPECT_EQ(damaged.ReadString(target), 3);
    EXPECT_EQ(target, "abc");

    KVMEMORYSTREAM negative(0, 8);
    negative.WriteInteger(-5);
    negative.WriteChars("xyz");
    negative.Seek(0);
    EXPECT_EQ(negative.ReadString(target), 0);
    EXPECT_EQ(target, "");
    EXPECT_EQ(negative.Position(), 4);
}

TEST(StreamStrings, WriteCharsHasNoPrefixOrTerminator)
{
    KVMEMORYSTREAM stream(0, 8);
    EXPECT_EQ(stream.WriteChars("abc"), 3);
    EXPECT_EQ(stream.WriteChars(""), 0);
    EXPECT_EQ(Contents(stream), "abc");
    stream.WriteLine("ignored");
    EXPECT_EQ(stream.Size(), 3) << "memory streams write no lines";
    stream.Seek(0);
    EXPECT_EQ(stream.ReadLine(), "");
}

} // namespace
