// Console output and screen control: printing to standard output, and
// placing the cursor, choosing colours and reading the screen of the console
// that standard output shows. Without such a console the screen operations
// have no visible effect and report an empty screen.
#pragma once

#include <cstdint>

// Colours are the 16 console colour numbers: bit 0 blue, bit 1 green, bit 2
// red, bit 3 intensity. 128 is accepted wherever a colour is set and means 15.
extern int32_t ConsoleForeground; // the foreground colour last set, initially 7
extern int32_t ConsoleBackground; // the background colour last set, initially 0

// The state of the screen, one byte per field; wider values keep their low 8 bits.
struct KVCONSOLESTATE {
    uint8_t Left; // the console window rectangle
    uint8_t Top;
    uint8_t Right;
    uint8_t Bottom;
    uint8_t Attribute;        // low byte of the current text attribute
    uint8_t DefaultAttribute; // always 7
    uint8_t Mode;             // not filled: left as the caller had it
    uint8_t Rows;             // screen buffer height
    uint8_t Columns;          // screen buffer width
    uint8_t CursorColumn;     // as ConsoleCursorColumn
    uint8_t CursorRow;        // as ConsoleCursorRow
};
static_assert(sizeof(KVCONSOLESTATE) == 11, "KVCONSOLESTATE is an 11-byte record");

// Places the cursor at column x, row y, both counted from 1. A position
// outside the screen buffer leaves the cursor where it was.
void ConsoleGoto(int32_t x, int32_t y);
// Writes a space into every cell (colours stay) and puts the cursor top left.
void ConsoleClear();
// 0 hides the cursor, 1 shows a full-cell cursor, 2 a one-line cursor; any
// other mode shows the normal cursor.
void ConsoleCursorShape(int32_t mode);
// The whole text attribute word at once: foreground in bits 0-3, background in 4-7.
void ConsoleSetAttribute(uint16_t attribute);
void ConsoleSetForeground(int32_t colour);
void ConsoleSetBackground(int32_t colour);
// Adds 9 to each of the two colours that is 6 or less.
void ConsoleBrighten();
// The cursor column, counted from 0.
int32_t ConsoleCursorColumn();
// The cursor row counted from 0, minus 2 (so the top row gives -2).
int32_t ConsoleCursorRow();
// Fills every field of `state` except Mode.
void ConsoleGetState(KVCONSOLESTATE &state);
// ConsoleGoto(left, top), and the console window over the screen buffer
// becomes the given rectangle of 0-based cells. A terminal's window cannot be
// moved by the program: there only the cursor is placed.
void ConsoleSetWindow(int32_t left, int32_t top, int32_t right, int32_t bottom);

// Writes `text` and a line feed to standard output; returns 0.
int32_t ConsolePrintLine(const char *text);
void ConsolePrintNewLine();
// Writes one character to standard output and returns it.
uint8_t ConsolePrintChar(uint8_t character);
// Reads one character from standard input, echoes it on a line of its own and
// returns it; at the end of the input returns -1 and echoes nothing.
int32_t ConsoleInputChar();
