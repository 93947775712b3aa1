// The console device on a terminal: ANSI escape sequences written through
// the standard output stream, so they stay in order with printed text. A
// terminal cannot be asked where its cursor is without reading its input, so
// the cursor position and text attribute are the ones this code last set;
// the screen size is the terminal's own. When standard output is not a
// terminal nothing is written and the screen is reported empty.
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>

#include "console_device.h"

namespace console_device {

namespace {

struct SetByUs {
    int16_t cursorColumn = 0;
    int16_t cursorRow = 0;
    uint16_t attribute = 7; // light grey on black, the console's default
};
SetByUs lastSet;

// The terminal's size in cells, or false if standard output is no terminal.
bool TerminalSize(int32_t &columns, int32_t &rows)
{
    const int output = fileno(stdout);
    winsize size{};
    if (!isatty(output) || ioctl(output, TIOCGWINSZ, &size) != 0)
        return false;
    columns = size.ws_col;
    rows = size.ws_row;
    return true;
}

bool IsTerminal()
{
    int32_t columns = 0, rows = 0;
    return TerminalSize(columns, rows);
}

// printf-style, so that every escape sequence's format is checked.
__attribute__((format(printf, 1, 2))) void Send(const char *format, ...)
{
    va_list values;
    va_start(values, format);
    std::vfprintf(stdout, format, values);
    va_end(values);
    std::fflush(stdout);
}

// Console colour numbers have blue in bit 0 and red in bit 2; ANSI colour
// numbers the other way round. Bit 3 picks the bright range.
int AnsiColour(int colour, int dull, int bright)
{
    const int hue = ((colour & 1) << 2) | (colour & 2) | ((colour & 4) >> 2);
    return ((colour & 8) != 0 ? bright : dull) + hue;
}

// DECSCUSR cursor styles.
constexpr int TerminalDefaultCursor = 0;
constexpr int BlinkingBlockCursor = 1;
constexpr int BlinkingUnderlineCursor = 3;

int CursorStyle(uint32_t size)
{
    if (size == NormalCursorSize)
        return TerminalDefaultCursor;
    return size > 50 ? BlinkingBlockCursor : BlinkingUnderlineCursor;
}

} // namespace

Screen Read()
{
    Screen screen;
    if (!TerminalSize(screen.columns, screen.rows))
        return screen;
    // The terminal shows its whole screen: the window is the buffer.
    screen.windowRight = screen.columns - 1;
    screen.windowBottom = screen.rows - 1;
    screen.cursorColumn = lastSet.cursorColumn;
    screen.cursorRow = lastSet.cursorRow;
    screen.attribute = lastSet.attribute;
    return screen;
}

void MoveCursor(int16_t column, int16_t row)
{
    int32_t columns = 0, rows = 0;
    if (!TerminalSize(columns, rows) || column < 0 || row < 0 || column >= columns || row >= rows)
        return;
    Send("\x1b[%d;%dH", row + 1, column + 1);
    lastSet.cursorColumn = column;
    lastSet.cursorRow = row;
}

void FillWithSpaces()
{
    // Erasing the display blanks every cell; the colours of the cells are the
    // terminal's business.
    if (IsTerminal())
        Send("\x1b[2J");
}

void SetCursor(Cursor cursor)
{
    if (!IsTerminal())
        return;
    if (cursor.visible)
        Send("\x1b[?25h\x1b[%d q", CursorStyle(cursor.size));
    else
        Send("\x1b[?25l");
}

void SetAttribute(uint16_t attribute)
{
    // Only the colours are shown; the other attribute bits are kept for
    // reading back.
    if (!IsTerminal())
        return;
    Send("\x1b[%d;%dm", AnsiColour(attribute & 0x0F, 30, 90), AnsiColour((attribute >> 4) & 0x0F, 40, 100));
    lastSet.attribute = attribute;
}

// The program cannot move a terminal's window over its screen.
void SetWindow(int16_t, int16_t, int16_t, int16_t) {}

} // namespace console_device
