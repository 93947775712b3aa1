#include "shortcut.h"

#include <cctype>

namespace {

constexpr int32_t HighestFunctionKey = 24;

// The number n of a key "fn" with n from 1 to 24, or 0 when the key is no
// function key ("f" alone is the letter; "find" or "f99" are no keys of
// their own and fall back to their first letter).
int32_t FunctionKeyNumber(const KVSTRING &key)
{
    if (Length(key) < 2 || Length(key) > 3 || key.Data()[0] != 'f')
        return 0;
    int32_t number = 0;
    for (int32_t i = 1; i < Length(key); ++i) {
        const unsigned char digit = static_cast<unsigned char>(key.Data()[i]);
        if (!std::isdigit(digit))
            return 0;
        number = number * 10 + (digit - '0');
    }
    return number >= 1 && number <= HighestFunctionKey ? number : 0;
}

bool Contains(const KVSTRING &text, const char *word) { return Find(text, word) > 0; }

} // namespace

std::optional<ACCEL> ParseShortcut(KVSTRING &text)
{
    text = KVSTRING("+") + TrimBoth(ToLower(text));

    int32_t lastPlus = Length(text);
    while (text.Data()[lastPlus - 1] != '+')
        --lastPlus;
    const KVSTRING key = TrimBoth(Substring(text, lastPlus + 1, Length(text) - lastPlus));
    if (Length(key) == 0)
        return std::nullopt;

    ACCEL accel{};
    accel.fVirt = FVIRTKEY;
    if (const int32_t number = FunctionKeyNumber(key))
        accel.key = static_cast<WORD>(VK_F1 + number - 1);
    else
        accel.key = static_cast<unsigned char>(ToUpper(key).Data()[0]);
    if (Contains(text, "ctrl"))
        accel.fVirt |= FCONTROL;
    if (Contains(text, "alt"))
        accel.fVirt |= FALT;
    if (Contains(text, "shift"))
        accel.fVirt |= FSHIFT;
    return accel;
}
