// The form preview: example forms and literal properties built into real
// windows, errors as the form compiler reports them, and the Build menu's
// command in the editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "editor_fixture.h"
#include "event_table_file.h"
#include "form_messages.h"
#include "form_preview.h"
#include "gui_test_support.h"
#include "kvbutton.h"
#include "kvmemorystream.h"
#include "preview_builder.h"
#include "preview_placeholder.h"
#include "translate_form.h"

namespace {

namespace fs = std::filesystem;

const fs::path Source = KELVO_SOURCE_DIR;

std::string ReadAll(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

KVSTRING Kv(const std::string &text) { return KVSTRING(text.data(), static_cast<int32_t>(text.size())); }

EventTable LoadTable(const fs::path &path)
{
    EventTable events;
    EXPECT_EQ(LoadEventTableFile(Kv(path.string()), events), nullptr) << path;
    return events;
}

std::string Kind(KVCONTROL &control)
{
    if (auto *box = dynamic_cast<KVPLACEHOLDER *>(&control))
        return "[" + Text(box->GetLabel()) + "]";
    if (dynamic_cast<KVMEMO *>(&control))
        return "Memo";
    if (dynamic_cast<KVEDIT *>(&control))
        return "Edit";
    if (dynamic_cast<KVBUTTON *>(&control))
        return "Button";
    if (dynamic_cast<KVLABEL *>(&control))
        return "Label";
    return "?";
}

// One line per control, indented by its depth: kind, caption, place and
// size, and "hidden" or "disabled"; each window's parent is checked too.
void DescribeControls(KVCONTROL &parent, int depth, std::string &out)
{
    for (int32_t i = 1; i <= parent.GetChildCount(); ++i) {
        KVCONTROL &child = *parent.GetChild(i);
        EXPECT_EQ(GetParent(child.GetHandle()), parent.GetHandle()) << Text(child.GetCaption());
        std::ostringstream line;
        line << std::string(2 * depth, ' ') << Kind(child) << " \"" << Text(child.GetCaption()) << "\" "
             << child.GetLeft() << "," << child.GetTop() << " " << child.GetWidth() << "x"
             << child.GetHeight() << (IsWindowVisible(child.GetHandle()) ? "" : " hidden")
             << (IsWindowEnabled(child.GetHandle()) ? "" : " disabled") << "\n";
        out += line.str();
        DescribeControls(child, depth + 1, out);
    }
}

std::string ShortcutOf(UINT id)
{
    for (KVMENUITEM *item = MenuItemList; item != nullptr; item = item->NextInList()) {
        if (item->GetID() == id)
            return Text(item->GetShortcut());
    }
    return "?";
}

void DescribeMenu(HMENU menu, int depth, std::string &out)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STATE;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        out += std::string(2 * depth, ' ') + "Menu \"" + text + "\" " + ShortcutOf(info.wID) +
               ((info.fState & MFS_CHECKED) ? " checked" : "") + "\n";
        if (info.hSubMenu != nullptr)
            DescribeMenu(info.hSubMenu, depth + 1, out);
    }
}

// The whole preview window: title, size, menu bar and controls.
std::string Describe(KVFORM &form)
{
    std::ostringstream head;
    head << "Form \"" << Text(form.GetCaption()) << "\" " << form.GetWidth() << "x" << form.GetHeight()
         << "\n";
    std::string out = head.str();
    if (HMENU bar = GetMenu(form.GetHandle()))
        DescribeMenu(bar, 1, out);
    DescribeControls(form, 1, out);
    return out;
}

// Lets what the last command caused (activation, focus) happen.
void Settle()
{
    PumpUntil([] { return false; }, 100);
}

// Real input, as the user's keyboard and mouse give it: Ctrl or Alt held.
void PressWith(BYTE modifier, WORD key)
{
    keybd_event(modifier, 0, 0, 0);
    PressKey(key);
    keybd_event(modifier, 0, KEYEVENTF_KEYUP, 0);
}

// Clicks the middle of the close box in the window's caption.
void ClickCloseBox(HWND window)
{
    RECT frame, box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    GetWindowRect(window, &frame);
    for (LONG y = frame.top; y < frame.top + 60; ++y) {
        for (LONG x = frame.right - 100; x < frame.right; ++x) {
            if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
        }
    }
    ASSERT_LE(box.left, box.right) << "no close box";
    POINT middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    ScreenToClient(window, &middle);
    ClickAt(window, middle.x, middle.y);
}

