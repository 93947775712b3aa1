#include "text_search.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace {

std::string_view View(const KVSTRING &text) { return {text.Data(), static_cast<size_t>(text.Len())}; }

} // namespace

TextSearch::TextSearch(const KVSTRING &pattern, bool matchCase, UINT codePage)
    : characters(codePage), matchCase(matchCase), pattern(Comparable(View(pattern)))
{
}

std::string TextSearch::Comparable(std::string_view text) const
{
    return matchCase ? std::string(text) : characters.LowerCase(text);
}

template <typename Visit>
void TextSearch::Scan(std::string_view comparable, bool overlapping, Visit visit) const
{
    if (pattern.empty())
        return;
    const std::boyer_moore_horspool_searcher searcher(pattern.begin(), pattern.end());
    // The start of a character at or before the place the scan has reached.
    size_t boundary = 0;
    for (auto at = comparable.begin();;) {
        const auto found = std::search(at, comparable.end(), searcher);
        if (found == comparable.end())
            return;
        const auto offset = static_cast<size_t>(found - comparable.begin());
        if (characters.HasLeadBytes()) {
            while (boundary < offset)
                boundary += characters.CharacterLength(comparable, boundary);
        } else {
            boundary = offset;
        }
        if (boundary != offset) {
            at = found + 1;
            continue;
        }
        if (!visit(offset))
            return;
        at = found + static_cast<std::ptrdiff_t>(overlapping ? characters.CharacterLength(comparable, offset)
                                                             : pattern.size());
    }
}

int32_t TextSearch::Next(const KVSTRING &text, int32_t from) const
{
    int32_t first = -1;
    int32_t next = -1;
    Scan(Comparable(View(text)), true, [&](size_t offset) {
        const auto at = static_cast<int32_t>(offset);
        if (first < 0)
            first = at;
        if (at < from)
            return true;
        next = at;
        return false;
    });
    return next >= 0 ? next : first;
}

int32_t TextSearch::Previous(const KVSTRING &text, int32_t to) const
{
    int32_t before = -1;
    int32_t last = -1;
    Scan(Comparable(View(text)), true, [&](size_t offset) {
        last = static_cast<int32_t>(offset);
        if (static_cast<int64_t>(offset) + PatternLength() > to)
            return before < 0;
        before = last;
        return true;
    });
    return before >= 0 ? before : last;
}

bool TextSearch::Matches(const KVSTRING &text) const
{
    return !pattern.empty() && Comparable(View(text)) == pattern;
}

std::optional<TextSearch::Replaced> TextSearch::ReplaceAll(const KVSTRING &text,
                                                           const KVSTRING &replacement) const
{
    constexpr size_t Longest = std::numeric_limits<int32_t>::max() - 1;
    const std::string_view original = View(text);
    std::string result;
    size_t copied = 0;
    int32_t count = 0;
    int32_t first = -1;
    Scan(Comparable(original), false, [&](size_t offset) {
        result.append(original.substr(copied, offset - copied));
        if (first < 0)
            first = static_cast<int32_t>(result.size());
        result.append(View(replacement));
        copied = offset + pattern.size();
        ++count;
        return result.size() <= Longest;
    });
    result.append(original.substr(std::min(copied, original.size())));
    if (result.size() > Longest)
        return std::nullopt;
    return Replaced{KVSTRING(result.data(), static_cast<int32_t>(result.size())), count, first};
}
