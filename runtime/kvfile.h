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
    // Position, Size and AtEnd never seek: a seek throws away the C
    // runtime's buffer, and AtEnd before every line would then read the
    // file again for every line. The position is counted as bytes move;
    // AtEnd asks the system for the length only when the position reaches
    // the length last known.
    int32_t Position() override;
    int32_t Size() override;
    double AtEnd() override;
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
    // it did not or an earlier write failed; failed reads do not count.
    virtual uint8_t Close();

    // Whether a read since the file was opened failed: a read error, which
    // its count alone does not tell from the end of the file.
    bool ReadFailed() const { return readFailed; }

  private:
    enum class Access { None, Reading, Writing };
    // The C runtime needs a seek between writing and reading in either
    // order; Kelvo code need not give one.
    void BeginAccess(Access access);
    // A failed read is told by its count and by ReadFailed; the error
    // indicator, which Close reports, keeps only what failed to be written
    // (a read on a file open for writing only sets it too). `errorBefore`
    // is the indicator before the read.
    void ForgetReadError(bool errorBefore);

    // After bytes moved: the position advances; a short read found the end.
    void Moved(size_t count, bool reachedEnd);

    std::FILE *handle = nullptr;
    Access lastAccess = Access::None;
    bool readFailed = false;
    int64_t position = 0;
    int64_t knownLength = 0; // the length last seen, or reached by writing
};
