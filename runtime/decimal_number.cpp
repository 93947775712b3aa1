#include "decimal_number.h"

#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The white space of the C locale.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

const char *SkipDigits(const char *p)
{
    while (IsDigit(*p))
        ++p;
    return p;
}

} // namespace

double ReadDecimalNumber(const char *text)
{
    while (IsSpace(*text))
        ++text;
    const char *p = text;
    if (*p == '+' || *p == '-')
        ++p;
    const char *integerEnd = SkipDigits(p);
    const char *end = integerEnd;
    if (*end == '.')
        end = SkipDigits(end + 1);
    if (integerEnd == p && end - integerEnd <= 1)
        return 0.0; // no digit at all
    std::string number(text, end);
    if (*end == 'e' || *end == 'E' || *end == 'd' || *end == 'D') {
        const char *exponent = end + 1;
        if (*exponent == '+' || *exponent == '-')
            ++exponent;
        if (IsDigit(*exponent)) {
            // The C library reads plain decimal text alike everywhere: the
            // exponent goes to it with the letter it knows.
            number += 'e';
            number.append(end + 1, SkipDigits(exponent));
        }
    }
    return std::strtod(number.c_str(), nullptr);
}
