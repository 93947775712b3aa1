// The console on Windows: the state of a console screen buffer of the test's
// own, read back with the console functions.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "console.h"
#include "console_scratch.h"

struct ScratchConsole::Parts {
    HANDLE buffer = INVALID_HANDLE_VALUE;
    HANDLE previousOutput = nullptr;
};

namespace {

HANDLE NewScreenBuffer()
{
    return CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, CONSOLE_TEXTMODE_BUFFER, nullptr);
}

bool Usable(HANDLE buffer)
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    return buffer != INVALID_HANDLE_VALUE && GetConsoleScreenBufferInfo(buffer, &info);
}

// A screen buffer on the process's console. A test process may have no
// console, or one that cannot make screen buffers (Wine gives a program
// started without a terminal such a console); then, once, it gets a console
// of its own, kept out of sight. The standard handles stay as they were: the
// C runtime's streams keep writing where the test runner reads.
HANDLE ScreenBufferOfOurOwn()
{
    static bool allocatedOne = false;
    const HANDLE buffer = NewScreenBuffer();
    if (Usable(buffer) || allocatedOne)
        return buffer;
    if (buffer != INVALID_HANDLE_VALUE)
        CloseHandle(buffer);
    allocatedOne = true;

    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    FreeConsole();
    const bool allocated = AllocConsole();
    SetStdHandle(STD_INPUT_HANDLE, input);
    SetStdHandle(STD_OUTPUT_HANDLE, output);
    SetStdHandle(STD_ERROR_HANDLE, error);
    if (!allocated)
        return INVALID_HANDLE_VALUE;
    ShowWindow(GetConsoleWindow(), SW_HIDE);
    return NewScreenBuffer();
}

CONSOLE_SCREEN_BUFFER_INFO InfoOf(HANDLE buffer)
{
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(buffer, &info);
    return info;
}

} // namespace

ScratchConsole::ScratchConsole() : parts(std::make_unique<Parts>())
{
    parts->buffer = ScreenBufferOfOurOwn();
    if (!Usable(parts->buffer)) {
        ADD_FAILURE() << "no console screen buffer could be created (under Wine a console is a window: "
                         "it needs an X display)";
        return;
    }
    // The window first, so that the buffer can shrink to it.
    const SMALL_RECT window{0, 0, Columns - 1, Rows - 1};
    SetConsoleWindowInfo(parts->buffer, TRUE, &window);
    SetConsoleScreenBufferSize(parts->buffer, COORD{Columns, Rows});
    const CONSOLE_SCREEN_BUFFER_INFO info = InfoOf(parts->buffer);
    if (info.dwSize.X != Columns || info.dwSize.Y != Rows || info.srWindow.Right != Columns - 1 ||
        info.srWindow.Bottom != Rows - 1)
        ADD_FAILURE() << "the scratch console is " << info.dwSize.X << " x " << info.dwSize.Y;
    parts->previousOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    SetStdHandle(STD_OUTPUT_HANDLE, parts->buffer);
}

ScratchConsole::~ScratchConsole()
{
    if (parts->previousOutput != nullptr)
        SetStdHandle(STD_OUTPUT_HANDLE, parts->previousOutput);
    if (parts->buffer != INVALID_HANDLE_VALUE)
        CloseHandle(parts->buffer);
}

HANDLE ScratchConsole::Buffer() const { return parts->buffer; }

namespace {

class ScreenBuffer : public ::testing::Test {
  protected:
    CONSOLE_SCREEN_BUFFER_INFO Info() const { return InfoOf(console.Buffer()); }

    CONSOLE_CURSOR_INFO Cursor() const
    {
        CONSOLE_CURSOR_INFO cursor{};
        GetConsoleCursorInfo(console.Buffer(), &cursor);
        return cursor;
    }

    ScratchConsole console;
};

TEST_F(ScreenBuffer, ClearBlanksEveryCellAndKeepsItsColours)
{
    const DWORD cells = ScratchConsole::Columns * ScratchConsole::Rows;
    DWORD done = 0;
    FillConsoleOutputCharacterA(console.Buffer(), 'x', cells, COORD{0, 0}, &done);
    FillConsoleOutputAttribute(console.Buffer(), 0x1E, 5, COORD{10, 24}, &done);
    ConsoleGoto(30, 12);

    ConsoleClear();

    std::string text(cells, '?');
    ReadConsoleOutputCharacterA(console.Buffer(), text.data(), cells, COORD{0, 0}, &done);
    EXPECT_EQ(done, cells);
    EXPECT_EQ(text, std::string(cells, ' '));
    WORD attributes[5] = {};
    ReadConsoleOutputAttribute(console.Buffer(), attributes, 5, COORD{10, 24}, &done);
    for (WORD attribute : attributes)
        EXPECT_EQ(attribute, 0x1E);
    EXPECT_EQ(Info().dwCursorPosition.X, 0);
    EXPECT_EQ(Info().dwCursorPosition.Y, 0);
}

TEST_F(ScreenBuffer, CursorShapes)
{
    ConsoleCursorShape(1);
    EXPECT_EQ(Cursor().dwSize, 100u);
    EXPECT_TRUE(Cursor().bVisible);

    // Hidden with the normal size: the system refuses sizes outside 1 to 100.
    ConsoleCursorShape(0);
    EXPECT_EQ(Cursor().dwSize, 25u);
    EXPECT_FALSE(Cursor().bVisible);

    ConsoleCursorShape(2);
    EXPECT_EQ(Cursor().dwSize, 1u);
    EXPECT_TRUE(Cursor().bVisible);

    ConsoleCursorShape(7);
    EXPECT_EQ(Cursor().dwSize, 25u);
    EXPECT_TRUE(Cursor().bVisible);
}

TEST_F(ScreenBuffer, SetWindowMovesTheWindowOverTheBuffer)
{
    ConsoleSetWindow(2, 3, 20, 8);
    const SMALL_RECT window = Info().srWindow;
    EXPECT_EQ(window.Left, 2);
    EXPECT_EQ(window.Top, 3);
    EXPECT_EQ(window.Right, 20);
    EXPECT_EQ(window.Bottom, 8);
    EXPECT_EQ(Info().dwCursorPosition.X, 1);
    EXPECT_EQ(Info().dwCursorPosition.Y, 2);

    KVCONSOLESTATE state{};
    ConsoleGetState(state);
    EXPECT_EQ(state.Left, 2);
    EXPECT_EQ(state.Top, 3);
    EXPECT_EQ(state.Right, 20);
    EXPECT_EQ(state.Bottom, 8);
    EXPECT_EQ(state.Columns, ScratchConsole::Columns);

    // A rectangle beyond 16-bit coordinates is not cut down to some other one.
    ConsoleSetWindow(65536 + 1, 1, 65536 + 30, 10);
    EXPECT_EQ(Info().srWindow.Left, 2);
    EXPECT_EQ(Info().srWindow.Right, 20);
}

} // namespace
