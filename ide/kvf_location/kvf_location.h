// Where the form compiler kvf is: beside the editor, else on the search
// path. Translate form runs that kvf, and the form preview reads the event
// table beside it.
#pragma once

#include "kvstring.h"

// Whether the path names a file (not a folder).
bool IsFile(const KVSTRING &path);

// The folder of kvf.exe, with its separator: the running program's when
// kvf.exe is beside it, else the one of the kvf.exe the search path finds;
// empty when there is none.
KVSTRING FormCompilerDirectory();

// The kvf.exe in that folder; empty when there is none.
KVSTRING FindFormCompiler();
