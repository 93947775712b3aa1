// Exact conversions between the system's code pages and UTF-16: the edit
// controls and the Unicode file dialogs hold text in UTF-16, while the
// editor reads and writes files, and names them, in a code page.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// `length` bytes (NULs included) as UTF-16; none when a byte sequence is no
// character of the code page.
std::optional<std::wstring> WidenExactly(const char *text, int length, UINT codePage);

// The text in the code page; none when a character has no exact one there
// (the system would put a look-alike or a default character in its place).
std::optional<std::string> NarrowExactly(const std::wstring &text, UINT codePage);
