// Find and Find Next with the real find dialog and message boxes.
#include "editor_fixture.h"
#include "search_form.h"

namespace {

struct Selection {
    int32_t start;
    int32_t length;
    bool operator==(const Selection &other) const { return start == other.start && length == other.length; }
};

std::ostream &operator<<(std::ostream &out, const Selection &s)
{
    return out << "{start " << s.start << ", length " << s.length << "}";
}

} // namespace

class SearchTest : public EditorTest {
  protected:
    Selection Selected() { return {form.Memo.GetSelStart(), form.Memo.GetSelLength()}; }
    // Find, with the dialog answered by typing the text and clicking Find;
    // answers the text the dialog opened with.
    std::string FindThroughDialog(const std::string &text, bool reportsNotFound = false)
    {
        std::string offered;
        answers.FormAction("Search", [&, text](HWND) {
            offered = Text(TheSearchForm->FindEdit.GetText());
            TheSearchForm->FindEdit.SetText(text.c_str());
            SendMessageA(TheSearchForm->FindButton.GetHandle(), BM_CLICK, 0, 0);
        });
        if (reportsNotFound)
            answers.MessageBoxAnswer("Text not found", IDOK);
        Command(form.FindItem);
        return offered;
    }
};

TEST_F(SearchTest, FindSelectsTheFirstOccurrenceAfterTheCaretAndFindNextWalksOnAndWraps)
{
    form.Memo.SetText("abcabc");
    EXPECT_EQ(FindThroughDialog("bc"), "");
    EXPECT_EQ(form.SearchText, "bc");
    // Characters 2 and 3: zero-based start 1, two characters (length 3).
    EXPECT_EQ(Selected(), (Selection{1, 3}));
    Command(form.FindNextItem);
    EXPECT_EQ(Selected(), (Selection{4, 3}));
    Command(form.FindNextItem);
    EXPECT_EQ(Selected(), (Selection{1, 3}));
    // The dialog opens with the last text; the caret after the first
    // occurrence makes Find go on to the second.
    EXPECT_EQ(FindThroughDialog("bc"), "bc");
    EXPECT_EQ(Selected(), (Selection{4, 3}));
    EXPECT_EQ(TheSearchForm, nullptr);
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(SearchTest, NotFoundIsReportedAndLeavesTheSelection)
{
    form.Memo.SetText("abc abc");
    form.Memo.SetSelStart(2);
    form.Memo.SetSelLength(3);
    FindThroughDialog("ABC", true);
    EXPECT_EQ(answers.Seen().back().text, "Cannot find \"ABC\"");
    EXPECT_EQ(Selected(), (Selection{2, 3}));
    EXPECT_EQ(form.SearchText, "ABC");
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(SearchTest, TheCloseBoxCancelsFindAndTheEmptyTextGoesToTheStart)
{
    form.Memo.SetText("abcabc");
    form.Memo.SetSelStart(3);
    form.SearchText = "c";
    answers.FormAction("Search", [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); });
    Command(form.FindItem);
    EXPECT_EQ(form.SearchText, "c");
    EXPECT_EQ(Selected(), (Selection{3, 1}));

    form.SearchText = "";
    Command(form.FindNextItem);
    EXPECT_EQ(Selected(), (Selection{0, 1}));
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
        SendMessageA(TheSearchForm->FindButton.GetHandle(), BM_CLICK, 0, 0);
    });
    Command(form.FindItem);
    EXPECT_FALSE(mainFormEnabled);
    EXPECT_TRUE(IsWindowEnabled(form.GetHandle()));
    EXPECT_EQ(Selected(), (Selection{static_cast<int32_t>(lines.size()), 7}));
    EXPECT_GT(SendMessageA(form.Memo.GetHandle(), EM_GETFIRSTVISIBLELINE, 0, 0), 400);
}
