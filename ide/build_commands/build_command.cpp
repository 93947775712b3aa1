#include "build_command.h"

KVSTRING BuildCommandLine(const KVSTRING &fileName)
{
    KVSTRING line = "kvo \"";
    int32_t start = 0;
    for (int32_t i = 0; i < fileName.Len(); ++i) {
        if (fileName.Data()[i] == '%') {
            line = line + KVSTRING(fileName.Data() + start, i - start) + "\"%\"";
            start = i + 1;
        }
    }
    return line + KVSTRING(fileName.Data() + start, fileName.Len() - start) + "\"";
}

void RunCompiler(const KVSTRING &fileName) { RunCommand(BuildCommandLine(fileName)); }
