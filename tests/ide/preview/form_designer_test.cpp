// The form designer in the editor's preview: selection and keys, moves and
// resizes by keys and mouse written into the text as single undo steps,
// controls added and deleted, the jump to the text and back, and the preview
// following the text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor_fixture.h"
#include "editor_messages.h"
#include "form_messages.h"
#include "gui_test_support.h"
#include "kvmemorystream.h"
#include "preview_event_table.h"
#include "translate_form.h"

namespace {

KVSTRING Kv(const std::string &text) { return KVSTRING(text.data(), static_cast<int32_t>(text.size())); }

// Objects: 0 Demo, 1 Ok, 2 Box, 3 Name (placed by an expression), 4 Tick.
const std::string Form = "Demo AS FORM\r\n"
                         "  Width = 320\r\n"
                         "  Height = 240\r\n"
                         "  Ok AS KvButton\r\n"
                         "    Caption = \"OK\"\r\n"
                         "    Left = 8\r\n"
                         "    Top = 8\r\n"
                         "    Width = 75\r\n"
                         "    Height = 25\r\n"
                         "  END\r\n"
                         "  Box AS KvPanel\r\n"
                         "    Left = 8\r\n"
                         "    Top = 48\r\n"
                         "    Width = 200\r\n"
                         "    Height = 100\r\n"
                         "    Name AS KvLabel\r\n"
                         "      Left = 4 * 2\r\n"
                         "    END\r\n"
                         "  END\r\n"
                         "  Tick AS KvTimer\r\n"
                         "  END\r\n"
                         "END\r\n";

std::string Replaced(std::string text, const std::string &from, const std::string &to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

class DesignerTest : public EditorTest {
  protected:
    void SetUp() override
    {
        form.Memo.SetText(Kv(Form));
        form.Memo.SetModified(KvFalse);
        Activate(form);
        Command(form.PreviewItem);
        ASSERT_NE(form.Preview.Designer(), nullptr);
    }

    FormDesigner &Designer() { return *form.Preview.Designer(); }
    HWND PreviewWindow() { return form.Preview.Window()->GetHandle(); }
    std::string Status() { return Text(form.StatusBar.Message.GetCaption()); }
    std::string MemoText() { return Text(form.Memo.GetText()); }

    // A key (with a modifier held) typed while the preview has the
    // keyboard; answers once the status bar or the text has changed. Real
    // keys go through the X server, slow on a busy machine.
    void Key(WORD key, WORD modifier = 0)
    {
        form.Preview.TakeKeyboard();
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == PreviewWindow(); }));
        const std::string status = Status(), text = MemoText();
        if (modifier)
            SendKey(modifier, 0);
        PressKey(key);
        if (modifier)
            SendKey(modifier, KEYEVENTF_KEYUP);
        PumpUntil([&] { return Status() != status || MemoText() != text; }, 10000);
    }

    // A mouse message at a point of the screen, posted to the window there
    // as the system posts it.
    void Mouse(UINT message, POINT screen)
    {
        SetCursorPos(screen.x, screen.y);
        HWND window = WindowFromPoint(screen);
        POINT client = screen;
        ScreenToClient(window, &client);
        PostMessageA(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                     MAKELPARAM(client.x, client.y));
        PumpUntil([] { return false; }, 50);
    }

    void DragFrom(POINT screen, int dx, int dy)
    {
        Mouse(WM_LBUTTONDOWN, screen);
        Mouse(WM_MOUSEMOVE, {screen.x + dx / 2, screen.y + dy / 2});
        Mouse(WM_MOUSEMOVE, {screen.x + dx, screen.y + dy});
        Mouse(WM_LBUTTONUP, {screen.x + dx, screen.y + dy});
    }

    KVCONTROL &Ok() { return *form.Preview.Window()->GetChild(1); }

    std::vector<int32_t> Bounds(KVCONTROL &control)
    {
        return {control.GetLeft(), control.GetTop(), control.GetWidth(), control.GetHeight()};
    }

    POINT ScreenPoint(KVCONTROL &control, int x, int y)
    {
        POINT point{x, y};
        ClientToScreen(control.GetHandle(), &point);
        return point;
    }
};

int MarkWindows(HWND parent)
{
    int count = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = {};
        GetClassNameA(child, name, sizeof name);
        count += lstrcmpiA(name, "static") == 0 &&
                 (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BLACKRECT;
    }
    return count;
}

} // namespace

