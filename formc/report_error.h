// The one way the form compiler reports an error in a form file: a line on
// standard output, then the end of the program.
#pragma once

#include <cstdint>

#include "kvstring.h"

// Prints "Error in file 'NAME' at line #N: MESSAGE" (no line part when
// `line` is 0) and ends the program with `status`.
[[noreturn]] void ReportError(const KVSTRING &message, const KVSTRING &fileName, int32_t line,
                              uint8_t status);
