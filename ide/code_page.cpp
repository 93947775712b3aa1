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
