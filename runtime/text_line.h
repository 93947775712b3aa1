// The text line rules of KVFILE.ReadLine, shared with readers that split a
// whole buffer into the same lines.
#pragma once

#include <cstdint>

// The longest piece of a line that one read returns; a longer line arrives
// in several pieces.
constexpr int32_t LinePieceLimit = 1022;

// Turns one piece of `n` characters (the line feed that ended it included)
// into its text, in place, and returns the text's length: a final line feed,
// or else a final carriage return, is dropped, and so is a carriage return
// just before the piece's last character. Inline: readers call it for every
// line.
inline int32_t TrimLineEnd(char *piece, int32_t n)
{
    if (n < 1)
        return 0;
    const bool endsLine = piece[n - 1] == '\n' || piece[n - 1] == '\r';
    if (n >= 2 && piece[n - 2] == '\r') {
        if (endsLine)
            return n - 2;
        // A CR that does not end the line, just before the last character
        // of a piece: only the CR goes.
        piece[n - 2] = piece[n - 1];
        return n - 1;
    }
    return endsLine ? n - 1 : n;
}
