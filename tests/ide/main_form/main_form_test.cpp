// The main form as the program builds it, in a process of its own so that
// its menu items take the command identifiers 1 to 30.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui_test_support.h"
#include "isolated_settings.h"
#include "main_form.h"

namespace {

// Items of the menu bar have no parent row.
struct ItemRow {
    KVMENUITEM KVMAINFORM::*item;
    KVMENUITEM KVMAINFORM::*parent;
    const char *caption;
    const char *shortcut;
};

constexpr KVMENUITEM KVMAINFORM::*Bar = nullptr;

const ItemRow Rows[] = {
    {&KVMAINFORM::FileMenu, Bar, "&File", ""},
    {&KVMAINFORM::NewItem, &KVMAINFORM::FileMenu, "&New", ""},
    {&KVMAINFORM::OpenItem, &KVMAINFORM::FileMenu, "&Open", ""},
    {&KVMAINFORM::SaveItem, &KVMAINFORM::FileMenu, "&Save\tF2", "+f2"},
    {&KVMAINFORM::SaveAsItem, &KVMAINFORM::FileMenu, "Save &As", ""},
    {&KVMAINFORM::FileSeparator, &KVMAINFORM::FileMenu, nullptr, ""},
    {&KVMAINFORM::ExitItem, &KVMAINFORM::FileMenu, "E&xit\tAlt+X", "+alt+x"},
    {&KVMAINFORM::EditMenu, Bar, "&Edit", ""},
    {&KVMAINFORM::UndoItem, &KVMAINFORM::EditMenu, "&Undo\tCtrl+Z", "+ctrl+z"},
    {&KVMAINFORM::EditSeparator, &KVMAINFORM::EditMenu, nullptr, ""},
    {&KVMAINFORM::CutItem, &KVMAINFORM::EditMenu, "&Cut\tCtrl+X", "+ctrl+x"},
    {&KVMAINFORM::CopyItem, &KVMAINFORM::EditMenu, "C&opy\tCtrl+C", "+ctrl+c"},
    {&KVMAINFORM::PasteItem, &KVMAINFORM::EditMenu, "&Paste\tCtrl+V", "+ctrl+v"},
    {&KVMAINFORM::SearchMenu, Bar, "&Search", ""},
    {&KVMAINFORM::FindItem, &KVMAINFORM::SearchMenu, "&Find\tCtrl+F", "+ctrl+f"},
    {&KVMAINFORM::FindNextItem, &KVMAINFORM::SearchMenu, "Find &Next\tF3", "+f3"},
    {&KVMAINFORM::BuildMenu, Bar, "&Build", ""},
    {&KVMAINFORM::CompileItem, &KVMAINFORM::BuildMenu, "Compile \tctrl+f5", "+ctrl+f5"},
    {&KVMAINFORM::CompileFormItem, &KVMAINFORM::BuildMenu, "&Compile form \tf5", "+f5"},
    {&KVMAINFORM::HelpMenu, Bar, "&Help", ""},
    {&KVMAINFORM::AboutItem, &KVMAINFORM::HelpMenu, "About\tF1", "+f1"},
    {&KVMAINFORM::WordWrapItem, &KVMAINFORM::ViewMenu, "Word &Wrap", ""},
    {&KVMAINFORM::StatusBarItem, &KVMAINFORM::ViewMenu, "&Status Bar", ""},
    {&KVMAINFORM::SelectAllItem, &KVMAINFORM::EditMenu, "Select &All\tCtrl+A", "+ctrl+a"},
    {&KVMAINFORM::GoToItem, &KVMAINFORM::SearchMenu, "&Go To...\tCtrl+G", "+ctrl+g"},
    {&KVMAINFORM::TranslateFormItem, &KVMAINFORM::BuildMenu, "&Translate form\tCtrl+F7", "+ctrl+f7"},
    {&KVMAINFORM::PreviewItem, &KVMAINFORM::BuildMenu, "&Preview form\tF12", "+f12"},
    {&KVMAINFORM::ViewMenu, Bar, "&View", ""},
    {&KVMAINFORM::FindPreviousItem, &KVMAINFORM::SearchMenu, "Find &Previous\tShift+F3", "+shift+f3"},
    {&KVMAINFORM::ReplaceItem, &KVMAINFORM::SearchMenu, "&Replace...\tCtrl+H", "+ctrl+h"},
};

// The captions of a menu's items in the order they show.
std::vector<std::string> ItemTexts(HMENU menu)
{
    std::vector<std::string> titles;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        titles.push_back(text);
    }
    return titles;
}

struct Accelerator {
    int virt;
    int key;
    int command;
    bool operator==(const Accelerator &other) const
    {
        return virt == other.virt && key == other.key && command == other.command;
    }
};

std::vector<Accelerator> AcceleratorsOf(HACCEL table)
{
    ACCEL entries[64];
    const int count = CopyAcceleratorTableA(table, entries, 64);
    std::vector<Accelerator> result;
    for (int i = 0; i < count; ++i)
        result.push_back({entries[i].fVirt, entries[i].key, entries[i].cmd});
    return result;
}

} // namespace

