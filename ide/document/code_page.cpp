#include "code_page.h"

std::optional<std::wstring> WidenExactly(const char *text, int length, UINT codePage)
{
    if (length == 0)
        return std::wstring();
    const int size = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text, length, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text, length, wide.data(), size);
    return wide;
}

std::optional<std::string> NarrowExactly(const std::wstring &text, UINT codePage)
{
    if (text.empty())
        return std::string();
    const int length = static_cast<int>(text.size());
    BOOL defaulted = FALSE;
    const int size =
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &defaulted);
    if (size <= 0 || defaulted)
        return std::nullopt;
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, narrow.data(), size, nullptr,
                        &defaulted);
    // Some code pages map more than one character to the same bytes: only
    // bytes that read back as the text are the text.
    if (defaulted || WidenExactly(narrow.data(), size, codePage) != text)
        return std::nullopt;
    return narrow;
}

CodePageCharacters::CodePageCharacters(UINT codePage) : codePage(codePage)
{
    for (int byte = 0; byte < 256; ++byte) {
        lead[static_cast<size_t>(byte)] = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(byte)) != FALSE;
        hasLeadBytes = hasLeadBytes || lead[static_cast<size_t>(byte)];
    }
    for (int byte = 0; byte < 256; ++byte) {
        const char character = static_cast<char>(byte);
        const std::string folded = lead[static_cast<size_t>(byte)]
                                       ? std::string(1, character)
                                       : LowerCaseOf(std::string_view(&character, 1));
        lower[static_cast<size_t>(byte)] = folded[0];
    }
    if (hasLeadBytes)
        pairLower.assign(0x10000, 0);
}

size_t CodePageCharacters::CharacterLength(std::string_view text, size_t offset) const
{
    const bool pair = lead[static_cast<unsigned char>(text[offset])] && offset + 1 < text.size();
    return pair ? 2 : 1;
}

std::string CodePageCharacters::LowerCase(std::string_view text) const
{
    std::string folded(text);
    for (size_t at = 0; at < folded.size(); ++at) {
        if (CharacterLength(folded, at) == 1) {
            folded[at] = lower[static_cast<unsigned char>(folded[at])];
            continue;
        }
        const auto pair = static_cast<uint16_t>(static_cast<unsigned char>(folded[at]) << 8 |
                                                static_cast<unsigned char>(folded[at + 1]));
        uint16_t &known = pairLower[pair];
        if (known == 0) {
            const std::string character = LowerCaseOf(std::string_view(folded).substr(at, 2));
            known = static_cast<uint16_t>(static_cast<unsigned char>(character[0]) << 8 |
                                          static_cast<unsigned char>(character[1]));
        }
        folded[at] = static_cast<char>(known >> 8);
        folded[++at] = static_cast<char>(known & 0xFF);
    }
    return folded;
}

std::string CodePageCharacters::LowerCaseOf(std::string_view character) const
{
    const auto length = static_cast<int>(character.size());
    const std::optional<std::wstring> wide = WidenExactly(character.data(), length, codePage);
    if (!wide || wide->size() != 1)
        return std::string(character);
    wchar_t folded = (*wide)[0];
    LCMapStringW(LOCALE_INVARIANT, LCMAP_LOWERCASE, wide->data(), 1, &folded, 1);
    const std::optional<std::string> narrow = NarrowExactly(std::wstring(1, folded), codePage);
    return narrow && narrow->size() == character.size() ? *narrow : std::string(character);
}
