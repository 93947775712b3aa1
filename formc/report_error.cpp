#include "report_error.h"

#include <cstdio>

#include "startup.h"

void ReportError(const KVSTRING &message, const KVSTRING &fileName, int32_t line, uint8_t status)
{
    std::printf("Error in file '%s'", fileName.Data());
    if (line > 0)
        std::printf(" at line #%d", static_cast<int>(line));
    std::printf(": %s\n", message.Data());
    EndProgram(status);
}
