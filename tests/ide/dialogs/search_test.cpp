// Find, Find Next, Find Previous and Replace with the real dialogs and
// message boxes.
#include "editor_fixture.h"
#include "gui_test_support.h"
#include "replace_form.h"
#include "search_form.h"

namespace {

// A selection's 0-based offsets, the end excluded.
struct Range {
    int32_t start;
    int32_t end;
    bool operator==(const Range &other) const { return start == other.start && end == other.end; }
};

std::ostream &operator<<(std::ostream &out, const Range &r)
{
    return out << "{" << r.start << ", " << r.end << "}";
}

enum class Action { FindNext, FindPrevious, Replace, ReplaceAll };

void Click(KVBUTTON &button) { SendMessageA(button.GetHandle(), BM_CLICK, 0, 0); }

} // namespace

class SearchTest : public EditorTest {
  protected:
    Range Selected()
    {
        const KVEDITORMEMO::Selection selection = form.Memo.Selected();
        return {selection.start, selection.end};
    }
    void Select(Range range) { SendMessageA(form.Memo.GetHandle(), EM_SETSEL, range.start, range.end); }
    std::string StatusText() { return Text(form.StatusBar.Message.GetCaption()); }
    // Find, with the dialog answered by typing the text and clicking Find;
    // answers the text the dialog opened with.
    std::string FindThroughDialog(const std::string &text)
    {
        std::string offered;
        answers.FormAction("Search", [&, text](HWND) {
            offered = Text(TheSearchForm->FindEdit.GetText());
            TheSearchForm->FindEdit.SetText(text.c_str());
            Click(TheSearchForm->FindButton);
        });
        Command(form.FindItem);
        return offered;
    }
    // The Replace dialog with its fields filled in, one button clicked,
    // then closed; the message box with this title (none for null) that
    // the button shows is answered with OK.
    void ReplaceThroughDialog(const char *find, const char *replacement, bool matchCase, bool all,
                              const char *messageTitle)
    {
        answers.FormAction("Replace", [=](HWND dialog) {
            TheReplaceForm->FindEdit.SetText(find);
            TheReplaceForm->ReplaceEdit.SetText(replacement);
            TheReplaceForm->MatchCaseBox.SetState(matchCase ? BST_CHECKED : BST_UNCHECKED);
            Click(all ? TheReplaceForm->ReplaceAllButton : TheReplaceForm->ReplaceButton);
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        });
        if (messageTitle)
            answers.MessageBoxAnswer(messageTitle, IDOK);
        Command(form.ReplaceItem);
    }
};

