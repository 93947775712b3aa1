// The search of Find and Find Next: plain, byte-exact substring search that
// goes on after the current selection and wraps around once.
#pragma once

#include <cstdint>

#include "kvstring.h"

// The 1-based position of the first occurrence of `pattern` in `text` at or
// after `from`, else the first from the start, else 0 when there is none at
// all. The empty pattern is found at position 1.
int32_t FindNextOccurrence(const KVSTRING &text, const KVSTRING &pattern, int32_t from);
