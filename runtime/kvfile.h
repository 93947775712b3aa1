// KVFILE, a disk file through the C runtime's buffered file functions. Every
// file is opened in binary mode, so line ends are never translated. A closed
// file reads and writes nothing and reports 0 or the empty string.
#pragma once

#include <cstdint>
#include <cstdio>

#include "kvstream.h"

class KVFILE : public KVSTREAM {
  public:
    // Open modes; they combine.
    static constexpr int32_t ReadWrite = 2;
    static constexpr int32_t Create = 128;

    KVFILE() = default;
    ~KVFILE() override;

    int32_t SeekFrom(int32_t offset, int32_t origin) override;
    int32_t Read(void *buffer, int32_t count) override;
    // One line, or the next piece of at most LinePieceLimit characters of a
    // longer one, without its line end (NULs inside are kept); the empty
    // string at the end.
    KVSTRING ReadLine() override;
    int32_t Write(const void *buffer, int32_t count) override;
    // The characters of `s`, then a single line feed.
    void WriteLine(const KVSTRING &s) override;

    // Mode 0 reads, 2 reads and writes, 128 creates or empties for writing,
    // 130 does both; returns 255 when the file is open, 0 otherwise. A file
    // still open is closed first.
    virtual uint8_t Open(const KVSTRING &name, int32_t mode);
    // Returns 0 when the file closed cleanly (or none was open), 255 when
    // it did not or an earlier read or write failed.
    virtual uint8_t Close();

  private:
    std::FILE *handle = nullptr;
};
