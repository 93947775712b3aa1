// Selects a line of a form text in the memo, counted as the form compiler
// counts lines (pieces of long lines are lines of their own), so that an
// error's line number finds its line whatever the memo's wrapping.
#pragma once

#include <cstdint>

#include "kvedit.h"

// Selects the line, scrolled into view, with the caret at its start; a number past the end
// selects nothing and leaves the caret at the end of the text.
void SelectFormLine(KVMEMO &memo, int32_t lineNumber);
