#include <io.h>
#include <windows.h>

#include "platform_file.h"

// fopen never opens a directory here.
bool IsDirectory(std::FILE *) { return false; }

// One question to the system (the C runtime's _filelengthi64 seeks three
// times).
int64_t SystemFileLength(std::FILE *file)
{
    LARGE_INTEGER length;
    const HANDLE system = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return GetFileSizeEx(system, &length) ? static_cast<int64_t>(length.QuadPart) : -1;
}
