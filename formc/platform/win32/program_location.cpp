#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "program_location.h"

KVSTRING ProgramDirectory()
{
    char path[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH)
        return KVSTRING();
    int32_t directory = static_cast<int32_t>(length);
    while (directory > 0 && path[directory - 1] != '\\' && path[directory - 1] != '/')
        --directory;
    return KVSTRING(path, directory);
}

// In text mode the C runtime would turn every "\n" into CR LF.
void UseLineFeedConsole() { _setmode(_fileno(stdout), _O_BINARY); }
