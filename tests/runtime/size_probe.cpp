// A console program that asks for a size no buffer can hold. Each must end
// the program as a failed allocation does; "survived" says that it went on
// with a short buffer. What each request checks, with a 32-bit size_t (the
// Windows deliverables, the native32 build) and a 64-bit one:
//   repeat   65536 x 65537 characters, 2^32 + 65536: wraps to 65536 in 32
//            bits; in 64 bits it is past the 2 GB a string can hold
//   extents  four extents of 65536, 2^64: the product wraps to 0 after two
//            factors in 32 bits, after all four in 64 bits
//   bound    INT32_MAX: its extent, 2^31, fits no 32-bit extent field
#include <cstdio>

#include "kvarray.h"
#include "startup.h"

void KvMain()
{
    const KVSTRING what = Arg(1);
    if (what == "repeat") {
        const KVSTRING result = Repeat(KVSTRING(65536, 'r'), 65537);
        std::printf("survived %d\n", static_cast<int>(result.Len()));
    } else if (what == "extents") {
        KVARRAY<char> cube(65535, 65535, 65535, 65535);
        cube.Item(65535, 65535, 65535, 65535) = 'x';
        std::printf("survived %u\n", static_cast<unsigned>(cube.Count()));
    } else if (what == "bound") {
        KVARRAY<char> line(INT32_MAX);
        line.Item(INT32_MAX - 1) = 'x';
        std::printf("survived %u\n", static_cast<unsigned>(line.Count()));
    }
}