TEST(MainForm, IsBuiltAsTheMenuTableSaysAndStartsUntitled)
{
    IsolatedSettings settings;
    KVMAINFORM form;
    HMENU bar = form.MainMenu.GetMenuHandle();
    EXPECT_EQ(GetMenu(form.GetHandle()), bar);
    EXPECT_EQ(ItemTexts(bar),
              (std::vector<std::string>{"&File", "&Edit", "&Search", "&Build", "&View", "&Help"}));
    EXPECT_EQ(ItemTexts(GetSubMenu(bar, 2)),
              (std::vector<std::string>{"&Find\tCtrl+F", "Find &Next\tF3", "Find &Previous\tShift+F3",
                                        "&Replace...\tCtrl+H", "&Go To...\tCtrl+G"}));
    for (int i = 0; i < 30; ++i) {
        const ItemRow &row = Rows[i];
        KVMENUITEM &item = form.*row.item;
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(static_cast<int>(item.GetID()), i + 1);
        EXPECT_EQ(item.GetParentMenu(),
                  row.parent == Bar ? static_cast<KVPOPUP *>(&form.MainMenu) : &(form.*row.parent));
        EXPECT_EQ(item.GetShortcut(), row.shortcut);
        const UINT state = GetMenuState(bar, i + 1, MF_BYCOMMAND);
        if (row.caption == nullptr) {
            EXPECT_TRUE(state & MF_SEPARATOR);
            continue;
        }
        EXPECT_EQ(item.GetCaption(), row.caption);
        char text[64] = {};
        GetMenuStringA(bar, i + 1, text, sizeof text, MF_BYCOMMAND);
        EXPECT_STREQ(text, row.caption);
        // Only Save starts greyed: the untitled document has no file yet.
        EXPECT_EQ((state & MF_GRAYED) != 0, row.item == &KVMAINFORM::SaveItem);
        // A first start shows the status bar and does not wrap.
        EXPECT_EQ((state & MF_CHECKED) != 0, row.item == &KVMAINFORM::StatusBarItem);
    }
    const std::vector<Accelerator> expected = {
        {1, VK_F2, 4},  {17, 'X', 7},   {9, 'Z', 9},    {9, 'X', 11},    {9, 'C', 12},  {9, 'V', 13},
        {9, 'A', 24},   {9, 'F', 15},   {1, VK_F3, 16}, {5, VK_F3, 29},  {9, 'H', 30},  {9, 'G', 25},
        {9, VK_F5, 18}, {1, VK_F5, 19}, {9, VK_F7, 26}, {1, VK_F12, 27}, {1, VK_F1, 21}};
    EXPECT_EQ(AcceleratorsOf(form.MainMenu.GetAcceleratorTable()), expected);

    EXPECT_EQ(form.GetCaption(), "KVO IDE - Untitled");
    EXPECT_EQ(form.FileDialog.FileName, "Untitled");
    EXPECT_EQ(form.SaveItem.GetEnabled(), KvFalse);
    EXPECT_EQ(form.Memo.GetText(), "");
    EXPECT_EQ(form.Memo.GetModified(), KvFalse);
    EXPECT_EQ(form.SearchText, "");
    const char filter[] = "KVO files (*.kvo)\0*.kvo\0KVO forms (no extension)\0*.*";
    EXPECT_EQ(form.FileDialog.Filter, KVSTRING(filter, sizeof filter - 1));
    EXPECT_EQ(form.FileDialog.DefaultExt, "kvo");
    EXPECT_EQ(form.Memo.GetFont()->GetName(), "Courier New");
    EXPECT_EQ(form.Memo.GetFont()->GetSize(), 14);
    EXPECT_EQ(form.Memo.GetFont()->GetBold(), KvFalse);
    EXPECT_EQ(form.Memo.GetLeft(), 0);
    EXPECT_EQ(form.Memo.GetTop(), 0);
    EXPECT_EQ(form.Memo.GetWidth(), form.GetClientWidth());
    EXPECT_EQ(form.Memo.GetHeight() + form.StatusBar.Height(), form.GetClientHeight());
    EXPECT_EQ(form.StatusBar.Position.GetCaption(), "Ln 1, Col 1");
    EXPECT_EQ(form.Memo.GetWordWrap(), KvFalse);
    EXPECT_TRUE(GetWindowLongA(form.Memo.GetHandle(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(GetWindowLongA(form.Memo.GetHandle(), GWL_STYLE) & WS_HSCROLL);
    // The memo's "Courier New" is fixed pitch (under Wine through the font
    // replacement in the prefix). The pitch bit set means variable pitch.
    HDC dc = GetDC(form.Memo.GetHandle());
    const HGDIOBJ previousFont = SelectObject(dc, form.Memo.GetFont()->GetHandle());
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(dc, &metrics));
    EXPECT_EQ(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
    SIZE narrow{};
    SIZE wide{};
    GetTextExtentPoint32A(dc, "iiii", 4, &narrow);
    GetTextExtentPoint32A(dc, "WWWW", 4, &wide);
    EXPECT_EQ(narrow.cx, wide.cx);
    SelectObject(dc, previousFont);
    ReleaseDC(form.Memo.GetHandle(), dc);
    EXPECT_EQ(TheMainForm, nullptr);

    // F3, a real key press through the message loop's accelerator tables,
    // reaches Find Next.
    form.Memo.SetText("abcabc");
    form.SearchText = "bc";
    Activate(form);
    PostMessageA(form.Memo.GetHandle(), WM_KEYDOWN, VK_F3, 0);
    PostMessageA(form.Memo.GetHandle(), WM_KEYUP, VK_F3, 0xC0000001);
    EXPECT_TRUE(PumpUntil([&] { return form.Memo.GetSelStart() == 1; }));
    EXPECT_EQ(form.Memo.GetSelLength(), 3);
}
