// KVSTREAM, the byte stream behind every file and memory block of the
// runtime. The base behaviours are those of an empty stream; KVFILE and
// KVMEMORYSTREAM override what they store. The virtual operations keep their
// order: derived classes and Kelvo code rely on the slots.
//
// Values are stored in little-endian order whatever the build, so a stream
// written by one build reads back in every other.
#pragma once

#include <cstdint>

#include "kvstring.h"

class KVSTREAM {
  public:
    KVSTREAM() = default;
    KVSTREAM(const KVSTREAM &) = delete;
    KVSTREAM &operator=(const KVSTREAM &) = delete;
    virtual ~KVSTREAM();

    // Origin 0 is the start, 1 the current position, 2 the end; returns the
    // new position.
    virtual int32_t SeekFrom(int32_t offset, int32_t origin);
    virtual void Seek(int32_t position);
    virtual int32_t Position();
    virtual void SetSize(int32_t n);
    virtual int32_t Size();
    virtual double AtEnd();
    virtual int32_t Read(void *buffer, int32_t count);

    // Each reads one value in place and returns the bytes read; bytes that
    // were not read keep the variable's previous contents.
    virtual int32_t ReadInteger(int32_t &value);
    virtual int32_t ReadShort(int16_t &value);
    virtual int32_t ReadLong(int32_t &value);
    virtual int32_t ReadChar(char &value);
    virtual int32_t ReadWord(uint16_t &value);
    virtual int32_t ReadDword(uint32_t &value);
    virtual int32_t ReadSingle(float &value);
    virtual int32_t ReadDouble(double &value);
    // A 4-byte length and that many characters; returns the characters read,
    // or the bytes of the length when it could not be read whole (then
    // `target` is unchanged).
    virtual int32_t ReadString(KVSTRING &target);

    // The same reads returning the value, whatever was read.
    virtual int32_t ReadInteger();
    virtual int16_t ReadShort();
    virtual int32_t ReadLong();
    virtual float ReadSingle();
    virtual double ReadDouble();
    virtual KVSTRING ReadString();
    // `n` bytes; positions beyond the end of the stream stay spaces.
    virtual KVSTRING ReadChars(int32_t n);
    virtual KVSTRING ReadLine();

    virtual int32_t Write(const void *buffer, int32_t count);
    virtual int32_t WriteInteger(int32_t value);
    virtual int32_t WriteShort(int16_t value);
    virtual int32_t WriteLong(int32_t value);
    virtual int32_t WriteChar(char value);
    virtual int32_t WriteWord(uint16_t value);
    virtual int32_t WriteDword(uint32_t value);
    virtual int32_t WriteSingle(float value);
    virtual int32_t WriteDouble(double value);
    // The length as a 4-byte integer, then the characters; returns the
    // characters written (or the short count of the length).
    virtual int32_t WriteString(const KVSTRING &s);
    // The characters only, no length and no terminator.
    virtual int32_t WriteChars(const KVSTRING &s);
    virtual void WriteLine(const KVSTRING &s);
    // The whole stream from its start into `destination`; the position is
    // left where the read ended.
    virtual void CopyTo(KVSTREAM &destination);
};
