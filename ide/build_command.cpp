#include "build_command.h"

KVSTRING BuildCommandLine(const KVSTRING &fileName) { return KVSTRING("kvo \"") + fileName + "\""; }

void RunCompiler(const KVSTRING &fileName) { RunCommand(BuildCommandLine(fileName)); }
