// The search of the editor's find and replace commands: a plain substring
// search in text of a code page, with or without regard to case. Under a
// double-byte code page only whole characters match: an occurrence never
// starts on the second byte of a character.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "code_page.h"
#include "kvstring.h"

class TextSearch {
  public:
    // An empty pattern has no occurrences.
    TextSearch(const KVSTRING &pattern, bool matchCase, UINT codePage = CP_ACP);

    // Offsets are 0-based. The first occurrence that starts at or after
    // `from`, else the first of the text (the search wraps around once);
    // -1 when there is none.
    int32_t Next(const KVSTRING &text, int32_t from) const;
    // The last occurrence that ends at or before `to`, else the last of the
    // text; -1 when there is none.
    int32_t Previous(const KVSTRING &text, int32_t to) const;
    // Whether the whole text is one occurrence.
    bool Matches(const KVSTRING &text) const;

    struct Replaced {
        KVSTRING text;
        int32_t count;
        // Where the first replacement starts in the new text; -1 for none.
        int32_t first;
    };
    // Every occurrence, from the start, that does not overlap the one
    // before it, replaced in one pass; none when the new text would be
    // longer than a string can be.
    std::optional<Replaced> ReplaceAll(const KVSTRING &text, const KVSTRING &replacement) const;

    int32_t PatternLength() const { return static_cast<int32_t>(pattern.size()); }

  private:
    // The text as the pattern is compared with it.
    std::string Comparable(std::string_view text) const;
    // Calls `visit` with the offset of each occurrence in turn while it
    // answers true; with `overlapping` false an occurrence starts only
    // after the end of the one before.
    template <typename Visit> void Scan(std::string_view comparable, bool overlapping, Visit visit) const;

    CodePageCharacters characters;
    bool matchCase;
    std::string pattern;
};
