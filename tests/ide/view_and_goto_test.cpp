// Word wrap, the status bar, Select All and Go To on the real main form.
#include <string>
#include <utility>

#include "editor_fixture.h"
#include "goto_form.h"
#include "gui_test_support.h"

namespace {

struct Caret {
    int32_t start;
    int32_t end;
    bool operator==(const Caret &other) const { return start == other.start && end == other.end; }
};

std::ostream &operator<<(std::ostream &out, const Caret &c)
{
    return out << "{" << c.start << ", " << c.end << "}";
}

// Three lines; the second is long enough to wrap in any window.
const std::string ThreeLines = "first\n" + std::string(300, 'x') + " tail\nthird";
const int32_t ThirdLineStart = 6 + 306;

} // namespace

class ViewTest : public EditorTest {
  protected:
    Caret Selected()
    {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(form.Memo.GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {static_cast<int32_t>(start), static_cast<int32_t>(end)};
    }
    void Select(int32_t start, int32_t end)
    {
        SendMessageA(form.Memo.GetHandle(), EM_SETSEL, static_cast<WPARAM>(start), end);
    }
    // The caret field as a screen reader reads it: the window's own text.
    std::string PositionText()
    {
        char text[64] = {};
        SendMessageA(form.StatusBar.Position.GetHandle(), WM_GETTEXT, sizeof text,
                     reinterpret_cast<LPARAM>(text));
        return text;
    }
    bool Wraps() { return !(GetWindowLongA(form.Memo.GetHandle(), GWL_STYLE) & ES_AUTOHSCROLL); }
    // Go To with the dialog answered by typing `input` and clicking Go To;
    // a refused number's message box is answered with OK, and the dialog,
    // which stays with the number selected, is closed. Answers the text
    // the dialog opened with, and whether all of it was selected.
    std::pair<std::string, bool> GoTo(const std::string &input, bool refused = false)
    {
        std::pair<std::string, bool> offered;
        auto selectedText = [] {
            KVEDIT &field = TheGoToForm->LineEdit;
            return field.GetSelStart() == 0 && field.GetSelLength() == Length(field.GetText()) + 1;
        };
        answers.FormAction("Go To Line", [&, input](HWND) {
            offered = {Text(TheGoToForm->LineEdit.GetText()), selectedText()};
            TheGoToForm->LineEdit.SetText(input.c_str());
            SendMessageA(TheGoToForm->GoButton.GetHandle(), BM_CLICK, 0, 0);
        });
        if (refused) {
            answers.MessageBoxAnswer("Go To Line", IDOK);
            answers.FormAction("Go To Line", [&, input](HWND dialog) {
                EXPECT_EQ(Text(TheGoToForm->LineEdit.GetText()), input);
                EXPECT_TRUE(selectedText());
                EXPECT_EQ(GetFocus(), TheGoToForm->LineEdit.GetHandle());
                PostMessageA(dialog, WM_CLOSE, 0, 0);
            });
        }
        Command(form.GoToItem);
        EXPECT_TRUE(answers.AllAnswered());
        return offered;
    }
};

TEST_F(ViewTest, WordWrapTogglesTheMemoKeepingTextSelectionAndModifiedFlag)
{
    form.Memo.SetText(ThreeLines.c_str());
    for (bool modified : {false, true}) {
        SCOPED_TRACE(modified ? "modified" : "unmodified");
        if (modified)
            Type("typed ");
        Select(3, 9);
        const DocumentState before = State();
        for (bool wrapping : {true, false}) {
            Command(form.WordWrapItem);
            EXPECT_EQ(Wraps(), wrapping);
            EXPECT_EQ(form.WordWrapItem.GetChecked() != KvFalse, wrapping);
            const LONG style = GetWindowLongA(form.Memo.GetHandle(), GWL_STYLE);
            EXPECT_TRUE(style & WS_VSCROLL);
            EXPECT_EQ((style & WS_HSCROLL) != 0, !wrapping);
            EXPECT_EQ(State(), before);
            EXPECT_EQ(Selected(), (Caret{3, 9}));
            EXPECT_EQ(form.Memo.GetLeft(), 0);
            EXPECT_EQ(form.Memo.GetWidth(), form.GetClientWidth());
            EXPECT_EQ(form.Memo.GetHeight() + form.StatusBar.Height(), form.GetClientHeight());
        }
    }
    // The new window is the memo's: typing and the caret field still work.
    const std::string text = State().text;
    Select(0, 0);
    Type("ab");
    EXPECT_EQ(State().text, "ab" + text);
    EXPECT_EQ(PositionText(), "Ln 1, Col 3");
}

TEST_F(ViewTest, StatusBarShowsTheFileLineAndColumnAfterKeysClicksFindAndGoTo)
{
    form.Memo.SetText(ThreeLines.c_str());
    Activate(form);
    for (bool wrapping : {false, true}) {
        SCOPED_TRACE(wrapping ? "wrapping" : "not wrapping");
        if (wrapping)
            Command(form.WordWrapItem);
        Select(0, 0);
        EXPECT_EQ(PositionText(), "Ln 1, Col 1");
        // Keys: Down to the long line, End to its end.
        for (UINT key : {VK_DOWN, VK_END}) {
            PostMessageA(form.Memo.GetHandle(), WM_KEYDOWN, key, 0);
            PostMessageA(form.Memo.GetHandle(), WM_KEYUP, key, 0xC0000001);
        }
        EXPECT_TRUE(PumpUntil([&] { return Selected().start > 6; }));
        const std::string afterKeys = PositionText();
        // End goes to the end of the row: the whole line, or its first row.
        EXPECT_EQ(afterKeys.substr(0, 8), "Ln 2, Co");
        if (!wrapping) {
            EXPECT_EQ(afterKeys, "Ln 2, Col 306");
        }
        // A click on the third line's fourth character, scrolled to the left.
        Select(0, 0);
        SendMessageA(form.Memo.GetHandle(), EM_SCROLLCARET, 0, 0);
        const LRESULT point = SendMessageA(form.Memo.GetHandle(), EM_POSFROMCHAR, ThirdLineStart + 3, 0);
        SendMessageA(form.Memo.GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(form.Memo.GetHandle(), WM_LBUTTONUP, 0, point);
        EXPECT_EQ(PositionText(), "Ln 3, Col 4");
        // Find selects "tail"; the caret is at the selection's end.
        form.SearchText = "tail";
        Select(0, 0);
        Command(form.FindNextItem);
        EXPECT_EQ(PositionText(), "Ln 2, Col 306");
        GoTo("3");
        EXPECT_EQ(PositionText(), "Ln 3, Col 1");
    }
    // Hidden, the status bar gives the memo its room; shown, it is current.
    Command(form.StatusBarItem);
    EXPECT_FALSE(form.StatusBarItem.GetChecked());
    EXPECT_FALSE(IsWindowVisible(form.StatusBar.Position.GetHandle()));
    EXPECT_EQ(form.Memo.GetHeight(), form.GetClientHeight());
    Select(2, 2);
    Command(form.StatusBarItem);
    EXPECT_TRUE(form.StatusBarItem.GetChecked());
    EXPECT_TRUE(IsWindowVisible(form.StatusBar.Message.GetHandle()));
    EXPECT_EQ(form.Memo.GetHeight() + form.StatusBar.Height(), form.GetClientHeight());
    EXPECT_EQ(PositionText(), "Ln 1, Col 3");
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(ViewTest, GoToMovesToALineStartOrTheLastLineAndRefusesWhatIsNoLineNumber)
{
    form.Memo.SetText(ThreeLines.c_str());
    struct Case {
        const char *input;
        Caret expected;
        bool refused;
    };
    const Case cases[] = {
        {"2", {6, 6}, false},  {" 3 ", {ThirdLineStart, ThirdLineStart}, false},
        {"1", {0, 0}, false},  {"999999999999", {ThirdLineStart, ThirdLineStart}, false},
        {"0", {4, 5}, true},   {"-2", {4, 5}, true},
        {"two", {4, 5}, true}, {"", {4, 5}, true},
        {"2x", {4, 5}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.input);
        Select(4, 5);
        // The dialog opens with the caret's line, selected.
        EXPECT_EQ(GoTo(c.input, c.refused), std::make_pair(std::string("1"), true));
        EXPECT_EQ(Selected(), c.expected);
        EXPECT_EQ(State().text, ThreeLines);
    }
    Select(ThirdLineStart + 2, ThirdLineStart + 2);
    EXPECT_EQ(GoTo("1").first, "3");
    // Select All, then the caret at the end of the text.
    Command(form.SelectAllItem);
    EXPECT_EQ(Selected(), (Caret{0, static_cast<int32_t>(ThreeLines.size())}));
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}