class FormPreviewTest : public ::testing::Test {
  protected:
    PreviewReport Show(const std::string &text) { return preview.Show(Kv(text), events); }

    EventTable events = LoadTable(Source / "formc" / "kvf.evt");
    KVFORM owner;
    FormPreview preview{owner};
};

struct ExampleForm {
    const char *file;
    const char *windows;
    int32_t skippedLines;
    int32_t firstSkippedLine;
};

const ExampleForm ExampleForms[] = {
    {"editor_menu",
     "Form \"Notes\" 640x480\n"
     "  Menu \"&File\" \n"
     "    Menu \"&New\" +ctrl+n\n"
     "    Menu \"&Open...\" +ctrl+o\n"
     "    Menu \"&Save\" +ctrl+s\n"
     "    Menu \"E&xit\" \n"
     "  Menu \"&Help\" \n"
     "    Menu \"&About\" +f1\n"
     "  Memo \"\" 0,0 120x20\n",
     0, 0},
    {"settings_dialog",
     "Form \"Settings\" 420x300\n"
     "  [GeneralPanel: KvPanel] \"\" 8,8 396x120\n"
     "    Label \"User name:\" 8,12 120x20\n"
     "    Edit \"\" 100,8 280x20\n"
     "    Label \"Work folder:\" 8,44 120x20\n"
     "    Edit \"\" 100,40 240x20\n"
     "    Button \"...\" 348,40 32x25\n"
     "  [ButtonPanel: KvPanel] \"\" 8,236 396x40\n"
     "    Button \"OK\" 220,0 75x25\n"
     "    Button \"Cancel\" 308,0 75x25\n",
     0, 0},
    {"event_monitor",
     "Form \"Event monitor\" 400x300\n"
     "  Edit \"\" 0,0 200x20\n",
     0, 0},
};

} // namespace

TEST_F(FormPreviewTest, ExampleFormsAreBuiltWithTheirControlsMenusAndPlaceholders)
{
    for (const ExampleForm &example : ExampleForms) {
        SCOPED_TRACE(example.file);
        const PreviewReport report = Show(ReadAll(Source / "examples" / "forms" / example.file));
        ASSERT_TRUE(report.Shown()) << report.Summary();
        KVFORM *window = preview.Window();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Describe(*window), example.windows);
        EXPECT_TRUE(IsWindowVisible(window->GetHandle()));
        EXPECT_EQ(GetWindow(window->GetHandle(), GW_OWNER), owner.GetHandle());
        EXPECT_EQ(report.skippedLines, example.skippedLines);
        EXPECT_EQ(report.firstSkippedLine, example.firstSkippedLine);
    }
}

