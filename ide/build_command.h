// The Build commands: the current file handed to the Kelvo compiler "kvo"
// through the command processor.
#pragma once

#include "kvstring.h"

// "kvo " and the file name in double quotes, so that a name with spaces or
// any of & | < > ^ reaches the compiler as one argument.
KVSTRING BuildCommandLine(const KVSTRING &fileName);

// Runs the compiler on the file as last written to disk and waits for it;
// its result is not looked at.
void RunCompiler(const KVSTRING &fileName);
