// A console program that asks for a size no buffer can hold: the string
// repeated past 2 GB, array extents whose product wraps, or a bound whose
// extent does not fit 32 bits. Each must end the program as a failed
// allocation does; "survived" says that it went on with a short buffer.
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