TEST_F(FormPreviewTest, LiteralPropertiesGoThroughTheirSettersAndEveryOtherLineIsCounted)
{
    const PreviewReport report = Show("' literal and other values\n"
                                      "Props AS form\n"
                                      "  caption = \"Props\"\n"
                                      "  Width = 300 + 20\n"
                                      "  HEIGHT = 200\n"
                                      "  Go AS kvbutton\n"
                                      "    CAPTION = \"Go = now\"\n"
                                      "    Left = -4\n"
                                      "    Top = 10\n"
                                      "    Enabled = false\n"
                                      "    Caption = Title$\n"
                                      "    Wobble = 3\n"
                                      "    Width = \"wide\"\n"
                                      "    Font.Size = 12\n"
                                      "  END\n"
                                      "  Box AS KvPanel\n"
                                      "    Left = 20\n"
                                      "    Top = 40\n"
                                      "    Width = 150\n"
                                      "    Height = 90\n"
                                      "    Caption = \"a panel\"\n"
                                      "    Note AS KvMemo\n"
                                      "      Text = \"x\" + \"y\"\n"
                                      "      Text = \"a=b\"\n"
                                      "      Visible = False\n"
                                      "    END\n"
                                      "  END\n"
                                      "  Tick AS KvTimer\n"
                                      "    Interval = 5\n"
                                      "  END\n"
                                      "  Bar AS KvMainMenu\n"
                                      "    Caption = \"bar\"\n"
                                      "    Quit AS KvMenuItem\n"
                                      "      Caption = \"&Quit\"\n"
                                      "      ShortCut = \"Ctrl+Shift+Q\"\n"
                                      "      Checked = True\n"
                                      "    END\n"
                                      "  END\n"
                                      "  Stray AS KvMenuItem\n"
                                      "  END\n"
                                      "END\n");
    ASSERT_TRUE(report.Shown()) << report.Summary();
    EXPECT_EQ(Describe(*preview.Window()), "Form \"Props\" 400x200\n"
                                           "  Menu \"&Quit\" +ctrl+shift+q checked\n"
                                           "  Button \"Go = now\" -4,10 75x25 disabled\n"
                                           "  [Box: KvPanel] \"\" 20,40 150x90\n"
                                           "    Memo \"a=b\" 0,0 120x20 hidden\n");
    // Width = 300 + 20, Caption = Title$, Wobble, Width = "wide", Font.Size,
    // the panel's caption, Text = "x" + "y", the timer's interval and the
    // menu bar's caption.
    EXPECT_EQ(report.skippedLines, 9);
    EXPECT_EQ(report.firstSkippedLine, 4);
    EXPECT_EQ(report.notShown, (std::vector<std::string>{"Tick (KvTimer)", "Stray (KvMenuItem)"}));
    EXPECT_EQ(report.Summary(), "Preview: 9 line(s) not previewed, the first at line 4; not shown: Tick "
                                "(KvTimer) Stray (KvMenuItem)");
}

// A control's place lines move its window once, so a setter between them
// that depends on the place must still see the lines before it, and none
// after it.
TEST_F(FormPreviewTest, PlaceLinesAndOtherSettersTakeEffectInTheOrderOfTheLines)
{
    struct Case {
        const char *lines;
        int32_t width;       // 0: the client width decides
        int32_t clientWidth;
    };
    const Case cases[] = {
        {"  Width = 400\n  ClientWidth = 300\n", 0, 300},
        {"  ClientWidth = 300\n  Width = 400\n", 400, 0},
        {"  Left = 30\n  ClientWidth = 300\n  Top = 40\n  Width = 410\n", 410, 0},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.lines);
        const PreviewReport report =
            Show(std::string("Order AS Form\n  Height = 250\n") + test.lines + "  Box AS KvPanel\n"
                 "    Left = 5\n    Caption = \"b\"\n    Top = 6\n    Width = 50\n  END\nEND\n");
        ASSERT_TRUE(report.Shown()) << report.Summary();
        KVFORM &form = *preview.Window();
        if (test.width != 0) {
            EXPECT_EQ(form.GetWidth(), test.width);
        } else {
            EXPECT_EQ(form.GetClientWidth(), test.clientWidth);
        }
        EXPECT_EQ(form.GetHeight(), 250);
        const std::string windows = Describe(form);
        EXPECT_EQ(windows.substr(windows.find('\n') + 1), "  [Box: KvPanel] \"\" 5,6 50x50\n");
    }
}

