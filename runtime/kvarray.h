// KVARRAY, the runtime's array of up to eight dimensions. A dimension
// declared with bound n holds indices 0 to n; elements are stored row-major
// (the last index varies fastest) and default-constructed.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "allocation_failure.h"

template <typename T>
class KVARRAY {
public:
    static constexpr int Dimensions = 8;

    explicit KVARRAY(int32_t b0 = 0, int32_t b1 = 0, int32_t b2 = 0, int32_t b3 = 0,
                     int32_t b4 = 0, int32_t b5 = 0, int32_t b6 = 0, int32_t b7 = 0)
    {
        Resize(b0, b1, b2, b3, b4, b5, b6, b7);
    }

    // New extents; the old elements are released, the new ones are empty.
    void Resize(int32_t b0 = 0, int32_t b1 = 0, int32_t b2 = 0, int32_t b3 = 0,
                int32_t b4 = 0, int32_t b5 = 0, int32_t b6 = 0, int32_t b7 = 0)
    {
        const int32_t bounds[Dimensions] = {b0, b1, b2, b3, b4, b5, b6, b7};
        // Each extent must fit its 32-bit field and the element count a
        // pointer difference, checked before the product can wrap.
        constexpr size_t MaximumCount = static_cast<size_t>(PTRDIFF_MAX) / sizeof(T);
        int32_t extents[Dimensions];
        size_t total = 1;
        for (int k = 0; k < Dimensions; ++k) {
            assert(bounds[k] >= 0 && "array bound below 0");
            const int64_t extent = bounds[k] < 0 ? 1 : static_cast<int64_t>(bounds[k]) + 1;
            if (extent > INT32_MAX || static_cast<size_t>(extent) > MaximumCount / total)
                FailAllocation();
            extents[k] = static_cast<int32_t>(extent);
            total *= static_cast<size_t>(extent);
        }
        Items.reset();
        Items = std::make_unique<T[]>(total);
        std::copy(extents, extents + Dimensions, Extent);
        count = total;
    }

    T &Item(int32_t i0 = 0, int32_t i1 = 0, int32_t i2 = 0, int32_t i3 = 0, int32_t i4 = 0,
            int32_t i5 = 0, int32_t i6 = 0, int32_t i7 = 0)
    {
        return Items[Position({i0, i1, i2, i3, i4, i5, i6, i7})];
    }
    const T &Item(int32_t i0 = 0, int32_t i1 = 0, int32_t i2 = 0, int32_t i3 = 0,
                  int32_t i4 = 0, int32_t i5 = 0, int32_t i6 = 0, int32_t i7 = 0) const
    {
        return Items[Position({i0, i1, i2, i3, i4, i5, i6, i7})];
    }

    int32_t GetExtent(int dimension) const { return Extent[dimension]; }
    size_t Count() const { return count; }

private:
    size_t Position(const std::array<int32_t, Dimensions> &index) const
    {
        size_t position = 0;
        for (int k = 0; k < Dimensions; ++k) {
            assert(index[k] >= 0 && index[k] < Extent[k] && "array index outside its extent");
            position = position * static_cast<size_t>(Extent[k]) + static_cast<size_t>(index[k]);
        }
        return position;
    }

    int32_t Extent[Dimensions] = {1, 1, 1, 1, 1, 1, 1, 1};
    std::unique_ptr<T[]> Items;
    size_t count = 0;
};
