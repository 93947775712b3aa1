// Lines of the editor's text as the file has them: numbered from 1 and
// ended by line feeds, whatever rows the memo wraps them into.
#pragma once

#include <cstdint>

#include "kvstring.h"

struct TextPosition {
    int32_t line;
    int32_t column;
};

// The 1-based line and column of the 0-based character offset, counted in
// the first `length` characters of `text` (the text before the offset).
TextPosition PositionAt(const char *text, int32_t length);

// The 0-based offset of the first character of the 1-based line; a line
// past the end gives the last line's start.
int32_t LineStart(const KVSTRING &text, int32_t line);

// A line number typed by the user: digits, with spaces around them
// allowed; 0 for anything else or for 0 itself. Numbers too large for the
// type come out as the largest, which means the last line.
int32_t ParseLineNumber(const KVSTRING &text);
