#include <unistd.h>

#include <climits>

#include "program_location.h"

KVSTRING ProgramDirectory()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof path))
        return KVSTRING();
    int32_t directory = static_cast<int32_t>(length);
    while (directory > 0 && path[directory - 1] != '/')
        --directory;
    return KVSTRING(path, directory);
}

void UseLineFeedConsole() {}
