#include "kvstring.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <string>

#include "allocation_failure.h"
#include "decimal_number.h"
#include "platform_text.h"

namespace {

// Lengths are computed in 64 bits, where no product or sum of two lengths
// wraps.
int32_t CheckedLength(int64_t length)
{
    if (length > INT32_MAX - 1)
        FailAllocation();
    return static_cast<int32_t>(length);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

KVSTRING::KVSTRING() : data(new char[1]{'\0'}), len(0) {}

KVSTRING::KVSTRING(const char *text) : KVSTRING(text, CheckedLength(static_cast<int64_t>(std::strlen(text))))
{
}

KVSTRING::KVSTRING(const char *chars, int32_t count)
    : data(new char[static_cast<size_t>(std::max(count, 0)) + 1]), len(std::max(count, 0))
{
    if (len > 0)
        std::memcpy(data.get(), chars, static_cast<size_t>(len));
    data[static_cast<size_t>(len)] = '\0';
}

KVSTRING::KVSTRING(int32_t count, char fill)
    : data(new char[static_cast<size_t>(std::max(count, 0)) + 1]), len(std::max(count, 0))
{
    std::memset(data.get(), fill, static_cast<size_t>(len));
    data[static_cast<size_t>(len)] = '\0';
}

KVSTRING::KVSTRING(const KVSTRING &other) : KVSTRING(other.data.get(), other.len) {}

// A moved-from value stays a valid empty string, never a null buffer.
KVSTRING::KVSTRING(KVSTRING &&other) noexcept : KVSTRING()
{
    std::swap(data, other.data);
    std::swap(len, other.len);
}

KVSTRING &KVSTRING::operator=(const KVSTRING &other)
{
    if (this != &other)
        *this = KVSTRING(other);
    return *this;
}

KVSTRING &KVSTRING::operator=(KVSTRING &&other) noexcept
{
    std::swap(data, other.data);
    std::swap(len, other.len);
    return *this;
}

KVSTRING operator+(const KVSTRING &left, const KVSTRING &right)
{
    const int32_t total = CheckedLength(static_cast<int64_t>(left.Len()) + right.Len());
    KVSTRING result(total, ' ');
    std::memcpy(result.Data(), left.Data(), static_cast<size_t>(left.Len()));
    std::memcpy(result.Data() + left.Len(), right.Data(), static_cast<size_t>(right.Len()));
    return result;
}

bool operator==(const KVSTRING &left, const KVSTRING &right)
{
    return left.Len() == right.Len() &&
           std::memcmp(left.Data(), right.Data(), static_cast<size_t>(left.Len())) == 0;
}

bool operator==(const KVSTRING &left, const char *right) { return left == KVSTRING(right); }
bool operator==(const char *left, const KVSTRING &right) { return KVSTRING(left) == right; }
bool operator!=(const KVSTRING &left, const KVSTRING &right) { return !(left == right); }
bool operator!=(const KVSTRING &left, const char *right) { return !(left == right); }
bool operator!=(const char *left, const KVSTRING &right) { return !(left == right); }

int32_t Length(const KVSTRING &s) { return s.Len(); }

// Positions before the first character do not exist: a start below 1 begins
// at 1 and loses the missing positions from its count.
KVSTRING Substring(const KVSTRING &s, int32_t start, int32_t count)
{
    if (start > s.Len())
        return KVSTRING();
    if (start < 1) {
        const int64_t shortened = static_cast<int64_t>(count) - (1 - static_cast<int64_t>(start));
        count = static_cast<int32_t>(std::max<int64_t>(shortened, 0));
        start = 1;
    }
    if (count <= 0)
        return KVSTRING();
    const int32_t available = std::min(count, s.Len() - start + 1);
    // Built as C text: a NUL inside the copied part ends the result.
    const char *first = s.Data() + (start - 1);
    const void *nul = std::memchr(first, '\0', static_cast<size_t>(available));
    const int32_t length =
        nul == nullptr ? available : static_cast<int32_t>(static_cast<const char *>(nul) - first);
    return KVSTRING(first, length);
}

KVSTRING LeftPart(const KVSTRING &s, int32_t count) { return Substring(s, 1, count); }

KVSTRING RightPart(const KVSTRING &s, int32_t count)
{
    const int64_t start = static_cast<int64_t>(s.Len()) - count + 1;
    if (start < INT32_MIN)
        return s;
    return Substring(s, static_cast<int32_t>(start), count);
}

int32_t Find(const KVSTRING &text, const KVSTRING &pattern) { return Find(text, pattern, 1); }

int32_t Find(const KVSTRING &text, const KVSTRING &pattern, int32_t start)
{
    if (pattern.Len() > text.Len())
        return 0;
    start = std::max(start, 1);
    const int32_t last = text.Len() - pattern.Len() + 1;
    if (pattern.Len() == 0)
        return start <= last ? start : 0;
    // A candidate matches when its bytes equal the pattern; like Substring,
    // a pattern holding a NUL never matches.
    if (std::memchr(pattern.Data(), '\0', static_cast<size_t>(pattern.Len())) != nullptr)
        return 0;
    const char first = pattern.Data()[0];
    const size_t rest = static_cast<size_t>(pattern.Len() - 1);
    for (int32_t p = start; p <= last;) {
        const char *candidate = static_cast<const char *>(
            std::memchr(text.Data() + p - 1, first, static_cast<size_t>(last - p + 1)));
        if (candidate == nullptr)
            return 0;
        p = static_cast<int32_t>(candidate - text.Data()) + 1;
        if (std::memcmp(candidate + 1, pattern.Data() + 1, rest) == 0)
            return p;
        ++p;
    }
    return 0;
}

// Removing the first occurrence again and again, restarting at position 1,
// leaves the same text as one scan that drops an occurrence as soon as its
// last character arrives: the first occurrence is always the one that ends
// first. The scan takes linear time instead of quadratic.
KVSTRING RemoveAll(const KVSTRING &a, const KVSTRING &b)
{
    if (b.Len() == 0 || b.Len() > a.Len())
        return a;
    std::string kept;
    kept.reserve(static_cast<size_t>(a.Len()));
    const size_t width = static_cast<size_t>(b.Len());
    for (int32_t i = 0; i < a.Len(); ++i) {
        kept.push_back(a.Data()[i]);
        if (kept.size() >= width && std::memcmp(kept.data() + kept.size() - width, b.Data(), width) == 0)
            kept.resize(kept.size() - width);
    }
    return KVSTRING(kept.data(), static_cast<int32_t>(kept.size()));
}

KVSTRING TrimStart(const KVSTRING &s)
{
    int32_t first = 0;
    while (first < s.Len() && IsBlank(s.Data()[first]))
        ++first;
    return KVSTRING(s.Data() + first, s.Len() - first);
}

KVSTRING TrimEnd(const KVSTRING &s)
{
    int32_t kept = s.Len();
    while (kept > 0 && IsBlank(s.Data()[kept - 1]))
        --kept;
    return LeftPart(s, kept);
}

KVSTRING TrimBoth(const KVSTRING &s) { return TrimEnd(TrimStart(s)); }

KVSTRING ToUpper(const KVSTRING &s)
{
    KVSTRING copy(s);
    UpperCaseInPlace(copy.Data());
    return KVSTRING(copy.Data());
}

KVSTRING ToLower(const KVSTRING &s)
{
    KVSTRING copy(s);
    LowerCaseInPlace(copy.Data());
    return KVSTRING(copy.Data());
}

KVSTRING CharString(uint8_t code)
{
    const char c = static_cast<char>(code);
    return KVSTRING(&c, 1);
}

KVSTRING Repeat(const KVSTRING &s, int32_t n)
{
    if (n <= 0 || s.Len() == 0)
        return KVSTRING();
    const int32_t total = CheckedLength(static_cast<int64_t>(s.Len()) * n);
    KVSTRING result(total, ' ');
    for (int32_t i = 0; i < n; ++i)
        std::memcpy(result.Data() + static_cast<size_t>(i) * s.Len(), s.Data(), static_cast<size_t>(s.Len()));
    return result;
}

KVSTRING RepeatChar(int32_t n, uint8_t code) { return Repeat(CharString(code), n); }

double ToNumber(const KVSTRING &s) { return ReadDecimalNumber(s.Data()); }

void RunCommand(const KVSTRING &s)
{
    const int status = std::system(s.Data());
    (void)status; // the command's status is not reported to Kelvo code
}

std::istream &operator>>(std::istream &in, KVSTRING &target)
{
    std::string word;
    if (in >> word)
        target = KVSTRING(word.c_str());
    return in;
}
