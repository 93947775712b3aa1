// KVSTRING, the runtime's only text type, and the operations Kelvo code can
// apply to strings. Positions and counts are 1-based; every value owns its
// own buffer of len + 1 bytes (the characters, then a NUL).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>

class KVSTRING {
public:
    KVSTRING();
    KVSTRING(const char *text);  // NOLINT: C text converts implicitly, as in Kelvo
    // Exactly `count` bytes of `chars`, NULs included.
    KVSTRING(const char *chars, int32_t count);
    // `count` copies of `fill`.
    KVSTRING(int32_t count, char fill);
    KVSTRING(const KVSTRING &other);
    KVSTRING(KVSTRING &&other) noexcept;
    KVSTRING &operator=(const KVSTRING &other);
    KVSTRING &operator=(KVSTRING &&other) noexcept;
    ~KVSTRING() = default;

    // The character data, for C and system functions; always NUL-terminated.
    const char *Data() const { return data.get(); }
    char *Data() { return data.get(); }
    int32_t Len() const { return len; }

private:
    std::unique_ptr<char[]> data;
    int32_t len;
};

KVSTRING operator+(const KVSTRING &left, const KVSTRING &right);
bool operator==(const KVSTRING &left, const KVSTRING &right);
bool operator==(const KVSTRING &left, const char *right);
bool operator==(const char *left, const KVSTRING &right);
bool operator!=(const KVSTRING &left, const KVSTRING &right);
bool operator!=(const KVSTRING &left, const char *right);
bool operator!=(const char *left, const KVSTRING &right);

int32_t Length(const KVSTRING &s);
KVSTRING Substring(const KVSTRING &s, int32_t start, int32_t count);
KVSTRING LeftPart(const KVSTRING &s, int32_t count);
KVSTRING RightPart(const KVSTRING &s, int32_t count);
int32_t Find(const KVSTRING &text, const KVSTRING &pattern);
int32_t Find(const KVSTRING &text, const KVSTRING &pattern, int32_t start);
KVSTRING RemoveAll(const KVSTRING &a, const KVSTRING &b);
KVSTRING TrimStart(const KVSTRING &s);
KVSTRING TrimEnd(const KVSTRING &s);
KVSTRING TrimBoth(const KVSTRING &s);
KVSTRING ToUpper(const KVSTRING &s);
KVSTRING ToLower(const KVSTRING &s);
KVSTRING CharString(uint8_t code);
KVSTRING Repeat(const KVSTRING &s, int32_t n);
KVSTRING RepeatChar(int32_t n, uint8_t code);
double ToNumber(const KVSTRING &s);
void RunCommand(const KVSTRING &s);

// Reads one white-space-delimited word, however long, into `target`.
std::istream &operator>>(std::istream &in, KVSTRING &target);