TEST_F(SearchTest, FindSelectsTheFirstOccurrenceAfterTheCaretAndFindNextWalksOnAndWraps)
{
    form.Memo.SetText("abcabc");
    EXPECT_EQ(FindThroughDialog("bc"), "");
    EXPECT_EQ(form.SearchText, "bc");
    EXPECT_EQ(Selected(), (Range{1, 3}));
    Command(form.FindNextItem);
    EXPECT_EQ(Selected(), (Range{4, 6}));
    Command(form.FindNextItem);
    EXPECT_EQ(Selected(), (Range{1, 3}));
    // The dialog opens with the last text; the caret after the first
    // occurrence makes Find go on to the second.
    EXPECT_EQ(FindThroughDialog("bc"), "bc");
    EXPECT_EQ(Selected(), (Range{4, 6}));
    EXPECT_EQ(TheSearchForm, nullptr);
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(SearchTest, FindAndReplaceCommandsWithCaseAndDirection)
{
    struct Case {
        const char *name;
        const char *text;
        int32_t start, end; // the selection
        Action action;
        const char *find;
        bool matchCase;
        const char *replacement;
        // What follows: the text, the selection, and what the user is told
        // ("Cannot find" in a message box, else the status bar's message).
        const char *after;
        int32_t startAfter, endAfter;
        const char *told;
    };
    const Case cases[] = {
        {"case ignored", "aBcabc", 0, 0, Action::FindNext, "bc", false, "", "aBcabc", 1, 3, ""},
        {"case matched", "aBcabc", 0, 0, Action::FindNext, "bc", true, "", "aBcabc", 4, 6, ""},
        {"next wraps", "abcabc", 4, 6, Action::FindNext, "bc", false, "", "abcabc", 1, 3, ""},
        {"previous", "abcabc", 4, 6, Action::FindPrevious, "bc", false, "", "abcabc", 1, 3, ""},
        {"previous wraps", "abcabc", 1, 3, Action::FindPrevious, "BC", false, "", "abcabc", 4, 6, ""},
        {"not found", "abc abc", 2, 5, Action::FindNext, "ABC", true, "", "abc abc", 2, 5,
         "Cannot find \"ABC\""},
        {"not found upward", "abc", 1, 1, Action::FindPrevious, "x", false, "", "abc", 1, 1,
         "Cannot find \"x\""},
        {"replace the selection, find the next", "abcabc", 1, 3, Action::Replace, "BC", false, "x", "axabc",
         3, 5, ""},
        {"a selection that does not match is only found", "abcabc", 0, 0, Action::Replace, "bc", false, "x",
         "abcabc", 1, 3, ""},
        {"a replacement holding the text is not replaced again", "a", 0, 1, Action::Replace, "a", false, "ba",
         "ba", 2, 2, "Cannot find \"a\""},
        {"replace all, case ignored", "a.A.a", 0, 0, Action::ReplaceAll, "a", false, "aa", "aa.aa.aa", 0, 0,
         "Replaced 3 occurrences"},
        {"replace all, case matched", "a.A.a", 0, 0, Action::ReplaceAll, "A", true, "b", "a.b.a", 2, 2,
         "Replaced 1 occurrence"},
        {"replace all, none", "abc", 1, 2, Action::ReplaceAll, "x", false, "y", "abc", 1, 2,
         "Cannot find \"x\""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        form.Memo.SetText(c.text);
        form.Memo.SetModified(KvFalse);
        form.StatusBar.ShowMessage("");
        Select({c.start, c.end});
        const size_t seenBefore = answers.Seen().size();
        const bool notFound = std::string(c.told).rfind("Cannot find", 0) == 0;
        if (c.action == Action::FindNext || c.action == Action::FindPrevious) {
            form.SearchText = c.find;
            form.SearchMatchCase = c.matchCase;
            if (notFound)
                answers.MessageBoxAnswer("Text not found", IDOK);
            Command(c.action == Action::FindNext ? form.FindNextItem : form.FindPreviousItem);
        } else {
            ReplaceThroughDialog(c.find, c.replacement, c.matchCase, c.action == Action::ReplaceAll,
                                 notFound ? "Text not found" : nullptr);
            // The dialog hands its fields on to Find Next and the Find dialog.
            EXPECT_EQ(form.SearchText, c.find);
            EXPECT_EQ(form.SearchMatchCase, c.matchCase);
            EXPECT_EQ(form.Replacement, c.replacement);
        }
        EXPECT_EQ(State().text, c.after);
        EXPECT_EQ(Selected(), (Range{c.startAfter, c.endAfter}));
        EXPECT_TRUE(answers.AllAnswered());
        const auto &seen = answers.Seen();
        EXPECT_EQ(notFound ? seen.back().text : StatusText(), c.told);
        EXPECT_EQ(seen.size() - seenBefore, (notFound ? 1u : 0u) + (c.action >= Action::Replace ? 1u : 0u));
        const bool changed = std::string(c.text) != c.after;
        EXPECT_EQ(State().modified, changed);
        // A replacement is one step that Undo takes back.
        if (changed) {
            Command(form.UndoItem);
            EXPECT_EQ(State().text, c.text);
        }
    }
    // A new text longer than the memo takes is not cut short: the old one
    // stays.
    form.Memo.SetText("aaaa");
    form.Memo.SetMaxLength(6);
    ReplaceThroughDialog("a", "bb", false, true, "Replace All");
    EXPECT_EQ(State().text, "aaaa");
    EXPECT_EQ(answers.Seen().back().text, "Nothing was replaced: the text would be too long.");
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(SearchTest, FindNextAndPreviousWithoutAFindTextOpenTheFindDialogWhoseOptionsThenHold)
{
    form.Memo.SetText("Sub x\nEnd Sub\nsub y");
    Select({6, 6});
    // The close box cancels: nothing is searched, nothing kept.
    answers.FormAction("Search", [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); });
    Command(form.FindNextItem);
    EXPECT_EQ(Selected(), (Range{6, 6}));
    EXPECT_EQ(form.SearchText, "");
    // Shift+F3: the dialog, with Find greyed while the field is empty;
    // Up and Match case chosen there.
    bool greyedWhileEmpty = false;
    answers.FormAction("Search", [&](HWND) {
        greyedWhileEmpty = !TheSearchForm->FindButton.GetEnabled();
        TheSearchForm->FindEdit.SetText("Sub");
        Click(TheSearchForm->UpButton);
        Click(TheSearchForm->MatchCaseBox);
        Click(TheSearchForm->FindButton);
    });
    Command(form.FindPreviousItem);
    EXPECT_TRUE(greyedWhileEmpty);
    EXPECT_EQ(Selected(), (Range{0, 3}));
    EXPECT_TRUE(form.SearchMatchCase);
    EXPECT_TRUE(form.SearchUpward);
    // F3 goes down with the same case: past "sub" to "Sub" of End Sub.
    Command(form.FindNextItem);
    EXPECT_EQ(Selected(), (Range{10, 13}));
    // The dialog opens again with the text selected and the options kept.
    answers.FormAction("Search", [&](HWND dialog) {
        EXPECT_EQ(TheSearchForm->FindEdit.GetSelLength(), 4);
        EXPECT_EQ(TheSearchForm->MatchCaseBox.GetState(), BST_CHECKED);
        EXPECT_EQ(TheSearchForm->UpButton.GetState(), BST_CHECKED);
        EXPECT_EQ(TheSearchForm->DownButton.GetState(), BST_UNCHECKED);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    Command(form.FindItem);
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

// Keys reach the dialogs as in Windows dialogs: Enter presses the default
// button (Find Next in Replace), also from the check box, which Space
// toggles; an arrow key moves between the direction's choices; Escape
// closes the dialog.
TEST_F(SearchTest, TheDialogsAnswerEnterSpaceArrowsAndEscape)
{
    Activate(form);
    form.Memo.SetText("one two one");
    form.SearchText = "one";
    auto press = [](KVCONTROL &control, WORD key) {
        control.SetFocus();
        PostMessageA(control.GetHandle(), WM_KEYDOWN, key, 1);
        PostMessageA(control.GetHandle(), WM_KEYUP, key, 0xC0000001);
    };
    std::vector<Range> found;
    answers.FormAction("Replace", [&](HWND) { press(TheReplaceForm->FindEdit, VK_RETURN); });
    answers.FormAction("Replace", [&](HWND) {
        found.push_back(Selected());
        press(TheReplaceForm->MatchCaseBox, VK_SPACE);
    });
    answers.FormAction("Replace", [&](HWND) { press(TheReplaceForm->MatchCaseBox, VK_RETURN); });
    answers.FormAction("Replace", [&](HWND) {
        found.push_back(Selected());
        press(TheReplaceForm->FindEdit, VK_ESCAPE);
    });
    // Escape closes a dialog whose modal loop runs inside another form's, as
    // the editor's dialogs run inside the main form's (a stand-in's here).
    KVFORM around;
    AfterDelay(10, [&] {
        Command(form.ReplaceItem);
        around.Close();
    });
    around.ShowModal();
    EXPECT_EQ(found, (std::vector<Range>{{0, 3}, {8, 11}}));
    EXPECT_TRUE(form.SearchMatchCase);
    EXPECT_EQ(TheReplaceForm, nullptr);

    // In the Find dialog: Up by an arrow key, then Enter finds upward.
    answers.FormAction("Search", [&](HWND) { press(TheSearchForm->DownButton, VK_UP); });
    answers.FormAction("Search", [&](HWND) { press(TheSearchForm->FindEdit, VK_RETURN); });
    Command(form.FindItem);
    EXPECT_EQ(Selected(), (Range{0, 3}));
    EXPECT_TRUE(form.SearchUpward);
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(SearchTest, TheDialogIsModalAndTheFoundTextScrollsIntoView)
{
    std::string lines;
    for (int i = 0; i < 500; ++i)
        lines += "line " + std::to_string(i) + "\r\n";
    form.Memo.SetText((lines + "needle").c_str());
    bool mainFormEnabled = true;
    answers.FormAction("Search", [&](HWND) {
        mainFormEnabled = IsWindowEnabled(form.GetHandle());
        TheSearchForm->FindEdit.SetText("needle");
        Click(TheSearchForm->FindButton);
    });
    Command(form.FindItem);
    EXPECT_FALSE(mainFormEnabled);
    EXPECT_TRUE(IsWindowEnabled(form.GetHandle()));
    const auto start = static_cast<int32_t>(lines.size());
    EXPECT_EQ(Selected(), (Range{start, start + 6}));
    EXPECT_GT(SendMessageA(form.Memo.GetHandle(), EM_GETFIRSTVISIBLELINE, 0, 0), 400);
}
