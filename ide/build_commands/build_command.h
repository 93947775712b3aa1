// The Build commands: the current file handed to the Kelvo compiler "kvo"
// through the command processor.
#pragma once

#include "kvstring.h"

// "kvo" and the file name in double quotes, so that a name with spaces or
// any of & | < > ^ ( ) reaches the compiler as one argument. The command
// processor expands %NAME% even inside quotes, so each % of the name is
// written between two quoted parts ("a"%"b" for a%b): every % of the line
// is then followed by a quote, no variable has a name that begins with
// one, and the compiler's argument parsing joins the parts again. (A
// variable reference that the name itself held would not do: Wine's
// command processor expands the value of a variable once more.)
KVSTRING BuildCommandLine(const KVSTRING &fileName);

// Runs the compiler on the file as last written to disk and waits for it;
// its result is not looked at.
void RunCompiler(const KVSTRING &fileName);
