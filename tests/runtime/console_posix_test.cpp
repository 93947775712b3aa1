// The console on a terminal: the escape sequences the runtime writes, read
// back from the master side of a pseudo-terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "console.h"
#include "console_scratch.h"

struct ScratchConsole::Parts {
    int master = -1;
    int terminal = -1;
    int savedOutput = -1;
};

namespace {

// Written straight to the terminal after the runtime's output, so that a
// reader knows when it has everything.
const std::string EndMark = "\x01<end of output>\x02";

void SetSize(int master, int columns, int rows)
{
    winsize size{};
    size.ws_col = static_cast<unsigned short>(columns);
    size.ws_row = static_cast<unsigned short>(rows);
    ioctl(master, TIOCSWINSZ, &size);
}

} // namespace

ScratchConsole::ScratchConsole() : parts(std::make_unique<Parts>())
{
    parts->master = posix_openpt(O_RDWR | O_NOCTTY);
    if (parts->master < 0 || grantpt(parts->master) != 0 || unlockpt(parts->master) != 0) {
        ADD_FAILURE() << "no pseudo-terminal could be opened";
        return;
    }
    parts->terminal = open(ptsname(parts->master), O_RDWR | O_NOCTTY);
    if (parts->terminal < 0) {
        ADD_FAILURE() << "the pseudo-terminal's terminal side could not be opened";
        return;
    }
    // Raw: what the runtime writes arrives unchanged (no CR added to LF).
    termios mode{};
    tcgetattr(parts->terminal, &mode);
    cfmakeraw(&mode);
    tcsetattr(parts->terminal, TCSANOW, &mode);
    SetSize(parts->master, Columns, Rows);

    std::fflush(stdout);
    parts->savedOutput = dup(fileno(stdout));
    dup2(parts->terminal, fileno(stdout));
}

ScratchConsole::~ScratchConsole()
{
    std::fflush(stdout);
    if (parts->savedOutput >= 0) {
        dup2(parts->savedOutput, fileno(stdout));
        close(parts->savedOutput);
    }
    if (parts->terminal >= 0)
        close(parts->terminal);
    if (parts->master >= 0)
        close(parts->master);
}

std::string ScratchConsole::TakeOutput()
{
    std::fflush(stdout);
    if (write(parts->terminal, EndMark.data(), EndMark.size()) != static_cast<ssize_t>(EndMark.size()))
        ADD_FAILURE() << "the end mark could not be written";
    std::string output;
    char chunk[256];
    pollfd readable{parts->master, POLLIN, 0};
    while (output.size() < EndMark.size() ||
           output.compare(output.size() - EndMark.size(), EndMark.size(), EndMark) != 0) {
        if (poll(&readable, 1, 5000) != 1) {
            ADD_FAILURE() << "the terminal's output did not arrive; so far: " << output;
            return output;
        }
        const ssize_t count = read(parts->master, chunk, sizeof chunk);
        if (count <= 0)
            return output;
        output.append(chunk, static_cast<size_t>(count));
    }
    output.resize(output.size() - EndMark.size());
    return output;
}

namespace {

class TerminalConsole : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ConsoleForeground = 7;
        ConsoleBackground = 0;
    }

    ScratchConsole console;
};

TEST_F(TerminalConsole, GotoMovesTheTerminalCursorOnlyWithinTheScreen)
{
    ConsoleGoto(5, 3);
    EXPECT_EQ(console.TakeOutput(), "\x1b[3;5H");
    ConsoleGoto(80, 25);
    EXPECT_EQ(console.TakeOutput(), "\x1b[25;80H");
    ConsoleGoto(0, 3);
    ConsoleGoto(81, 3);
    ConsoleGoto(5, 26);
    EXPECT_EQ(console.TakeOutput(), "");
}

TEST_F(TerminalConsole, ClearErasesTheDisplayAndHomesTheCursor)
{
    ConsoleClear();
    EXPECT_EQ(console.TakeOutput(), "\x1b[2J\x1b[1;1H");
}

TEST_F(TerminalConsole, CursorShapes)
{
    ConsoleCursorShape(0);
    EXPECT_EQ(console.TakeOutput(), "\x1b[?25l");
    ConsoleCursorShape(1);
    EXPECT_EQ(console.TakeOutput(), "\x1b[?25h\x1b[1 q"); // block
    ConsoleCursorShape(2);
    EXPECT_EQ(console.TakeOutput(), "\x1b[?25h\x1b[3 q"); // underline
    ConsoleCursorShape(7);
    EXPECT_EQ(console.TakeOutput(), "\x1b[?25h\x1b[0 q"); // the terminal's own
}

TEST_F(TerminalConsole, ColoursBecomeAnsiColours)
{
    // Console colours put blue in bit 0, ANSI colours red.
    ConsoleSetForeground(1);
    EXPECT_EQ(console.TakeOutput(), "\x1b[34;40m");
    ConsoleSetBackground(6);
    EXPECT_EQ(console.TakeOutput(), "\x1b[34;43m");
    ConsoleBrighten();
    EXPECT_EQ(console.TakeOutput(), "\x1b[92;43m\x1b[92;107m");
    ConsoleSetAttribute(0x4F);
    EXPECT_EQ(console.TakeOutput(), "\x1b[97;41m");
}

TEST_F(TerminalConsole, SetWindowOnlyPlacesTheCursor)
{
    ConsoleSetWindow(3, 4, 40, 20);
    EXPECT_EQ(console.TakeOutput(), "\x1b[4;3H");
    KVCONSOLESTATE state{};
    ConsoleGetState(state);
    EXPECT_EQ(state.Left, 0);
    EXPECT_EQ(state.Top, 0);
    EXPECT_EQ(state.Right, ScratchConsole::Columns - 1);
    EXPECT_EQ(state.Bottom, ScratchConsole::Rows - 1);
}

TEST_F(TerminalConsole, PrintedTextAndSequencesStayInOrder)
{
    ConsolePrintChar('a');
    ConsoleGoto(2, 2);
    ConsolePrintLine("b");
    ConsoleSetForeground(15);
    ConsolePrintChar('c');
    EXPECT_EQ(console.TakeOutput(), "a\x1b[2;2Hb\n\x1b[97;40mc");
}

TEST_F(TerminalConsole, StateFollowsTheTerminalsSize)
{
    winsize size{};
    size.ws_col = 132;
    size.ws_row = 50;
    ioctl(fileno(stdout), TIOCSWINSZ, &size);
    KVCONSOLESTATE state{};
    ConsoleGetState(state);
    EXPECT_EQ(state.Columns, 132);
    EXPECT_EQ(state.Rows, 50);
    EXPECT_EQ(state.Right, 131);
    EXPECT_EQ(state.Bottom, 49);

    // Wider than a byte holds: the low eight bits.
    size.ws_col = 300;
    ioctl(fileno(stdout), TIOCSWINSZ, &size);
    ConsoleGetState(state);
    EXPECT_EQ(state.Columns, 300 & 0xFF);
    ConsoleGoto(290, 1);
    EXPECT_EQ(ConsoleCursorColumn(), 289);
    ConsoleGetState(state);
    EXPECT_EQ(state.CursorColumn, 289 & 0xFF);
}

} // namespace
