// The console device on Windows: the console screen buffer that the standard
// output handle refers to, through the kernel32 console functions. Their
// results are not checked: without a console they fail and change nothing.
#include <windows.h>

#include <cstdio>

#include "console_device.h"

namespace console_device {

namespace {

HANDLE StandardOutput()
{
    // Text printed through the C runtime belongs where the cursor was before
    // the screen changes.
    std::fflush(stdout);
    return GetStdHandle(STD_OUTPUT_HANDLE);
}

} // namespace

Screen Read()
{
    CONSOLE_SCREEN_BUFFER_INFO info{}; // stays zero if there is no console
    GetConsoleScreenBufferInfo(StandardOutput(), &info);
    Screen screen;
    screen.columns = info.dwSize.X;
    screen.rows = info.dwSize.Y;
    screen.windowLeft = info.srWindow.Left;
    screen.windowTop = info.srWindow.Top;
    screen.windowRight = info.srWindow.Right;
    screen.windowBottom = info.srWindow.Bottom;
    screen.cursorColumn = info.dwCursorPosition.X;
    screen.cursorRow = info.dwCursorPosition.Y;
    screen.attribute = info.wAttributes;
    return screen;
}

void MoveCursor(int16_t column, int16_t row)
{
    SetConsoleCursorPosition(StandardOutput(), COORD{column, row});
}

void FillWithSpaces()
{
    const HANDLE output = StandardOutput();
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(output, &info);
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
    DWORD written = 0;
    FillConsoleOutputCharacterA(output, ' ', cells, COORD{0, 0}, &written);
}

void SetCursor(Cursor cursor)
{
    const CONSOLE_CURSOR_INFO info{cursor.size, cursor.visible ? TRUE : FALSE};
    SetConsoleCursorInfo(StandardOutput(), &info);
}

void SetAttribute(uint16_t attribute) { SetConsoleTextAttribute(StandardOutput(), attribute); }

void SetWindow(int16_t left, int16_t top, int16_t right, int16_t bottom)
{
    const SMALL_RECT window{left, top, right, bottom};
    SetConsoleWindowInfo(StandardOutput(), TRUE, &window);
}

} // namespace console_device
