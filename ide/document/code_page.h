// Exact conversions between the system's code pages and UTF-16: the edit
// controls and the Unicode file dialogs hold text in UTF-16, while the
// editor reads and writes files, and names them, in a code page. And the
// characters of a code page as its searches see them.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// `length` bytes (NULs included) as UTF-16; none when a byte sequence is no
// character of the code page.
std::optional<std::wstring> WidenExactly(const char *text, int length, UINT codePage);

// The text in the code page; none when a character has no exact one there
// (the system would put a look-alike or a default character in its place).
std::optional<std::string> NarrowExactly(const std::wstring &text, UINT codePage);

// The characters of a code page's text: where each starts (a lead byte of a
// double-byte code page takes the byte after it along) and its lower-case
// form, for searches that ignore case.
class CodePageCharacters {
  public:
    explicit CodePageCharacters(UINT codePage);

    bool HasLeadBytes() const { return hasLeadBytes; }
    // 1 or 2: the bytes of the character that starts at `offset`.
    size_t CharacterLength(std::string_view text, size_t offset) const;
    // The text with each letter in lower case; a letter whose lower-case
    // form has another length in the code page, or none, stays as it is,
    // so that offsets and character boundaries stay too.
    std::string LowerCase(std::string_view text) const;

  private:
    // The lower-case form of one character, or the character itself.
    std::string LowerCaseOf(std::string_view character) const;

    UINT codePage;
    bool hasLeadBytes = false;
    std::array<bool, 256> lead{};
    std::array<char, 256> lower{};
    // Lower-case forms of double-byte characters, indexed by the two bytes
    // as one number; 0 until a character is first met.
    mutable std::vector<uint16_t> pairLower;
};
