// What the C runtime's file functions leave to each system.
#pragma once

#include <cstdint>
#include <cstdio>

// True when `file` was opened on a directory (which the C runtime on Windows
// refuses to open, but POSIX systems open for reading).
bool IsDirectory(std::FILE *file);
// The length of the open file as the system knows it (bytes still in the C
// runtime's buffer not counted), or -1 when it cannot be told.
int64_t SystemFileLength(std::FILE *file);
