#include "kvstream.h"

#include <algorithm>
#include <cstring>

namespace {

// The stored form of a value: its bytes, least significant first.
template <typename Unsigned> void Encode(Unsigned bits, unsigned char *bytes)
{
    for (size_t k = 0; k < sizeof(Unsigned); ++k)
        bytes[k] = static_cast<unsigned char>(bits >> (8 * k));
}

template <typename Unsigned> Unsigned Decode(const unsigned char *bytes)
{
    Unsigned bits = 0;
    for (size_t k = 0; k < sizeof(Unsigned); ++k)
        bits =
            static_cast<Unsigned>(bits | static_cast<Unsigned>(static_cast<Unsigned>(bytes[k]) << (8 * k)));
    return bits;
}

template <typename Value, typename Unsigned> Unsigned BitsOf(Value value)
{
    static_assert(sizeof(Value) == sizeof(Unsigned));
    Unsigned bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

template <typename Value, typename Unsigned> Value ValueOf(Unsigned bits)
{
    Value value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Reads the stored form over the variable's own, so that a short read keeps
// the bytes it did not reach.
template <typename Value, typename Unsigned> int32_t ReadValue(KVSTREAM &stream, Value &value)
{
    unsigned char bytes[sizeof(Value)];
    Encode(BitsOf<Value, Unsigned>(value), bytes);
    const int32_t count = stream.Read(bytes, sizeof bytes);
    value = ValueOf<Value, Unsigned>(Decode<Unsigned>(bytes));
    return count;
}

template <typename Value, typename Unsigned> int32_t WriteValue(KVSTREAM &stream, Value value)
{
    unsigned char bytes[sizeof(Value)];
    Encode(BitsOf<Value, Unsigned>(value), bytes);
    return stream.Write(bytes, sizeof bytes);
}

// The value-returning reads: the value read in place, whatever was read.
template <typename T> T ReadReturning(KVSTREAM &stream, int32_t (KVSTREAM::*read)(T &))
{
    T value{};
    (stream.*read)(value);
    return value;
}

} // namespace

KVSTREAM::~KVSTREAM() = default;

int32_t KVSTREAM::SeekFrom(int32_t, int32_t) { return 0; }

void KVSTREAM::Seek(int32_t position) { SeekFrom(position, 0); }

int32_t KVSTREAM::Position() { return SeekFrom(0, 1); }

void KVSTREAM::SetSize(int32_t n) { Seek(n); }

int32_t KVSTREAM::Size()
{
    const int32_t position = Position();
    const int32_t size = SeekFrom(0, 2);
    Seek(position);
    return size;
}

double KVSTREAM::AtEnd() { return Position() >= Size() ? 1.0 : 0.0; }

int32_t KVSTREAM::Read(void *, int32_t) { return 0; }

int32_t KVSTREAM::ReadInteger(int32_t &value) { return ReadValue<int32_t, uint32_t>(*this, value); }
int32_t KVSTREAM::ReadShort(int16_t &value) { return ReadValue<int16_t, uint16_t>(*this, value); }
int32_t KVSTREAM::ReadLong(int32_t &value) { return ReadValue<int32_t, uint32_t>(*this, value); }
int32_t KVSTREAM::ReadChar(char &value) { return ReadValue<char, uint8_t>(*this, value); }
int32_t KVSTREAM::ReadWord(uint16_t &value) { return ReadValue<uint16_t, uint16_t>(*this, value); }
int32_t KVSTREAM::ReadDword(uint32_t &value) { return ReadValue<uint32_t, uint32_t>(*this, value); }
int32_t KVSTREAM::ReadSingle(float &value) { return ReadValue<float, uint32_t>(*this, value); }
int32_t KVSTREAM::ReadDouble(double &value) { return ReadValue<double, uint64_t>(*this, value); }

int32_t KVSTREAM::ReadString(KVSTRING &target)
{
    int32_t length = 0;
    const int32_t count = ReadInteger(length);
    if (count < 4)
        return count;
    // A damaged length must not allocate more than the stream can still give.
    const int32_t available = std::max(Size() - Position(), 0);
    KVSTRING characters(std::clamp(length, 0, available), ' ');
    const int32_t read = Read(characters.Data(), characters.Len());
    target = KVSTRING(characters.Data(), read);
    return read;
}

int32_t KVSTREAM::ReadInteger() { return ReadReturning<int32_t>(*this, &KVSTREAM::ReadInteger); }
int16_t KVSTREAM::ReadShort() { return ReadReturning<int16_t>(*this, &KVSTREAM::ReadShort); }
int32_t KVSTREAM::ReadLong() { return ReadReturning<int32_t>(*this, &KVSTREAM::ReadInteger); }
float KVSTREAM::ReadSingle() { return ReadReturning<float>(*this, &KVSTREAM::ReadSingle); }
double KVSTREAM::ReadDouble() { return ReadReturning<double>(*this, &KVSTREAM::ReadDouble); }

KVSTRING KVSTREAM::ReadString()
{
    KVSTRING target;
    ReadString(target);
    return target;
}

KVSTRING KVSTREAM::ReadChars(int32_t n)
{
    KVSTRING characters(n, ' ');
    Read(characters.Data(), characters.Len());
    return characters;
}

KVSTRING KVSTREAM::ReadLine() { return KVSTRING(); }

int32_t KVSTREAM::Write(const void *, int32_t) { return 0; }

int32_t KVSTREAM::WriteInteger(int32_t value) { return WriteValue<int32_t, uint32_t>(*this, value); }
int32_t KVSTREAM::WriteShort(int16_t value) { return WriteValue<int16_t, uint16_t>(*this, value); }
int32_t KVSTREAM::WriteLong(int32_t value) { return WriteValue<int32_t, uint32_t>(*this, value); }
int32_t KVSTREAM::WriteChar(char value) { return WriteValue<char, uint8_t>(*this, value); }
int32_t KVSTREAM::WriteWord(uint16_t value) { return WriteValue<uint16_t, uint16_t>(*this, value); }
int32_t KVSTREAM::WriteDword(uint32_t value) { return WriteValue<uint32_t, uint32_t>(*this, value); }
int32_t KVSTREAM::WriteSingle(float value) { return WriteValue<float, uint32_t>(*this, value); }
int32_t KVSTREAM::WriteDouble(double value) { return WriteValue<double, uint64_t>(*this, value); }

int32_t KVSTREAM::WriteString(const KVSTRING &s)
{
    const int32_t count = WriteInteger(s.Len());
    if (count != 4)
        return count;
    return Write(s.Data(), s.Len());
}

int32_t KVSTREAM::WriteChars(const KVSTRING &s) { return Write(s.Data(), s.Len()); }

void KVSTREAM::WriteLine(const KVSTRING &) {}

void KVSTREAM::CopyTo(KVSTREAM &destination)
{
    Seek(0);
    const int32_t size = Size();
    KVSTRING contents(size, ' ');
    Read(contents.Data(), size);
    destination.Write(contents.Data(), size);
}
