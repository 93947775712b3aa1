#include "shortcut.h"

namespace {

constexpr int32_t HighestFunctionKey = 24;

// The number n of a key "fn" that names F1 to F24, or 0. The number is read
// as ToNumber reads it (leading blanks skipped, the numeric prefix taken, so
// "f 5" and "f05" are F5); "f" alone is the letter, and a key whose number
// names no function key ("find", "f0", "f99") falls back to its first letter
// rather than becoming some other virtual key.
int32_t FunctionKeyNumber(const KVSTRING &key)
{
    if (Length(key) < 2 || key.Data()[0] != 'f')
        return 0;
    const double number = ToNumber(Substring(key, 2, Length(key) - 1));
    return number >= 1 && number < HighestFunctionKey + 1 ? static_cast<int32_t>(number) : 0;
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
