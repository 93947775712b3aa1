// Edits and memos on a form: change events, the selection convention,
// password characters and the memo's lines.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

#include "gui_test_support.h"
#include "kvedit.h"

TEST(TextControls, TypingRaisesOneChangePerChangeWithTheControlAsSender)
{
    for (bool memo : {false, true}) {
        SCOPED_TRACE(memo ? "memo" : "edit");
        RecorderForm form;
        std::unique_ptr<KVEDIT> edit = memo ? std::make_unique<KVMEMO>() : std::make_unique<KVEDIT>();
        edit->SetParent(&form);
        EXPECT_EQ(edit->IsA("Memo"), ToKvBool(memo));
        EXPECT_EQ(edit->IsA("edit"), KvTrue);
        Activate(form);
        form.Flush();
        form.events.clear();
        // Translated by the message loop into the characters they type.
        for (UINT key : {UINT('A'), UINT('B'), UINT('C'), UINT(VK_BACK)}) {
            PostMessageA(edit->GetHandle(), WM_KEYDOWN, key, 1);
            PostMessageA(edit->GetHandle(), WM_KEYUP, key, 0xC0000001);
        }
        form.Flush();
        EXPECT_EQ(edit->GetText(), "ab");
        const auto changes = form.EventsOf({eChange});
        EXPECT_EQ(changes.size(), 4u);
        for (const RecordedEvent &change : changes)
            EXPECT_EQ(change.sender, edit.get());
    }
}

TEST(TextControls, SelectionLengthSetIsTheLengthReadBack)
{
    struct Step {
        const char *what;
        std::function<void(KVEDIT &)> act;
        int32_t start, length;
        const char *selected;
    };
    const Step steps[] = {
        {"first six", [](KVEDIT &e) { e.SetSelStart(0), e.SetSelLength(6); }, 0, 6, "hello"},
        {"new start keeps the length", [](KVEDIT &e) { e.SetSelStart(6); }, 6, 6, "world"},
        {"length 1 is empty", [](KVEDIT &e) { e.SetSelLength(1); }, 6, 1, ""},
        {"length 0 reaches nothing before the start", [](KVEDIT &e) { e.SetSelLength(0); }, 6, 1, ""},
        {"past the end stops at the end", [](KVEDIT &e) { e.SetSelLength(100); }, 6, 6, "world"},
        {"replaced", [](KVEDIT &e) { e.SetSelText("there"); }, 11, 1, ""},
        {"cut and pasted", [](KVEDIT &e) { e.SetSelStart(0), e.SetSelLength(7), e.Cut(), e.Paste(); }, 6, 1,
         ""},
    };
    RecorderForm form;
    KVEDIT edit(&form, "hello world", 0, 0, 200, 24);
    for (const Step &step : steps) {
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

TEST(TextControls, MemoLinesAndPositionsAreOneBased)
{
    RecorderForm form;
    KVMEMO memo(&form, "first line\r\nx\r\n\r\nlast", 0, 0, 300, 120);
    EXPECT_EQ(memo.GetLineCount(), 4);
    // Line, its text, the position of its first character.
    const std::tuple<int32_t, const char *, int32_t> lines[] = {
        {1, "first line", 1}, {2, "x", 13}, {3, "", 16}, {4, "last", 18}};
    for (const auto &[line, text, position] : lines) {
        EXPECT_EQ(memo.GetLine(line), text) << "line " << line;
        EXPECT_EQ(memo.LineIndex(line), position) << "line " << line;
        EXPECT_EQ(memo.LineFromChar(position), line) << "position " << position;
    }
    EXPECT_EQ(memo.GetLine(0), "");
    EXPECT_EQ(memo.GetLine(5), "");
}
