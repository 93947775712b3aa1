// Word wrap, the status bar, Select All and Go To on the real main form.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

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
    // a refused number's message box is answered with OK.
    void GoTo(const std::string &input, bool refused = false)
    {
        answers.FormAction("Go To Line", [input](HWND) {
            TheGoToForm->LineEdit.SetText(input.c_str());
            SendMessageA(TheGoToForm->GoButton.GetHandle(), BM_CLICK, 0, 0);
        });
        if (refused)
            answers.MessageBoxAnswer("Go To Line", IDOK);
        Command(form.GoToItem);
        EXPECT_TRUE(answers.AllAnswered());
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
        GoTo(c.input, c.refused);
        EXPECT_EQ(Selected(), c.expected);
        EXPECT_EQ(State().text, ThreeLines);
    }
    // Select All, then the caret at the end of the text.
    Command(form.SelectAllItem);
    EXPECT_EQ(Selected(), (Caret{0, static_cast<int32_t>(ThreeLines.size())}));
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

// The hourglass while the memo is made anew or a file is read into it (as
// the memo sees it, in the middle of the work), the cursor from before
// afterwards.
TEST_F(ViewTest, WordWrapAndOpeningShowTheWaitCursorWhileTheyWork)
{
    scratch.Put("doc.kvo", "some text");
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    std::vector<HCURSOR> seen;
    const std::function<void()> report = form.Memo.CaretMoved;
    form.Memo.CaretMoved = [&] {
        seen.push_back(GetCursor());
        report();
    };
    const std::function<void()> commands[] = {[&] { Command(form.WordWrapItem); },
                                              [&] { form.OpenNamedFile(Path("doc.kvo").c_str()); }};
    for (const std::function<void()> &command : commands) {
        SetCursor(arrow);
        seen.clear();
        command();
        EXPECT_NE(std::find(seen.begin(), seen.end(), wait), seen.end());
        EXPECT_EQ(GetCursor(), arrow);
    }
    EXPECT_EQ(State().text, "some text");
}
