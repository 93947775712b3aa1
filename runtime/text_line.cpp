#include "text_line.h"

int32_t TrimLineEnd(char *piece, int32_t n)
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
