// The console operations' shared rules, checked through what the console
// itself reports, on every platform.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "console.h"
#include "console_scratch.h"

namespace {

std::string ScratchFileName(const char *purpose)
{
    return std::string("console_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
           "_" + purpose + ".tmp";
}

// While it lives, standard output goes to a file.
class CapturedOutput {
  public:
    CapturedOutput() : path(ScratchFileName("out"))
    {
        std::fflush(stdout);
        saved = dup(fileno(stdout));
        std::FILE *file = std::fopen(path.c_str(), "w");
        dup2(fileno(file), fileno(stdout));
        std::fclose(file);
    }
    ~CapturedOutput()
    {
        std::fflush(stdout);
        dup2(saved, fileno(stdout));
        close(saved);
        std::remove(path.c_str());
    }
    CapturedOutput(const CapturedOutput &) = delete;
    CapturedOutput &operator=(const CapturedOutput &) = delete;

    // Everything written so far, read as text: line ends as C code writes them.
    std::string Text()
    {
        std::fflush(stdout);
        std::ifstream file(path);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

  private:
    std::string path;
    int saved;
};

// While it lives, standard input reads the given text.
class ScriptedInput {
  public:
    explicit ScriptedInput(const std::string &text) : path(ScratchFileName("in"))
    {
        std::ofstream(path) << text;
        saved = dup(fileno(stdin));
        std::FILE *file = std::fopen(path.c_str(), "r");
        dup2(fileno(file), fileno(stdin));
        std::fclose(file);
        std::clearerr(stdin);
    }
    ~ScriptedInput()
    {
        std::clearerr(stdin);
        dup2(saved, fileno(stdin));
        close(saved);
        std::remove(path.c_str());
    }
    ScriptedInput(const ScriptedInput &) = delete;
    ScriptedInput &operator=(const ScriptedInput &) = delete;

  private:
    std::string path;
    int saved;
};

KVCONSOLESTATE State()
{
    KVCONSOLESTATE state{};
    ConsoleGetState(state);
    return state;
}

class Console : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ConsoleForeground = 7;
        ConsoleBackground = 0;
        ConsoleSetAttribute(7);
    }

    ScratchConsole console;
};

TEST_F(Console, ColourAliasIsStoredAsWhite)
{
    ConsoleSetForeground(128);
    EXPECT_EQ(ConsoleForeground, 15);
    ConsoleSetBackground(128);
    EXPECT_EQ(ConsoleBackground, 15);
    EXPECT_EQ(State().Attribute, 0xFF);
}

TEST_F(Console, AttributeCarriesForegroundLowAndBackgroundHigh)
{
    ConsoleSetBackground(1);
    EXPECT_EQ(State().Attribute, 0x17);
    ConsoleSetForeground(14);
    EXPECT_EQ(ConsoleForeground, 14);
    EXPECT_EQ(ConsoleBackground, 1);
    EXPECT_EQ(State().Attribute, 0x1E);

    // A number above 15 is stored as given but cannot touch the background.
    ConsoleSetBackground(2);
    ConsoleSetForeground(20);
    EXPECT_EQ(ConsoleForeground, 20);
    EXPECT_EQ(State().Attribute, 0x24);
}

TEST_F(Console, SetAttributeTakesTheWordAsGivenAndLeavesTheColoursAlone)
{
    ConsoleSetAttribute(0x4F);
    EXPECT_EQ(State().Attribute, 0x4F);
    EXPECT_EQ(ConsoleForeground, 7);
    EXPECT_EQ(ConsoleBackground, 0);
}

TEST_F(Console, BrightenAddsNineToColoursUpToSix)
{
    // Light grey is already bright; black becomes bright blue.
    ConsoleBrighten();
    EXPECT_EQ(ConsoleForeground, 7);
    EXPECT_EQ(ConsoleBackground, 9);
    EXPECT_EQ(State().Attribute, 0x97);

    ConsoleSetForeground(4);
    ConsoleSetBackground(6);
    ConsoleBrighten();
    EXPECT_EQ(ConsoleForeground, 13);
    EXPECT_EQ(ConsoleBackground, 15);
    EXPECT_EQ(State().Attribute, 0xFD);

    // Once bright, colours stay.
    ConsoleBrighten();
    EXPECT_EQ(ConsoleForeground, 13);
    EXPECT_EQ(ConsoleBackground, 15);
}

TEST_F(Console, GotoCountsFromOneAndCursorColumnFromZero)
{
    ConsoleGoto(1, 1);
    EXPECT_EQ(ConsoleCursorColumn(), 0);
    EXPECT_EQ(ConsoleCursorRow(), -2); // rows are reported two below the system's

    ConsoleGoto(ScratchConsole::Columns, ScratchConsole::Rows);
    EXPECT_EQ(ConsoleCursorColumn(), ScratchConsole::Columns - 1);
    EXPECT_EQ(ConsoleCursorRow(), ScratchConsole::Rows - 3);
}

TEST_F(Console, GotoOutsideTheScreenLeavesTheCursor)
{
    ConsoleGoto(5, 3);
    ConsoleGoto(0, 1);
    ConsoleGoto(1, 0);
    ConsoleGoto(ScratchConsole::Columns + 1, 1);
    ConsoleGoto(1, ScratchConsole::Rows + 1);
    // Beyond 16 bits: not wrapped round onto the screen.
    ConsoleGoto(65536 + 2, 1);
    ConsoleGoto(1, 65536 + 2);
    ConsoleGoto(INT32_MIN, INT32_MIN);
    EXPECT_EQ(ConsoleCursorColumn(), 4);
    EXPECT_EQ(ConsoleCursorRow(), 0);
}

TEST_F(Console, ClearLeavesTheCursorTopLeft)
{
    ConsoleGoto(12, 9);
    ConsoleClear();
    EXPECT_EQ(ConsoleCursorColumn(), 0);
    EXPECT_EQ(ConsoleCursorRow(), -2);
}

TEST_F(Console, SetWindowPlacesTheCursorAtLeftAndTop)
{
    ConsoleSetWindow(3, 4, 40, 20);
    EXPECT_EQ(ConsoleCursorColumn(), 2);
    EXPECT_EQ(ConsoleCursorRow(), 1);
}

TEST_F(Console, StateDescribesTheScreenAndKeepsMode)
{
    ConsoleSetForeground(10);
    ConsoleSetBackground(4);
    ConsoleGoto(7, 6);
    KVCONSOLESTATE state;
    std::memset(&state, 0xEE, sizeof state);
    state.Mode = 42;
    ConsoleGetState(state);
    EXPECT_EQ(state.Left, 0);
    EXPECT_EQ(state.Top, 0);
    EXPECT_EQ(state.Right, ScratchConsole::Columns - 1);
    EXPECT_EQ(state.Bottom, ScratchConsole::Rows - 1);
    EXPECT_EQ(state.Attribute, 0x4A);
    EXPECT_EQ(state.DefaultAttribute, 7);
    EXPECT_EQ(state.Mode, 42);
    EXPECT_EQ(state.Rows, ScratchConsole::Rows);
    EXPECT_EQ(state.Columns, ScratchConsole::Columns);
    EXPECT_EQ(state.CursorColumn, 6);
    EXPECT_EQ(state.CursorRow, 3);

    // The top row's -2 keeps its low eight bits.
    ConsoleGoto(1, 1);
    EXPECT_EQ(State().CursorRow, 254);
}

TEST(ConsoleWithoutConsole, ScreenOperationsShowNothingAndReportAnEmptyScreen)
{
    ConsoleForeground = 7;
    ConsoleBackground = 0;
    CapturedOutput output;
    ConsoleGoto(3, 3);
    ConsoleClear();
    ConsoleCursorShape(0);
    ConsoleSetAttribute(0x1F);
    ConsoleSetForeground(3);
    ConsoleSetBackground(128);
    ConsoleBrighten();
    ConsoleSetWindow(1, 1, 10, 10);
    KVCONSOLESTATE state{};
    ConsoleGetState(state);
    EXPECT_EQ(output.Text(), "");

    // The colours are still remembered.
    EXPECT_EQ(ConsoleForeground, 12);
    EXPECT_EQ(ConsoleBackground, 15);
    EXPECT_EQ(state.Rows, 0);
    EXPECT_EQ(state.Columns, 0);
    EXPECT_EQ(state.Right, 0);
    EXPECT_EQ(state.Attribute, 0);
    EXPECT_EQ(state.DefaultAttribute, 7);
    EXPECT_EQ(ConsoleCursorColumn(), 0);
    EXPECT_EQ(ConsoleCursorRow(), -2);
}

TEST(ConsolePrinting, LinesNewLinesAndCharacters)
{
    CapturedOutput output;
    EXPECT_EQ(ConsolePrintLine("Form compiled"), 0);
    EXPECT_EQ(ConsolePrintLine(""), 0);
    EXPECT_EQ(ConsolePrintLine("100% %s %d"), 0); // text, never a format
    EXPECT_EQ(ConsolePrintLine(nullptr), 0);
    ConsolePrintNewLine();
    EXPECT_EQ(ConsolePrintChar('K'), 'K');
    EXPECT_EQ(ConsolePrintChar(0xE9), 0xE9);
    EXPECT_EQ(output.Text(), "Form compiled\n\n100% %s %d\n\n\nK\xE9");
}

TEST(ConsolePrinting, InputCharEchoesEachCharacterOnItsOwnLine)
{
    CapturedOutput output;
    ScriptedInput input("x\n");
    EXPECT_EQ(ConsoleInputChar(), 'x');
    EXPECT_EQ(ConsoleInputChar(), '\n');
    EXPECT_EQ(ConsoleInputChar(), -1); // end of input: nothing to echo
    EXPECT_EQ(output.Text(), "x\n\n\n");
}

} // namespace
