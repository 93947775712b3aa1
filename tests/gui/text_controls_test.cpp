// Edits and memos on a form: change events, the selection convention,
// password characters and the memo's lines.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
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

// Under code page 932 "\x93\xfa\x96\x7b" is two characters of two bytes
// each. The offsets count bytes of the text as GetText answers it, also
// where the control counts characters, and the control shows selected what
// they name, also in a window made anew.
TEST(TextControls, OffsetsCountTheBytesOfTheTextUnderADoubleByteCodePage)
{
    if (!UnderCodePage932())
        GTEST_SKIP() << "runs under code page 932";
    RecorderForm form;
    const std::string text = std::string("\x93\xfa\x96\x7b ab\r\n\x93\xfa") + "cd";
    KVMEMO memo(&form, text.c_str(), 0, 0, 300, 120);
    memo.SetSelStart(5);
    memo.SetSelLength(3);
    EXPECT_EQ(memo.GetSelText(), "ab");
    EXPECT_EQ(ShownSelection(memo.GetHandle()), L"ab");
    EXPECT_EQ(memo.LineIndex(2), 10);
    EXPECT_EQ(memo.LineFromChar(14), 2);
    memo.SetSelStart(11);
    EXPECT_EQ(ShownSelection(memo.GetHandle()), L"cd");
    memo.SetWordWrap(KvFalse);
    EXPECT_EQ(memo.GetSelStart(), 11);
    EXPECT_EQ(memo.GetSelLength(), 3);
    EXPECT_EQ(ShownSelection(memo.GetHandle()), L"cd");
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

TEST(TextControls, MemoScrollBarsAndWrapComeWithTheWindowOrMakeItAnew)
{
    RecorderForm form;
    struct Case {
        bool scrollBars;
        bool wordWrap;
        LONG style;
    };
    // The default is the plain wrapping memo.
    const Case cases[] = {{false, true, 0},
                          {true, true, WS_VSCROLL},
                          {true, false, WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL},
                          {false, false, ES_AUTOHSCROLL}};
    const LONG watched = WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL;
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.scrollBars << c.wordWrap);
        KVMEMO before;
        before.SetScrollBars(ToKvBool(c.scrollBars));
        before.SetWordWrap(ToKvBool(c.wordWrap));
        before.SetParent(&form);
        EXPECT_EQ(GetWindowLongA(before.GetHandle(), GWL_STYLE) & watched, c.style);

        KVMEMO after(&form, "one\r\ntwo", 5, 6, 150, 70);
        after.SetReadOnly(KvTrue);
        after.SetModified(KvTrue);
        after.SetSelStart(2);
        after.SetSelLength(4);
        // Made anew while it has the focus, it keeps it, and for the
        // program the focus never moved.
        Activate(form);
        after.SetFocus();
        form.Flush();
        form.events.clear();
        HWND old = after.GetHandle();
        after.SetScrollBars(ToKvBool(c.scrollBars));
        after.SetWordWrap(ToKvBool(c.wordWrap));
        form.Flush();
        EXPECT_EQ(GetFocus(), after.GetHandle());
        EXPECT_TRUE(form.EventsOf({eGotFocus, eLostFocus}).empty());
        EXPECT_EQ(GetWindowLongA(after.GetHandle(), GWL_STYLE) & watched, c.style);
        EXPECT_EQ(after.GetScrollBars() != KvFalse, c.scrollBars);
        EXPECT_EQ(after.GetWordWrap() != KvFalse, c.wordWrap);
        if (after.GetHandle() != old) {
            EXPECT_FALSE(IsWindow(old));
        }
        EXPECT_EQ(FindControl(after.GetHandle()), &after);
        EXPECT_EQ(after.GetText(), "one\r\ntwo");
        EXPECT_EQ(after.GetSelStart(), 2);
        EXPECT_EQ(after.GetSelLength(), 4);
        EXPECT_TRUE(after.GetModified());
        EXPECT_TRUE(after.GetReadOnly());
        EXPECT_EQ(after.GetLeft(), 5);
        EXPECT_EQ(after.GetTop(), 6);
        EXPECT_EQ(after.GetWidth(), 150);
        EXPECT_EQ(after.GetHeight(), 70);
    }
}
