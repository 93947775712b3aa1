#include <io.h>

#include "platform_file.h"

// fopen never opens a directory here.
bool IsDirectory(std::FILE *) { return false; }

int64_t SystemFileLength(std::FILE *file) { return _filelengthi64(_fileno(file)); }
