// The rules of Windows file name patterns that both systems' searches share.
#pragma once

#include <cstring>

// A pattern ending in a dot asks for names without an extension ("*."
// gives "readme" but not "form.kvo").
inline bool AsksForNoExtension(const char *pattern)
{
    const size_t length = std::strlen(pattern);
    return length > 0 && pattern[length - 1] == '.';
}

// "." and ".." name directories and have no extension; any other name has
// one when a dot follows its first character.
inline bool HasExtension(const char *name)
{
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        return false;
    return name[0] != '\0' && std::strchr(name + 1, '.') != nullptr;
}
