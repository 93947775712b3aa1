#include <sys/stat.h>

#include "platform_file.h"

bool IsDirectory(std::FILE *file)
{
    struct stat status;
    return fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode);
}

int64_t SystemFileLength(std::FILE *file)
{
    struct stat status;
    return fstat(fileno(file), &status) == 0 ? static_cast<int64_t>(status.st_size) : -1;
}
