#include <cctype>

#include "platform_text.h"

// The C locale, as the Windows C runtime uses by default: ASCII letters only.
void UpperCaseInPlace(char *text)
{
    for (; *text != '\0'; ++text)
        *text = static_cast<char>(std::toupper(static_cast<unsigned char>(*text)));
}

void LowerCaseInPlace(char *text)
{
    for (; *text != '\0'; ++text)
        *text = static_cast<char>(std::tolower(static_cast<unsigned char>(*text)));
}
