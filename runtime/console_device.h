// The device under the console operations: on Windows the console screen
// buffer behind the standard output handle, elsewhere a terminal on standard
// output driven by ANSI escape sequences. Coordinates are 0-based cells.
#pragma once

#include <cstdint>

namespace console_device {

// What the device reports about its screen; all zero when standard output
// shows no console.
struct Screen {
    int32_t columns = 0; // screen buffer size
    int32_t rows = 0;
    int32_t windowLeft = 0; // the visible window over the buffer
    int32_t windowTop = 0;
    int32_t windowRight = 0;
    int32_t windowBottom = 0;
    int32_t cursorColumn = 0;
    int32_t cursorRow = 0;
    uint16_t attribute = 0;
};

// Cursor sizes are percentages of a cell, 1 to 100; the system rejects any
// other size, even for a hidden cursor.
constexpr uint32_t FullCursorSize = 100;
constexpr uint32_t ThinCursorSize = 1;
constexpr uint32_t NormalCursorSize = 25; // what a console starts with

struct Cursor {
    bool visible;
    uint32_t size;
};

Screen Read();
// A position outside the screen buffer is ignored.
void MoveCursor(int16_t column, int16_t row);
// Every cell of the buffer becomes a space; colours stay.
void FillWithSpaces();
void SetCursor(Cursor cursor);
void SetAttribute(uint16_t attribute);
void SetWindow(int16_t left, int16_t top, int16_t right, int16_t bottom);

} // namespace console_device
