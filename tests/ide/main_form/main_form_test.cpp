// The main form as the program builds it, in a process of its own so that
// its menu items take the command identifiers 1 to 39.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "gui_test_support.h"
#include "isolated_settings.h"
#include "main_form.h"
#include "menu_table.h"
#include "shortcut.h"

namespace {

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

std::ostream &operator<<(std::ostream &out, const Accelerator &a)
{
    return out << "{virt " << a.virt << ", key " << a.key << ", command " << a.command << "}";
}

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
              (std::vector<std::string>{"&File", "&Edit", "&Search", "&Build", "&Design", "&View", "&Help"}));
    EXPECT_EQ(ItemTexts(GetSubMenu(bar, 2)),
              (std::vector<std::string>{"&Find\tCtrl+F", "Find &Next\tF3", "Find &Previous\tShift+F3",
                                        "&Replace...\tCtrl+H", "&Go To...\tCtrl+G"}));
    // The items take the identifiers 1 to 39 in the order the form declares
    // them, so that an item added at the end leaves every other one its
    // identifier.
    std::vector<KVMENUITEM *> declared;
    for (const MenuRow &row : MenuTable)
        declared.push_back(&(form.*row.item));
    std::sort(declared.begin(), declared.end());
    for (size_t i = 0; i < declared.size(); ++i)
        EXPECT_EQ(declared[i]->GetID(), i + 1) << "item declared at place " << i + 1;

    // Each row's item sits in its menu with its caption and answers its
    // shortcut from the menu bar's accelerator table, and nothing else does.
    std::vector<Accelerator> expected;
    for (const MenuRow &row : MenuTable) {
        KVMENUITEM &item = form.*row.item;
        const UINT id = static_cast<UINT>(item.GetID());
        SCOPED_TRACE(row.caption ? row.caption : "separator");
        EXPECT_EQ(item.GetParentMenu(),
                  row.parent == nullptr ? static_cast<KVPOPUP *>(&form.MainMenu) : &(form.*row.parent));
        const UINT state = GetMenuState(bar, id, MF_BYCOMMAND);
        if (row.caption == nullptr) {
            EXPECT_TRUE(state & MF_SEPARATOR);
            continue;
        }
        EXPECT_EQ(item.GetCaption(), row.caption);
        char text[64] = {};
        GetMenuStringA(bar, id, text, sizeof text, MF_BYCOMMAND);
        EXPECT_STREQ(text, row.caption);
        // Only Save starts greyed: the untitled document has no file yet.
        EXPECT_EQ((state & MF_GRAYED) != 0, row.item == &KVMAINFORM::SaveItem);
        // A first start shows the status bar and does not wrap.
        EXPECT_EQ((state & MF_CHECKED) != 0,
                  row.item == &KVMAINFORM::StatusBarItem || row.item == &KVMAINFORM::SnapToGridItem);
        if (row.shortcut == nullptr) {
            EXPECT_EQ(item.GetShortcut(), "");
            continue;
        }
        KVSTRING shortcut = row.shortcut;
        const std::optional<ACCEL> key = ParseShortcut(shortcut);
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(item.GetShortcut(), shortcut);
        expected.push_back({key->fVirt, key->key, static_cast<int>(id)});
    }
    std::vector<Accelerator> table = AcceleratorsOf(form.MainMenu.GetAcceleratorTable());
    const auto byCommand = [](const Accelerator &a, const Accelerator &b) { return a.command < b.command; };
    std::sort(table.begin(), table.end(), byCommand);
    std::sort(expected.begin(), expected.end(), byCommand);
    EXPECT_EQ(table, expected);

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
