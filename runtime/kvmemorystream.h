// KVMEMORYSTREAM, a growable block of memory used as a stream. The block
// reads as zero bytes wherever nothing was written. It grows by at least its
// growth step and at least by its own size, so appending costs linear time.
#pragma once

#include <cstdint>

#include "kvstream.h"

class KVMEMORYSTREAM : public KVSTREAM {
  public:
    KVMEMORYSTREAM(int32_t initialCapacity, int32_t growthStep);
    ~KVMEMORYSTREAM() override;

    // Positions never go below 0; origin 2 counts from Size(). A target
    // beyond the capacity grows the block and makes it the size.
    int32_t SeekFrom(int32_t offset, int32_t origin) override;
    // Grows the block (always, by at least the growth step) and sets the size
    // to `n`; the position stays.
    void SetSize(int32_t n) override;
    int32_t Size() override;
    int32_t Read(void *buffer, int32_t count) override;
    // Returns 0 when the block cannot grow enough.
    int32_t Write(const void *buffer, int32_t count) override;
    void CopyTo(KVSTREAM &destination) override;

  private:
    bool Grow(int32_t n);
    // Zeroes the bytes from the end of what was ever written up to `offset`.
    void ClearUpTo(int32_t offset);

    char *buffer = nullptr;
    int32_t cursor = 0; // offset of the current position in buffer
    int32_t capacity = 0;
    int32_t size = 0;
    int32_t growth = 0;
    // Bytes from here to the capacity were never written nor cleared; they
    // are cleared only when they come into use, so that untouched capacity
    // costs no memory.
    int32_t cleared = 0;
};