TEST_F(FormPreviewTest, ErrorsCarryTheFormCompilersMessageAndLineAndCloseThePreview)
{
    struct Case {
        const char *text;
        const char *message;
        int32_t line;
    };
    const std::string deep = [] {
        std::string text = "F AS FORM\n";
        for (int i = 0; i < 32; ++i)
            text += "C AS KvLabel\n";
        return text;
    }();
    const Case cases[] = {
        {"' only\nEND\n", FormMessage::OddEnd, 2},
        {"B AS KvButton\n", FormMessage::ControlOutsideForm, 1},
        {"eClick: Go\n", FormMessage::EventOutsideDeclaration, 1},
        {"F AS FORM\n\n  eSqueak: Go\nEND\n", FormMessage::UnknownEvent, 3},
        {"F AS FORM\n  what\nEND\n", FormMessage::UnknownStatement, 2},
        {deep.c_str(), FormMessage::NestingTooDeep, 33},
        {"F AS FORM\n G AS FORM\n", FormMessage::FormInsideForm, 2},
        {"Caption = \"x\"\n", FormMessage::PropertyOutsideForm, 1},
        {"F AS FORM\n  B AS KvButton\n  END\n", FormMessage::MissingEnd, 3},
        {"' a comment\n\n", "no form declaration", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(Show("Ok AS FORM\nEND\n").Shown());
        ASSERT_NE(preview.Window(), nullptr);
        const PreviewReport report = Show(c.text);
        EXPECT_EQ(report.error, c.message);
        EXPECT_EQ(report.errorLine, c.line);
        EXPECT_EQ(preview.Window(), nullptr);
    }
}

// Thousands of objects are built up to the limit; what comes after it, and
// what is inside that, is left out (its lines are not counted as not
// previewed), and the report says how many.
TEST_F(FormPreviewTest, AFormOfThousandsOfObjectsIsBuiltUpToTheLimitAndTheRestIsCounted)
{
    // 2,001 controls, the last inside a placeholder; a menu of 5,000 items.
    std::string controls = "Big AS FORM\n", menu = "Big AS FORM\n  Bar AS KvMainMenu\n    File AS KvMenu\n";
    for (int k = 0; k < 1999; ++k)
        controls += "  L" + std::to_string(k) + " AS KvLabel\n    Caption = \"x\"\n  END\n";
    controls += "  P AS KvPanel\n    In AS KvButton\n      Caption = \"x\"\n    END\n  END\nEND\n";
    for (int k = 0; k < 5000; ++k)
        menu += "      I" + std::to_string(k) + " AS KvMenuItem\n        ShortCut = \"F5\"\n      END\n";
    menu += "    END\n  END\nEND\n";
    struct Case {
        const std::string &text;
        int32_t controls, menuItems, leftOut;
    };
    for (const Case &c : {Case{controls, 2000, 0, 1}, Case{menu, 0, 1998, 3002}}) {
        const PreviewReport report = Show(c.text);
        ASSERT_TRUE(report.Shown()) << report.Summary();
        KVFORM &form = *preview.Window();
        EXPECT_EQ(form.GetChildCount(), c.controls);
        HMENU bar = GetMenu(form.GetHandle());
        EXPECT_EQ(bar ? GetMenuItemCount(GetSubMenu(bar, 0)) : 0, c.menuItems);
        EXPECT_EQ(report.Summary(), "Preview: every property shown; " + std::to_string(c.leftOut) +
                                        " left out (at most 2000 controls and menu items)");
    }
}

// Every golden case of kvf with a form file: kvf's translation and the
// preview's reading come to the same error, or to none, as the case's
// expected console output says.
TEST_F(FormPreviewTest, GoldenCasesReadAlikeInTheFormCompilerAndThePreview)
{
    int compared = 0;
    for (const fs::directory_entry &entry : fs::directory_iterator(Source / "tests" / "formc" / "cases")) {
        const fs::path casePath = entry.path();
        // Native-only cases fail a write, which a memory stream never does.
        if (!fs::exists(casePath / "args") || fs::exists(casePath / "no-evt") ||
            fs::exists(casePath / "native-only"))
            continue;
        const fs::path tablePath =
            fs::exists(casePath / "kvf.evt") ? casePath / "kvf.evt" : Source / "formc" / "kvf.evt";
        EventTable table;
        if (LoadEventTableFile(Kv(tablePath.string()), table) != nullptr)
            continue;
        const std::string expectedOutput = ReadAll(casePath / "expected" / "stdout");
        std::istringstream args(ReadAll(casePath / "args"));
        for (std::string name; std::getline(args, name);) {
            const fs::path formPath = casePath / "input" / name;
            // A case that brings the output file along (a link) is about
            // that file, not about reading the form.
            if (name.empty() || !fs::is_regular_file(formPath) ||
                fs::exists(fs::symlink_status(casePath / "input" / (name + ".kv"))))
                continue;
            SCOPED_TRACE(casePath.filename().string() + "/" + name);
            const std::string form = ReadAll(formPath);
            KVMEMORYSTREAM kvfInput(0, 64), kvfOutput(0, 64), previewInput(0, 64);
            kvfInput.Write(form.data(), static_cast<int32_t>(form.size()));
            kvfInput.Seek(0);
            previewInput.Write(form.data(), static_cast<int32_t>(form.size()));
            previewInput.Seek(0);
            const std::optional<FormError> kvf = TranslateForm(kvfInput, kvfOutput, table);
            PreviewObjects objects;
            PreviewBuilder builder(objects);
            const std::optional<FormError> read = ReadForm(previewInput, table, builder);

            std::string said;
            if (kvf) {
                said = "Error in file '" + name + "'" +
                       (kvf->line > 0 ? " at line #" + std::to_string(kvf->line) : "") + ": " + kvf->message;
            }
            EXPECT_EQ(expectedOutput.find(said.empty() ? "Error in file '" + name + "'" : said) !=
                          std::string::npos,
                      !said.empty());
            ASSERT_EQ(read.has_value(), kvf.has_value());
            if (kvf) {
                EXPECT_STREQ(read->message, kvf->message);
                EXPECT_EQ(read->line, kvf->line);
            }
            ++compared;
        }
    }
    EXPECT_GE(compared, 20);
}

TEST_F(EditorTest, PreviewFormShowsTheMemoTextRebuildsInPlaceAndSelectsAnErrorsLine)
{
    form.Memo.SetText("Demo AS FORM\r\n  Caption = \"First\"\r\n  Go AS KvButton\r\n    Caption = \"Go\"\r\n"
                      "  END\r\nEND\r\n");
    form.PreviewItem.Click();
    KVFORM *first = form.Preview.Window();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetCaption(), "First");
    EXPECT_EQ(GetWindow(first->GetHandle(), GW_OWNER), form.GetHandle());
    EXPECT_TRUE(form.LastPreviewReport.Shown());
    EXPECT_EQ(Text(form.StatusBar.Message.GetCaption()), "Preview: every property shown");

    // Clicking the preview's button runs nothing and changes nothing.
    SendMessageA(first->GetChild(1)->GetHandle(), BM_CLICK, 0, 0);
    first->SetLeft(31);
    first->SetTop(47);
    const std::string edited = "Demo AS FORM\r\n  Caption = \"Second\"\r\nEND\r\n";
    form.Memo.SetText(Kv(edited));
    form.PreviewItem.Click();
    KVFORM *second = form.Preview.Window();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetCaption(), "Second");
    EXPECT_EQ(second->GetLeft(), 31);
    EXPECT_EQ(second->GetTop(), 47);
    EXPECT_EQ(second->GetChildCount(), 0);
    EXPECT_EQ(State().text, edited);

    // A line longer than 1022 characters counts as two, as kvf counts it:
    // here two comments.
    const std::string longLine = "'" + std::string(1021, 'x') + "' tail";
    form.Memo.SetText(Kv("Demo AS FORM\r\n" + longLine + "\r\n  Go: Now\r\nEND\r\n"));
    form.PreviewItem.Click();
    EXPECT_EQ(form.Preview.Window(), nullptr);
    EXPECT_EQ(form.LastPreviewReport.Summary(), "Preview: line 4: unknown event");
    EXPECT_EQ(Text(form.Memo.GetSelText()), "  Go: Now");
    EXPECT_EQ(Text(form.StatusBar.Message.GetCaption()), "Preview: line 4: unknown event");
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());

    // Closing the preview leaves the text alone; the editor's window takes
    // its preview's with it.
    form.Memo.SetText(Kv(edited));
    form.PreviewItem.Click();
    ASSERT_NE(form.Preview.Window(), nullptr);
    SendMessageA(form.Preview.Window()->GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.Preview.Window(), nullptr);
    EXPECT_EQ(State().text, edited);
    form.PreviewItem.Click();
    ASSERT_NE(form.Preview.Window(), nullptr);
    const HWND last = form.Preview.Window()->GetHandle();
    form.Close();
    EXPECT_FALSE(IsWindow(last));
    EXPECT_EQ(form.Preview.Window(), nullptr);
}

