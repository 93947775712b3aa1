#include "text_lines.h"

#include <algorithm>
#include <cstring>
#include <limits>

TextPosition PositionAt(const char *text, int32_t length)
{
    int32_t line = 1;
    int32_t lineStart = 0;
    for (const char *at = text, *end = text + length;
         (at = static_cast<const char *>(std::memchr(at, '\n', static_cast<size_t>(end - at)))) != nullptr;
         ++at) {
        ++line;
        lineStart = static_cast<int32_t>(at - text) + 1;
    }
    return {line, length - lineStart + 1};
}

int32_t LineStart(const KVSTRING &text, int32_t line)
{
    const char *const begin = text.Data();
    const char *const end = begin + text.Len();
    const char *start = begin;
    for (int32_t passed = 1; passed < line; ++passed) {
        const auto *feed =
            static_cast<const char *>(std::memchr(start, '\n', static_cast<size_t>(end - start)));
        if (!feed)
            break;
        start = feed + 1;
    }
    return static_cast<int32_t>(start - begin);
}

int32_t ParseLineNumber(const KVSTRING &text)
{
    const char *at = text.Data();
    const char *const end = at + text.Len();
    while (at < end && *at == ' ')
        ++at;
    int64_t number = 0;
    const char *const digits = at;
    for (; at < end && *at >= '0' && *at <= '9'; ++at)
        number = std::min<int64_t>(number * 10 + (*at - '0'), std::numeric_limits<int32_t>::max());
    const bool anyDigits = at > digits;
    while (at < end && *at == ' ')
        ++at;
    if (!anyDigits || at != end)
        return 0;
    return static_cast<int32_t>(number);
}
