// What the C runtime's file functions leave to each system.
#pragma once

#include <cstdio>

// True when `file` was opened on a directory (which the C runtime on Windows
// refuses to open, but POSIX systems open for reading).
bool IsDirectory(std::FILE *file);
