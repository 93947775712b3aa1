// Offsets into an edit control's text. The library counts them in bytes of
// the text that the ANSI functions answer, as its strings do; an edit
// control counts in its own units: bytes on Windows, UTF-16 units under
// Wine, which differ wherever a character takes two bytes of the code page.
// Which one the control uses is read off the control itself.
#pragma once

#include <cstdint>
#include <string>

#include "system_headers.h"

class EditOffsets {
  public:
    // Under a code page of one byte a character nothing is copied; otherwise
    // the text is, once, to count its characters.
    explicit EditOffsets(HWND edit);

    // Negative offsets (to the end, no selection) are passed on as they are.
    int32_t ToControl(int32_t byteOffset) const;
    int32_t ToBytes(int32_t controlOffset) const;

  private:
    // Both empty when the control counts bytes or the text has no
    // character of more than one byte.
    std::string text;
    std::wstring wide;
};
