// Small operations on views of line text, so that lines are examined without
// copying them. Case rules are those of the C locale: ASCII letters only.
#pragma once

#include <string_view>

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Without leading and trailing spaces and tabs.
inline std::string_view TrimBlanks(std::string_view text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

inline char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Names of the form language compare without regard to case.
inline bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t k = 0; k < a.size(); ++k) {
        if (UpperCase(a[k]) != UpperCase(b[k]))
            return false;
    }
    return true;
}

// `text` upper-cased equals `upper`.
inline bool EqualsUpperCased(std::string_view text, std::string_view upper)
{
    if (text.size() != upper.size())
        return false;
    for (size_t k = 0; k < text.size(); ++k) {
        if (UpperCase(text[k]) != upper[k])
            return false;
    }
    return true;
}