TEST_F(DesignerTest, KeysSelectInTheTextsOrderMoveAndResizeAndEachMoveIsOneUndoStep)
{
    const char *const selections[][2] = {{nullptr, "Ok (KvButton): 8, 8, 75 x 25"},
                                         {nullptr, "Box (KvPanel): 8, 48, 200 x 100"},
                                         {nullptr, "Name (KvLabel): "},
                                         {nullptr, "Demo (Form): "},
                                         {"shift", "Name (KvLabel): "},
                                         {"escape", "Box (KvPanel): "},
                                         {"escape", "Demo (Form): "},
                                         {nullptr, "Ok (KvButton): "}};
    for (const auto &step : selections) {
        const bool escape = step[0] && std::string(step[0]) == "escape";
        Key(escape ? VK_ESCAPE : VK_TAB, step[0] && !escape ? VK_SHIFT : 0);
        EXPECT_EQ(Status().rfind(step[1], 0), 0u) << Status();
        // The form's mark lies inside it, a control's in its parent.
        if (Status().rfind("Demo (Form)", 0) == 0) {
            EXPECT_EQ(MarkWindows(PreviewWindow()), 12);
        }
    }
    EXPECT_EQ(MarkWindows(PreviewWindow()), 12);
    EXPECT_EQ(MemoText(), Form);

    Key(VK_RIGHT);
    Key(VK_DOWN, VK_CONTROL);
    Key(VK_RIGHT, VK_SHIFT);
    const std::string moved = Replaced(Form, "    Left = 8\r\n    Top = 8\r\n    Width = 75",
                                       "    Left = 9\r\n    Top = 16\r\n    Width = 76");
    EXPECT_EQ(MemoText(), moved);
    EXPECT_EQ(Bounds(Ok()), (std::vector<int32_t>{9, 16, 76, 25}));
    EXPECT_EQ(Status(), "Ok (KvButton): 9, 16, 76 x 25");
    EXPECT_TRUE(form.Memo.GetModified());

    // A place written as an expression can be selected but not moved.
    Designer().Select(3);
    Key(VK_RIGHT);
    EXPECT_EQ(Status(), "Name's Left is set by an expression on line 17; it cannot be moved");
    EXPECT_EQ(MemoText(), moved);

    // Ctrl+Z in the preview undoes the last move in the memo, and the
    // preview follows the text.
    Key('Z', VK_CONTROL);
    EXPECT_EQ(MemoText(), Replaced(moved, "Width = 76", "Width = 75"));
    EXPECT_TRUE(PumpUntil([&] { return Ok().GetWidth() == 75; }));
    EXPECT_EQ(Bounds(Ok()), (std::vector<int32_t>{9, 16, 75, 25}));
}

