#include "kvmemorystream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr int64_t MaximumCapacity = std::numeric_limits<int32_t>::max();

int32_t ClampPosition(int64_t target)
{
    return static_cast<int32_t>(std::clamp<int64_t>(target, 0, MaximumCapacity));
}

} // namespace

KVMEMORYSTREAM::KVMEMORYSTREAM(int32_t initialCapacity, int32_t growthStep) : growth(std::max(growthStep, 1))
{
    const int32_t wanted = std::max(initialCapacity, 0);
    buffer = static_cast<char *>(std::calloc(static_cast<size_t>(wanted) + 1, 1));
    if (buffer != nullptr) {
        capacity = wanted;
        cleared = wanted;
    }
}

KVMEMORYSTREAM::~KVMEMORYSTREAM() { std::free(buffer); }

int32_t KVMEMORYSTREAM::SeekFrom(int32_t offset, int32_t origin)
{
    int64_t target = offset;
    if (origin == 2)
        target += Size();
    else if (origin == 1)
        target += cursor;
    const int32_t position = ClampPosition(target);
    if (position > capacity)
        SetSize(position);
    cursor = std::min(position, capacity);
    return cursor;
}

void KVMEMORYSTREAM::SetSize(int32_t n)
{
    const int32_t wanted = std::max(n, 0);
    if (!Grow(wanted))
        return;
    ClearUpTo(wanted);
    size = wanted;
}

int32_t KVMEMORYSTREAM::Size() { return size; }

int32_t KVMEMORYSTREAM::Read(void *target, int32_t count)
{
    const int32_t available = std::max(size - cursor, 0);
    count = std::clamp(count, 0, available);
    std::memcpy(target, buffer + cursor, static_cast<size_t>(count));
    cursor += count;
    return count;
}

int32_t KVMEMORYSTREAM::Write(const void *source, int32_t count)
{
    if (count <= 0)
        return 0;
    const int64_t end = static_cast<int64_t>(cursor) + count;
    if (end > capacity && (end > MaximumCapacity || !Grow(static_cast<int32_t>(end))))
        return 0;
    ClearUpTo(cursor);
    std::memcpy(buffer + cursor, source, static_cast<size_t>(count));
    cursor += count;
    cleared = std::max(cleared, cursor);
    size = std::max(size, cursor);
    return count;
}

void KVMEMORYSTREAM::CopyTo(KVSTREAM &destination)
{
    if (&destination == this) {
        // Growing for the write would move the block being copied: the
        // bytes go through a copy of their own, appended after the read.
        KVSTREAM::CopyTo(destination);
        return;
    }
    // The block itself is written: no second copy of a big text in memory.
    cursor = size;
    destination.Write(buffer, size);
}

// The block grows even when `n` fits, by the growth step then; to fit `n` it
// grows at least geometrically.
bool KVMEMORYSTREAM::Grow(int32_t n)
{
    const int64_t step =
        n > capacity ? std::max<int64_t>({static_cast<int64_t>(n) - capacity, growth, capacity}) : growth;
    const int64_t newCapacity = std::min(capacity + step, MaximumCapacity);
    if (newCapacity < n)
        return false;
    // realloc keeps the contents; a large block is moved by remapping its
    // pages, not by copying them.
    char *grown = static_cast<char *>(std::realloc(buffer, static_cast<size_t>(newCapacity) + 1));
    if (grown == nullptr)
        return false;
    buffer = grown;
    capacity = static_cast<int32_t>(newCapacity);
    return true;
}

void KVMEMORYSTREAM::ClearUpTo(int32_t offset)
{
    if (offset <= cleared)
        return;
    std::memset(buffer + cleared, 0, static_cast<size_t>(offset - cleared));
    cleared = offset;
}
