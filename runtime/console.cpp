// The console operations' own rules (colours, the attribute word, cursor
// modes, the state record), the same on every platform; the device does the
// rest.
#include "console.h"

#include <cstdio>

#include "console_device.h"

int32_t ConsoleForeground = 7;
int32_t ConsoleBackground = 0;

namespace {

constexpr int32_t WhiteAlias = 128;
constexpr int32_t White = 15;
constexpr int32_t BrightestDull = 6;
constexpr int32_t BrightenStep = 9;
constexpr uint8_t DefaultAttribute = 7;
// Kelvo programs count cursor rows two below the system's rows.
constexpr int32_t CursorRowOffset = 2;

int32_t SettableColour(int32_t colour) { return colour == WhiteAlias ? White : colour; }

// Each colour keeps to its own four bits, so a colour number above 15 cannot
// spill into the other colour.
uint16_t AttributeOf(int32_t foreground, int32_t background)
{
    return static_cast<uint16_t>((foreground & 0x0F) | ((background & 0x0F) << 4));
}

// A hidden cursor keeps the normal size, since the system refuses sizes
// outside 1 to 100 even when hiding; modes without a shape of their own show
// the normal cursor.
console_device::Cursor CursorFor(int32_t mode)
{
    using namespace console_device;
    switch (mode) {
    case 0:
        return {false, NormalCursorSize};
    case 1:
        return {true, FullCursorSize};
    case 2:
        return {true, ThinCursorSize};
    default:
        return {true, NormalCursorSize};
    }
}

uint8_t LowByte(int32_t value) { return static_cast<uint8_t>(value & 0xFF); }

// Console coordinates are 16-bit. A wider value is off every screen; cut to
// 16 bits it would land on some unrelated cell.
bool FitsCoordinate(int64_t value) { return value >= INT16_MIN && value <= INT16_MAX; }

} // namespace

void ConsoleGoto(int32_t x, int32_t y)
{
    const int64_t column = int64_t{x} - 1, row = int64_t{y} - 1;
    if (FitsCoordinate(column) && FitsCoordinate(row))
        console_device::MoveCursor(static_cast<int16_t>(column), static_cast<int16_t>(row));
}

void ConsoleClear()
{
    console_device::FillWithSpaces();
    ConsoleGoto(1, 1);
}

void ConsoleCursorShape(int32_t mode) { console_device::SetCursor(CursorFor(mode)); }

void ConsoleSetAttribute(uint16_t attribute) { console_device::SetAttribute(attribute); }

void ConsoleSetForeground(int32_t colour)
{
    ConsoleForeground = SettableColour(colour);
    ConsoleSetAttribute(AttributeOf(ConsoleForeground, ConsoleBackground));
}

void ConsoleSetBackground(int32_t colour)
{
    ConsoleBackground = SettableColour(colour);
    ConsoleSetAttribute(AttributeOf(ConsoleForeground, ConsoleBackground));
}

void ConsoleBrighten()
{
    if (ConsoleForeground <= BrightestDull)
        ConsoleSetForeground(ConsoleForeground + BrightenStep);
    if (ConsoleBackground <= BrightestDull)
        ConsoleSetBackground(ConsoleBackground + BrightenStep);
}

int32_t ConsoleCursorColumn() { return console_device::Read().cursorColumn; }

int32_t ConsoleCursorRow() { return console_device::Read().cursorRow - CursorRowOffset; }

void ConsoleGetState(KVCONSOLESTATE &state)
{
    const console_device::Screen screen = console_device::Read();
    state.Left = LowByte(screen.windowLeft);
    state.Top = LowByte(screen.windowTop);
    state.Right = LowByte(screen.windowRight);
    state.Bottom = LowByte(screen.windowBottom);
    state.Attribute = LowByte(screen.attribute);
    state.DefaultAttribute = DefaultAttribute;
    state.Rows = LowByte(screen.rows);
    state.Columns = LowByte(screen.columns);
    state.CursorColumn = LowByte(ConsoleCursorColumn());
    state.CursorRow = LowByte(ConsoleCursorRow());
}

void ConsoleSetWindow(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    // The cursor first: ConsoleGoto counts from 1, so it lands one cell up
    // and left of the window, and moving it afterwards would scroll the
    // window there to keep it in view.
    ConsoleGoto(left, top);
    if (FitsCoordinate(left) && FitsCoordinate(top) && FitsCoordinate(right) && FitsCoordinate(bottom))
        console_device::SetWindow(static_cast<int16_t>(left), static_cast<int16_t>(top),
                                  static_cast<int16_t>(right), static_cast<int16_t>(bottom));
}

int32_t ConsolePrintLine(const char *text)
{
    std::printf("%s\n", text != nullptr ? text : "");
    return 0;
}

void ConsolePrintNewLine() { std::printf("\n"); }

uint8_t ConsolePrintChar(uint8_t character)
{
    std::printf("%c", character);
    return character;
}

int32_t ConsoleInputChar()
{
    const int character = std::getchar();
    // At the end of the input there is no character to echo.
    if (character == EOF)
        return -1;
    std::printf("%c\n", character);
    return character;
}
