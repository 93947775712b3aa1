// Directory search: the files whose names match a wildcard pattern (* and ?),
// one at a time. There is one search per process; starting a new one ends
// the previous one.
#pragma once

#include <cstdint>

#include "kvstring.h"

struct KVFILEINFO {
    KVSTRING Name;      // empty when there is no (further) match
    int32_t Size = 0;   // bytes
    int32_t Attrib = 0; // the C runtime's attribute bits (_A_SUBDIR, _A_RDONLY, ...)
};

KVFILEINFO FileSearchFirst(const KVSTRING &pattern);
KVFILEINFO FileSearchNext();
