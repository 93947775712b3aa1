// Edits and memos on a form: change events, the selection convention,
// password characters, properties, the clipboard and the memo's lines.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "gui_test_support.h"
#include "kvedit.h"

namespace {

// Posts a key press; translating it in the message loop types the character.
void PostKey(HWND window, UINT key)
{
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

struct SelectionStep {
    const char *what;
    std::function<void(KVEDIT &)> act;
    int32_t start;
    int32_t length;
    const char *selected;
};

} // namespace

TEST(TextControls, TypingRaisesOneChangePerChangeWithTheControlAsSender)
{
    const std::function<std::unique_ptr<KVEDIT>()> makers[] = {
        [] { return std::make_unique<KVEDIT>(); },
        [] { return std::make_unique<KVMEMO>(); },
    };
    for (const auto &make : makers) {
        RecorderForm form;
        std::unique_ptr<KVEDIT> edit = make();
        edit->SetParent(&form);
        Activate(form);
        edit->SetFocus();
        form.Flush();
        form.events.clear();
        for (UINT key : {UINT('A'), UINT('B'), UINT('C'), UINT(VK_BACK)})
            PostKey(edit->GetHandle(), key);
        form.Flush();
        SCOPED_TRACE(edit->IsA("Memo") ? "memo" : "edit");
        EXPECT_EQ(edit->GetText(), "ab");
        const auto changes = form.EventsOf({eChange});
        EXPECT_EQ(changes.size(), 4u);
        for (const RecordedEvent &change : changes)
            EXPECT_EQ(change.sender, edit.get());
    }
}

TEST(TextControls, SelectionLengthSetIsTheLengthReadBack)
{
    RecorderForm form;
    KVEDIT edit(&form, "hello world", 0, 0, 200, 24);
    const SelectionStep steps[] = {
        {"first six", [](KVEDIT &e) { e.SetSelStart(0), e.SetSelLength(6); }, 0, 6, "hello"},
        {"new start keeps the length", [](KVEDIT &e) { e.SetSelStart(6); }, 6, 6, "world"},
        {"length 1 is empty", [](KVEDIT &e) { e.SetSelLength(1); }, 6, 1, ""},
        {"length 0 reaches nothing before the start", [](KVEDIT &e) { e.SetSelLength(0); }, 6, 1, ""},
        {"past the end stops at the end", [](KVEDIT &e) { e.SetSelLength(100); }, 6, 6, "world"},
        {"replaced", [](KVEDIT &e) { e.SetSelText("there"); }, 11, 1, ""},
        {"whole text", [](KVEDIT &e) { e.SetSelStart(0), e.SetSelLength(12); }, 0, 12, "hello there"},
    };
    for (const SelectionStep &step : steps) {
        SCOPED_TRACE(step.what);
        step.act(edit);
        EXPECT_EQ(edit.GetSelStart(), step.start);
        EXPECT_EQ(edit.GetSelLength(), step.length);
        EXPECT_EQ(edit.GetSelText(), step.selected);
    }
    EXPECT_EQ(edit.GetText(), "hello there");

    // In a memo the offsets count both characters of a line break.
    KVMEMO memo(&form, "ab\r\ncd", 0, 30, 200, 60);
    memo.SetSelStart(1);
    memo.SetSelLength(5);
    EXPECT_EQ(memo.GetSelText(), "b\r\nc");
}

TEST(TextControls, PasswordCharacterRoundTrips)
{
    RecorderForm form;
    KVEDIT edit;
    edit.SetParent(&form);
    EXPECT_EQ(edit.GetPasswordChar(), "");
    const std::pair<const char *, const char *> cases[] = {{"*", "*"}, {"#x", "#"}, {"", ""}};
    for (const auto &[given, expected] : cases) {
        edit.SetPasswordChar(given);
        EXPECT_EQ(edit.GetPasswordChar(), expected) << "given \"" << given << "\"";
    }
}

TEST(TextControls, PropertiesReadBackWhatWasSet)
{
    RecorderForm form;
    KVMEMO memo;
    memo.SetParent(&form);
    EXPECT_EQ(memo.GetHideSelection(), KvTrue);
    EXPECT_EQ(memo.GetReadOnly(), KvFalse);
    struct Flag {
        const char *name;
        void (KVEDIT::*set)(KvBool);
        KvBool (KVEDIT::*get)();
    };
    const Flag flags[] = {{"read-only", &KVEDIT::SetReadOnly, &KVEDIT::GetReadOnly},
                          {"hide selection", &KVEDIT::SetHideSelection, &KVEDIT::GetHideSelection},
                          {"modified", &KVEDIT::SetModified, &KVEDIT::GetModified}};
    for (const Flag &flag : flags) {
        for (KvBool value : {KvTrue, KvFalse, KvTrue}) {
            (memo.*flag.set)(value);
            EXPECT_EQ((memo.*flag.get)(), value) << flag.name;
        }
    }
    memo.SetMaxLength(5);
    EXPECT_EQ(memo.GetMaxLength(), 5);
    memo.SetTabWidth(16);
    EXPECT_EQ(memo.GetTabWidth(), 16);
}

TEST(TextControls, ClipboardAndUndoWorkOnTheSelection)
{
    RecorderForm form;
    KVEDIT edit(&form, "hello world", 0, 0, 200, 24);
    edit.SetSelStart(0);
    edit.SetSelLength(7);
    edit.Cut();
    EXPECT_EQ(edit.GetText(), "world");
    edit.SetSelStart(5);
    edit.Paste();
    EXPECT_EQ(edit.GetText(), "worldhello ");
    edit.Undo();
    EXPECT_EQ(edit.GetText(), "world");
    edit.SetSelStart(0);
    edit.SetSelLength(3);
    edit.Copy();
    edit.Clear();
    EXPECT_EQ(edit.GetText(), "rld");
    edit.Paste();
    EXPECT_EQ(edit.GetText(), "world");
}

TEST(TextControls, MemoLinesAndPositionsAreOneBased)
{
    RecorderForm form;
    KVMEMO memo(&form, "first line\r\nx\r\n\r\nlast", 0, 0, 300, 120);
    EXPECT_EQ(memo.GetLineCount(), 4);
    const std::pair<int32_t, const char *> lines[] = {{1, "first line"}, {2, "x"}, {3, ""},
                                                      {4, "last"},       {5, ""},  {0, ""}};
    for (const auto &[number, text] : lines)
        EXPECT_EQ(memo.GetLine(number), text) << "line " << number;
    const std::pair<int32_t, int32_t> starts[] = {{1, 1}, {2, 13}, {3, 16}, {4, 18}};
    for (const auto &[line, position] : starts) {
        EXPECT_EQ(memo.LineIndex(line), position) << "line " << line;
        EXPECT_EQ(memo.LineFromChar(position), line) << "position " << position;
    }
    EXPECT_EQ(memo.LineFromChar(10), 1);
}
