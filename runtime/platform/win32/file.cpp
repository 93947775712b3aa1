#include "platform_file.h"

// fopen never opens a directory here.
bool IsDirectory(std::FILE *) { return false; }