// Controls come and go as blocks of the text, which kvf translates, and
// the preview made anew from the text shows each where the designer did.
TEST_F(DesignerTest, AddedAndDeletedControlsAreBlocksOfTheTextThatTheFormCompilerTranslates)
{
    Designer().Select(2);
    Command(form.AddButtonItem);
    EXPECT_EQ(Status(), "Button1 (KvButton): 120, 8, 75 x 25");
    // A control selected: the new one goes into the block around it, on
    // the first free place (the label Name takes the panel's corner).
    Command(form.AddLabelItem);
    EXPECT_EQ(Status(), "Label1 (KvLabel): 8, 24, 100 x 20");
    const std::string added =
        Replaced(Form, "    END\r\n  END\r\n  Tick",
                 "    END\r\n"
                 "    Button1 AS KvButton\r\n      Caption = \"Button1\"\r\n"
                 "      Left = 120\r\n      Top = 8\r\n      Width = 75\r\n      Height = 25\r\n"
                 "    END\r\n"
                 "    Label1 AS KvLabel\r\n      Caption = \"Label1\"\r\n"
                 "      Left = 8\r\n      Top = 24\r\n      Width = 100\r\n      Height = 20\r\n"
                 "    END\r\n  END\r\n  Tick");
    EXPECT_EQ(MemoText(), added);
    EventTable events;
    ASSERT_EQ(LoadPreviewEventTable(events), nullptr);
    KVMEMORYSTREAM input(0, 64), output(0, 64);
    input.Write(added.data(), static_cast<int32_t>(added.size()));
    input.Seek(0);
    EXPECT_FALSE(TranslateForm(input, output, events).has_value());

    KVCONTROL &label = *form.Preview.Window()->GetChild(2)->GetChild(3);
    EXPECT_EQ(Bounds(label), (std::vector<int32_t>{8, 24, 100, 20}));
    const std::vector<int32_t> designed = Bounds(label);
    Command(form.PreviewItem);
    EXPECT_EQ(Bounds(*form.Preview.Window()->GetChild(2)->GetChild(3)), designed);

    Key(VK_DELETE);
    EXPECT_EQ(MemoText(), Replaced(added,
                                   "    Label1 AS KvLabel\r\n      Caption = \"Label1\"\r\n      Left = 8\r\n"
                                   "      Top = 24\r\n      Width = 100\r\n      Height = 20\r\n    END\r\n",
                                   ""));
    EXPECT_EQ(Status().rfind("Box (KvPanel)", 0), 0u) << Status();
    Key(VK_ESCAPE);
    Key(VK_DELETE);
    EXPECT_EQ(Status(), EditorMessage::FormNotDeleted);

    form.Preview.Close();
    const std::string text = MemoText();
    Command(form.AddMemoItem);
    EXPECT_EQ(Status(), EditorMessage::DesignWithoutPreview);
    EXPECT_EQ(MemoText(), text);
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

// The mouse moves and resizes on the grid; a double-click jumps to the
// declaration, and F12 gives the preview the keyboard back.
TEST_F(DesignerTest, TheMouseMovesAndResizesOnTheGridAndADoubleClickJumpsToTheText)
{
    DragFrom(ScreenPoint(Ok(), 30, 10), 20, 10);
    EXPECT_EQ(Bounds(Ok()), (std::vector<int32_t>{32, 16, 75, 25}));
    // The bottom right handle lies just outside the control's corner.
    DragFrom(ScreenPoint(Ok(), 75 + 3, 25 + 3), 10, 3);
    EXPECT_EQ(Bounds(Ok()), (std::vector<int32_t>{32, 16, 88, 32}));
    EXPECT_EQ(MemoText(), Replaced(Form, "    Left = 8\r\n    Top = 8\r\n    Width = 75\r\n    Height = 25",
                                   "    Left = 32\r\n    Top = 16\r\n    Width = 88\r\n    Height = 32"));

    Mouse(WM_LBUTTONDOWN, ScreenPoint(Ok(), 5, 5));
    Mouse(WM_LBUTTONUP, ScreenPoint(Ok(), 5, 5));
    Mouse(WM_LBUTTONDOWN, ScreenPoint(Ok(), 5, 5));
    Mouse(WM_LBUTTONUP, ScreenPoint(Ok(), 5, 5));
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == form.Memo.GetHandle(); }));
    EXPECT_EQ(Text(form.Memo.GetSelText()), "  Ok AS KvButton");

    Command(form.PreviewItem);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == PreviewWindow(); }));
}

