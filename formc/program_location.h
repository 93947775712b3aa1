// Where the running program is, and how its console text is written.
#pragma once

#include "kvstring.h"

// The directory of the running executable, as the system reports it, ending
// with its path separator; empty when the system cannot tell.
KVSTRING ProgramDirectory();

// Lines on standard output end with a single line feed on every system.
void UseLineFeedConsole();