// Whatever its own lines say, the preview leaves the activation and the
// keyboard with the editor, and its close box closes it.
TEST_F(EditorTest, ThePreviewLeavesTheKeyboardInTheMemoAndItsCloseBoxClosesItWhateverTheFormSays)
{
    struct Case {
        const char *text;
        int32_t skippedLines;
    };
    const Case cases[] = {
        {"Shown AS FORM\r\n  Visible = True\r\n  Go AS KvButton\r\n  END\r\nEND\r\n", 0},
        {"Shown AS FORM\r\n  Field AS KvEdit\r\n  END\r\n  Caption = \"last\"\r\n  Visible = True\r\nEND\r\n",
         0},
        {"Off AS FORM\r\n  Enabled = False\r\n  Field AS KvEdit\r\n  END\r\n  Visible = False\r\nEND\r\n", 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        Activate(form);
        form.Memo.SetFocus();
        Settle();
        form.Memo.SetText(c.text);
        // Real input goes through the X server: on a busy machine it takes
        // longer than messages sent within the program.
        PressKey(VK_F12);
        ASSERT_TRUE(PumpUntil([&] { return form.Preview.Window() != nullptr; }, 10000));
        Settle();
        HWND preview = form.Preview.Window()->GetHandle();
        EXPECT_TRUE(IsWindowVisible(preview));
        EXPECT_EQ(GetActiveWindow(), form.GetHandle());
        EXPECT_EQ(GetFocus(), form.Memo.GetHandle());
        EXPECT_EQ(form.LastPreviewReport.skippedLines, c.skippedLines);
        ClickCloseBox(preview);
        EXPECT_TRUE(PumpUntil([&] { return form.Preview.Window() == nullptr; }, 10000));
    }
}

// With the keyboard in the preview, the editor's shortcuts act as in the
// editor, also where a previewed menu names the same key: F12 rebuilds the
// preview, F2 saves, Ctrl+Z undoes in the memo; Alt+F4 closes the preview.
TEST_F(EditorTest, WithTheKeyboardInThePreviewTheEditorsShortcutsAct)
{
    const auto text = [](const std::string &caption) {
        return "Keys AS FORM\r\n  Caption = \"" + caption +
               "\"\r\n  Bar AS KvMainMenu\r\n    Save AS KvMenuItem\r\n      Caption = \"&Save\tF2\"\r\n"
               "      ShortCut = \"F2\"\r\n    END\r\n  END\r\n  Field AS KvEdit\r\n  END\r\nEND\r\n";
    };
    scratch.Put("keys", text("One"));
    form.OpenNamedFile(Kv(Path("keys")));
    Activate(form);
    Command(form.PreviewItem);
    const auto keyboardIntoPreview = [&] {
        if (form.Preview.Window() == nullptr)
            return false;
        HWND preview = form.Preview.Window()->GetHandle();
        ClickAt(preview, 200, 100);
        return PumpUntil([&] { return GetActiveWindow() == preview && GetFocus() != form.Memo.GetHandle(); });
    };

    form.Memo.SetText(Kv(text("Two")));
    form.Memo.SetModified(KvTrue);
    ASSERT_TRUE(keyboardIntoPreview());
    PressKey(VK_F12);
    EXPECT_TRUE(
        PumpUntil([&] { return form.Preview.Window() && form.Preview.Window()->GetCaption() == "Two"; }));

    ASSERT_TRUE(keyboardIntoPreview());
    PressKey(VK_F2);
    EXPECT_TRUE(PumpUntil([&] { return !form.Memo.GetModified(); }));
    EXPECT_EQ(scratch.Get("keys"), text("Two"));

    Type("x");
    ASSERT_TRUE(keyboardIntoPreview());
    PressWith(VK_CONTROL, 'Z');
    EXPECT_TRUE(PumpUntil([&] { return Text(form.Memo.GetText()) == text("Two"); }));

    // Alt+F4, which the editor does not use, closes the preview alone.
    ASSERT_TRUE(keyboardIntoPreview());
    PressWith(VK_MENU, VK_F4);
    EXPECT_TRUE(PumpUntil([&] { return form.Preview.Window() == nullptr; }));
    EXPECT_TRUE(IsWindowVisible(form.GetHandle()));
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

// A preview the user minimised or maximised is rebuilt at its restored
// place, with the size its text gives, and shown normally.
TEST_F(EditorTest, F12AfterTheUserMinimisedOrMaximisedThePreviewShowsItNormallyAtItsRestoredPlace)
{
    form.Memo.SetText("Spot AS FORM\r\n  Width = 250\r\n  Height = 180\r\nEND\r\n");
    for (const WPARAM command : {SC_MINIMIZE, SC_MAXIMIZE}) {
        SCOPED_TRACE(command == SC_MINIMIZE ? "minimised" : "maximised");
        Command(form.PreviewItem);
        KVFORM &first = *form.Preview.Window();
        first.SetBounds(120, 90, 300, 200);
        SendMessageA(first.GetHandle(), WM_SYSCOMMAND, command, 0);
        ASSERT_TRUE(command == SC_MINIMIZE ? IsIconic(first.GetHandle()) : IsZoomed(first.GetHandle()));
        Command(form.PreviewItem);
        KVFORM &second = *form.Preview.Window();
        EXPECT_TRUE(IsWindowVisible(second.GetHandle()));
        EXPECT_EQ(second.GetWindowState(), WindowNormal);
        EXPECT_EQ(
            (std::vector<int32_t>{second.GetLeft(), second.GetTop(), second.GetWidth(), second.GetHeight()}),
            (std::vector<int32_t>{120, 90, 250, 180}));
    }
}

// New and Open replace the document: its preview closes and the status bar
// no longer reports on it; a New cancelled at the save prompt changes
// nothing.
TEST_F(EditorTest, NewAndOpenCloseThePreviewOfTheDocumentTheyReplace)
{
    scratch.Put("other", "Other AS FORM\r\nEND\r\n");
    const std::function<void()> commands[] = {
        [&] { Command(form.NewItem); },
        [&] { OpenThroughDialog(Path("other")); },
        [&] {
            form.Memo.SetModified(KvTrue);
            answers.MessageBoxAnswer("Save changes", IDCANCEL);
            Command(form.NewItem);
        },
    };
    for (const std::function<void()> &command : commands) {
        const bool cancelled = &command == &commands[2];
        form.Memo.SetText("Mine AS FORM\r\nEND\r\n");
        Command(form.PreviewItem);
        command();
        EXPECT_EQ(form.Preview.Window() != nullptr, cancelled);
        EXPECT_EQ(Text(form.StatusBar.Message.GetCaption()), cancelled ? "Preview: every property shown" : "");
    }
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

// With the keyboard in the preview, the editor's editing shortcuts do not
// reach the memo, which the user does not see from there: Select All and
// Cut took its whole text.
TEST_F(EditorTest, EditingShortcutsTypedInThePreviewLeaveTheMemosTextAlone)
{
    const std::string text = "Cut AS FORM\r\n  Field AS KvEdit\r\n    Width = 200\r\n  END\r\nEND\r\n";
    form.Memo.SetText(Kv(text));
    Activate(form);
    Command(form.PreviewItem);
    KVFORM &preview = *form.Preview.Window();
    // Posted as the system posts a click into the field.
    HWND field = preview.GetChild(1)->GetHandle();
    PostMessageA(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    PostMessageA(field, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == preview.GetHandle(); }));
    PressWith(VK_CONTROL, 'A');
    PressWith(VK_CONTROL, 'X');
    EXPECT_FALSE(PumpUntil([&] { return Text(form.Memo.GetText()) != text; }, 1000));
}

// The preview comes back where the user last had it, also after a text
// with an error or the close box closed it.
TEST_F(EditorTest, ThePreviewReopensWhereItWasAfterAnErrorOrTheCloseBoxClosedIt)
{
    const char *good = "Spot AS FORM\r\n  Width = 250\r\n  Height = 180\r\nEND\r\n";
    for (const bool byError : {true, false}) {
        SCOPED_TRACE(byError ? "error" : "close box");
        form.Memo.SetText(good);
        Command(form.PreviewItem);
        form.Preview.Window()->SetBounds(byError ? 130 : 170, 70, 250, 180);
        if (byError) {
            form.Memo.SetText("Spot AS FORM\r\n  what\r\nEND\r\n");
            Command(form.PreviewItem);
        } else {
            SendMessageA(form.Preview.Window()->GetHandle(), WM_CLOSE, 0, 0);
        }
        ASSERT_EQ(form.Preview.Window(), nullptr);
        form.Memo.SetText(good);
        Command(form.PreviewItem);
        KVFORM &again = *form.Preview.Window();
        EXPECT_EQ((std::vector<int32_t>{again.GetLeft(), again.GetTop()}),
                  (std::vector<int32_t>{byError ? 130 : 170, 70}));
    }
}