// The frame sized by the user gives the form its Width and Height; a text
// that stops being a form keeps the last good preview, and the preview
// follows the text again once it is one.
TEST_F(DesignerTest, TheFramesSizeIsWrittenAndThePreviewFollowsTheTextKeepingTheLastGoodOne)
{
    KVFORM &window = *form.Preview.Window();
    SendMessageA(window.GetHandle(), WM_ENTERSIZEMOVE, 0, 0);
    window.SetBounds(window.GetLeft(), window.GetTop(), 360, 260);
    SendMessageA(window.GetHandle(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(MemoText(),
              Replaced(Form, "  Width = 320\r\n  Height = 240", "  Width = 360\r\n  Height = 260"));

    // Replaced as a paste replaces the text, which the edit control reports.
    Designer().Select(1);
    form.Memo.ReplaceAllText(Kv(Replaced(Form, "  END\r\nEND", "  END\r\n  what\r\nEND")));
    EXPECT_TRUE(PumpUntil([&] {
        return Status() == std::string("Preview: line 22: ") + FormMessage::UnknownStatement;
    })) << Status();
    EXPECT_EQ(form.Preview.Window(), &window);

    form.Memo.ReplaceAllText(Kv(Replaced(Form, "Caption = \"OK\"", "Caption = \"Fine\"")));
    ASSERT_TRUE(PumpUntil([&] { return form.Preview.Window() && Ok().GetCaption() == "Fine"; }));
    EXPECT_EQ(Designer().Selected(), 1);

    // A size written as an expression stays, and so does the window's.
    const std::string computed = Replaced(Form, "  Width = 320", "  Width = 300 + 20");
    form.Memo.ReplaceAllText(Kv(computed));
    // Not applied, the expression leaves the window its default width.
    ASSERT_TRUE(PumpUntil([&] { return form.Preview.Window() && form.Preview.Window()->GetWidth() == 400; }));
    KVFORM &again = *form.Preview.Window();
    const int32_t width = again.GetWidth();
    SendMessageA(again.GetHandle(), WM_ENTERSIZEMOVE, 0, 0);
    again.SetBounds(again.GetLeft(), again.GetTop(), width + 40, 260);
    SendMessageA(again.GetHandle(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(Status(), "Demo's Width is set by an expression on line 2; it cannot be resized");
    EXPECT_EQ(again.GetWidth(), width);
    EXPECT_EQ(MemoText(), computed);
}

// In the middle of things: a label, whose window lets the mouse through, is
// selected by a click; a control placed by an expression is not moved by a
// key either; a held Del deletes once, not then the parent it selects; keys
// wait while the mouse drags; and the preview is not made anew while a
// modal dialog runs or a drag goes on, but once they are over.
TEST_F(DesignerTest, LabelsHeldKeysDragsAndModalDialogsLeaveTheDesignAsTheUserMeantIt)
{
    KVCONTROL &name = *form.Preview.Window()->GetChild(2)->GetChild(1);
    Mouse(WM_LBUTTONDOWN, ScreenPoint(name, 3, 3));
    Mouse(WM_LBUTTONUP, ScreenPoint(name, 3, 3));
    EXPECT_EQ(Status().rfind("Name (KvLabel): ", 0), 0u) << Status();
    Key(VK_DOWN);
    EXPECT_EQ(Status(), "Name's Left is set by an expression on line 17; it cannot be moved");
    EXPECT_EQ(MemoText(), Form);

    Key(VK_DELETE);
    const std::string deleted =
        Replaced(Form, "    Name AS KvLabel\r\n      Left = 4 * 2\r\n    END\r\n", "");
    EXPECT_EQ(MemoText(), deleted);
    PostMessageA(PreviewWindow(), WM_KEYDOWN, VK_DELETE, 1 | (1 << 30));
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(MemoText(), deleted);

    const std::string renamed = Replaced(deleted, "Caption = \"OK\"", "Caption = \"Fine\"");
    const auto previewFollowed = [&] { return form.Preview.Window() && Ok().GetCaption() == "Fine"; };
    Mouse(WM_LBUTTONDOWN, ScreenPoint(Ok(), 5, 5));
    form.Memo.ReplaceAllText(Kv(renamed));
    PostMessageA(PreviewWindow(), WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_FALSE(PumpUntil(previewFollowed, 700));
    Mouse(WM_LBUTTONUP, ScreenPoint(Ok(), 5, 5));
    EXPECT_TRUE(PumpUntil(previewFollowed));
    EXPECT_EQ(MemoText(), renamed);

    form.Memo.ReplaceAllText(Kv(deleted));
    EnableWindow(form.GetHandle(), FALSE);
    EXPECT_FALSE(PumpUntil([&] { return Ok().GetCaption() == "OK"; }, 700));
    EnableWindow(form.GetHandle(), TRUE);
    EXPECT_TRUE(PumpUntil([&] { return form.Preview.Window() && Ok().GetCaption() == "OK"; }));
}

// Under code page 932 "\x93\xfa\x96\x7b" is two characters of two bytes
// each: a move after such a caption changes the bytes of its own line.
TEST_F(DesignerTest, DesignEditsChangeTheirOwnBytesUnderADoubleByteCodePage)
{
    if (!UnderCodePage932())
        GTEST_SKIP() << "runs under code page 932";
    const std::string japanese = Replaced(Form, "Caption = \"OK\"", "Caption = \"\x93\xfa\x96\x7b\"");
    form.Memo.SetText(Kv(japanese));
    Command(form.PreviewItem);
    Designer().Select(1);
    Key(VK_RIGHT);
    EXPECT_EQ(MemoText(), Replaced(japanese, "    Left = 8\r\n    Top = 8", "    Left = 9\r\n    Top = 8"));
}
