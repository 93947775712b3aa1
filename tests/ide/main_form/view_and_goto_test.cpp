// Word wrap, the status bar, Select All and Go To on the real main form.
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
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
        // Selected from right to left: the caret is at the start.
        Select(9, 3);
        const DocumentState before = State();
        for (bool wrapping : {true, false}) {
            Command(form.WordWrapItem);
            EXPECT_EQ(PositionText(), "Ln 1, Col 4");
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
        // A drag from there to the left: the caret is where the mouse went.
        const LRESULT left = SendMessageA(form.Memo.GetHandle(), EM_POSFROMCHAR, ThirdLineStart + 1, 0);
        SendMessageA(form.Memo.GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(form.Memo.GetHandle(), WM_MOUSEMOVE, MK_LBUTTON, left);
        SendMessageA(form.Memo.GetHandle(), WM_LBUTTONUP, 0, left);
        EXPECT_EQ(Selected(), (Caret{ThirdLineStart + 1, ThirdLineStart + 3}));
        EXPECT_EQ(PositionText(), "Ln 3, Col 2");
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

namespace {

// Lines ended by CR LF and by a lone line feed, a lone carriage return
// inside the first; the second line wraps in any window.
const std::string FourLines = "alpha\rbeta\r\n" + std::string(299, 'w') + "z\r\ngamma\ndelta";
const int32_t SecondLineStart = 12;
const int32_t ThirdLine = SecondLineStart + 302;

} // namespace

// Real key presses with Shift and Ctrl held: the status bar shows the end of
// the selection that the keys moved, in the file's lines.
TEST_F(ViewTest, KeysLeaveTheCaretsLineAndColumnInTheStatusBar)
{
    struct Case {
        const char *keys;
        int32_t caret;
        std::vector<std::vector<WORD>> chords;
        const char *position;
        // The text afterwards, when the keys change it.
        std::string text;
    };
    const Case cases[] = {
        {"Shift+Home", 10, {{VK_SHIFT, VK_HOME}}, "Ln 1, Col 1", ""},
        {"Shift+Left twice", ThirdLine + 5, {{VK_SHIFT, VK_LEFT}, {VK_SHIFT, VK_LEFT}}, "Ln 3, Col 4", ""},
        {"Shift+Left over a line end", ThirdLine, {{VK_SHIFT, VK_LEFT}}, "Ln 2, Col 301", ""},
        {"Shift+Left, then Shift+Right past the anchor",
         4,
         {{VK_SHIFT, VK_LEFT}, {VK_SHIFT, VK_RIGHT}, {VK_SHIFT, VK_RIGHT}},
         "Ln 1, Col 6",
         ""},
        {"Shift+Ctrl+Home", static_cast<int32_t>(FourLines.size()), {{VK_SHIFT, VK_CONTROL, VK_HOME}},
         "Ln 1, Col 1", ""},
        {"Shift+Ctrl+End", 2, {{VK_SHIFT, VK_CONTROL, VK_END}}, "Ln 4, Col 6", ""},
        {"Ctrl+End after a lone line feed", 0, {{VK_CONTROL, VK_END}}, "Ln 4, Col 6", ""},
        {"Tab", 5, {{VK_TAB}}, "Ln 1, Col 7", "alpha\t\rbeta" + FourLines.substr(10)},
        {"Ctrl+I", 0, {{VK_CONTROL, 'I'}}, "Ln 1, Col 2", "\t" + FourLines},
        {"Ctrl+Tab", 3, {{VK_CONTROL, VK_TAB}}, "Ln 1, Col 4", ""},
        // With nothing selected to cut, it deletes the line end before it.
        {"Shift+Delete at a line's start", ThirdLine, {{VK_SHIFT, VK_DELETE}}, "Ln 2, Col 301",
         FourLines.substr(0, ThirdLine - 2) + FourLines.substr(ThirdLine)},
    };
    Activate(form);
    for (bool wrapping : {false, true}) {
        SCOPED_TRACE(wrapping ? "wrapping" : "not wrapping");
        if (wrapping)
            Command(form.WordWrapItem);
        for (const Case &c : cases) {
            SCOPED_TRACE(c.keys);
            form.Memo.SetText(FourLines.c_str());
            form.Memo.SetFocus();
            Select(c.caret, c.caret);
            for (const std::vector<WORD> &chord : c.chords)
                PressKeys(chord);
            const std::string text = c.text.empty() ? FourLines : c.text;
            EXPECT_TRUE(PumpUntil([&] { return PositionText() == c.position && State().text == text; }));
            EXPECT_EQ(PositionText(), c.position);
            EXPECT_EQ(State().text, text);
            // The keyboard stays in the memo, the only control that takes it.
            EXPECT_EQ(GetFocus(), form.Memo.GetHandle());
        }
    }
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

namespace {

// The WM_GETTEXT messages sent to a window of this thread while the hook
// is set.
HWND CountedWindow = nullptr;
int TextRequests = 0;

LRESULT CALLBACK CountTextRequests(int code, WPARAM wParam, LPARAM lParam)
{
    const auto *message = reinterpret_cast<const CWPSTRUCT *>(lParam);
    if (code == HC_ACTION && message->hwnd == CountedWindow && message->message == WM_GETTEXT)
        ++TextRequests;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

// Typing and moving around nearby ask the control only for rows: the text
// is not copied on every key, wrapping or not.
TEST_F(ViewTest, TypingAndMovingNearbyKeepTheLineCountWithoutCopyingTheText)
{
    std::string text;
    for (int line = 1; line <= 200; ++line)
        text += "line " + std::to_string(line) + (line % 7 == 0 ? " " + std::string(400, 'v') : "") + "\r\n";
    for (bool wrapping : {false, true}) {
        SCOPED_TRACE(wrapping ? "wrapping" : "not wrapping");
        if (wrapping)
            Command(form.WordWrapItem);
        form.Memo.SetText(text.c_str());
        // The first look at the end counts the lines; from there on no copy.
        Select(static_cast<int32_t>(text.size()), static_cast<int32_t>(text.size()));
        EXPECT_EQ(PositionText(), "Ln 201, Col 1");
        CountedWindow = form.Memo.GetHandle();
        TextRequests = 0;
        HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CountTextRequests, nullptr, GetCurrentThreadId());
        Type("typed");
        EXPECT_EQ(PositionText(), "Ln 201, Col 6");
        Type("\r");
        EXPECT_EQ(PositionText(), "Ln 202, Col 1");
        // Backspace at a line's start joins it to the line before.
        Type("x\b\b");
        EXPECT_EQ(PositionText(), "Ln 201, Col 6");
        // Up to the last row of a long line, to its end.
        for (UINT key : {VK_UP, VK_UP, VK_UP, VK_UP, VK_UP, VK_END}) {
            SendMessageA(form.Memo.GetHandle(), WM_KEYDOWN, key, 0);
            SendMessageA(form.Memo.GetHandle(), WM_KEYUP, key, 0xC0000001);
        }
        EXPECT_EQ(PositionText(), "Ln 196, Col 410");
        UnhookWindowsHookEx(hook);
        EXPECT_EQ(TextRequests, 0);
    }
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

// Under code page 932 "\x93\xfa\x96\x7b" is two characters of two bytes
// each: Find, Replace and Go To select in the memo what they found in the
// text's bytes, and the status bar counts the line.
TEST_F(ViewTest, FindReplaceAndGoToSelectWhatTheyNameUnderADoubleByteCodePage)
{
    if (!UnderCodePage932())
        GTEST_SKIP() << "runs under code page 932";
    const std::string line = "\x93\xfa\x96\x7b abc";
    form.Memo.SetText((line + "\r\n" + line).c_str());
    Select(0, 0);
    form.SearchText = "abc";
    Command(form.FindNextItem);
    EXPECT_EQ(ShownSelection(form.Memo.GetHandle()), L"abc");
    Command(form.FindNextItem);
    EXPECT_EQ(ShownSelection(form.Memo.GetHandle()), L"abc");
    EXPECT_EQ(PositionText().substr(0, 5), "Ln 2,");
    form.Replacement = "x";
    form.ReplaceOccurrence(form);
    EXPECT_EQ(State().text, line + "\r\n\x93\xfa\x96\x7b x");
    EXPECT_EQ(ShownSelection(form.Memo.GetHandle()), L"abc");
    form.GoToLine(2);
    EXPECT_EQ(PositionText(), "Ln 2, Col 1");
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

// The hourglass while a file is read into the memo, while the memo is made
// anew, and while the whole text is replaced or put back (as the memo sees
// it in the middle of the work), the cursor from before afterwards.
TEST_F(ViewTest, OpeningWordWrapReplaceAllAndUndoShowTheWaitCursorWhileTheyWork)
{
    scratch.Put("doc.kvo", "some text");
    std::vector<HCURSOR> seen;
    form.Memo.CaretMoved = [&] { seen.push_back(GetCursor()); };
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    const auto replaceAll = [&] {
        form.SearchText = "text";
        form.Replacement = "words";
        form.ReplaceAllOccurrences(form);
    };
    for (const std::function<void()> &command :
         {std::function<void()>([&] { form.OpenNamedFile(Path("doc.kvo").c_str()); }),
          std::function<void()>([&] { Command(form.WordWrapItem); }), std::function<void()>(replaceAll),
          std::function<void()>([&] { Command(form.UndoItem); })}) {
        SetCursor(arrow);
        seen.clear();
        command();
        EXPECT_NE(std::find(seen.begin(), seen.end(), LoadCursorA(nullptr, IDC_WAIT)), seen.end());
        EXPECT_EQ(GetCursor(), arrow);
    }
}
