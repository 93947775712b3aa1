// Shortcut texts become the accelerators of the menu bar's table.
#include <gtest/gtest.h>

#include <memory>

#include "gui_test_support.h"
#include "menu_test_support.h"

namespace {

struct ShortcutCase {
    const char *text;
    const char *normalised;
    bool namesKey;
    BYTE fVirt;
    WORD key;
};

const ShortcutCase ShortcutCases[] = {
    {"Ctrl+Z", "+ctrl+z", true, FVIRTKEY | FCONTROL, 'Z'},
    {"ctrl+z", "+ctrl+z", true, FVIRTKEY | FCONTROL, 'Z'},
    {" CTRL + Z ", "+ctrl + z", true, FVIRTKEY | FCONTROL, 'Z'},
    {"f5", "+f5", true, FVIRTKEY, VK_F5},
    {"ctrl+f5", "+ctrl+f5", true, FVIRTKEY | FCONTROL, VK_F5},
    {"ctrl+F", "+ctrl+f", true, FVIRTKEY | FCONTROL, 'F'},
    {"Alt+X", "+alt+x", true, FVIRTKEY | FALT, 'X'},
    {"shift+alt+f12", "+shift+alt+f12", true, FVIRTKEY | FALT | FSHIFT, VK_F12},
    {"F2", "+f2", true, FVIRTKEY, VK_F2},
    {"", "+", false, 0, 0},
    {"ctrl+", "+ctrl+", false, 0, 0},
    {"ctrl++", "+ctrl++", false, 0, 0},
    {"home", "+home", true, FVIRTKEY, 'H'},
    // Function keys end at F24; other names beginning with f are letters.
    {"f24", "+f24", true, FVIRTKEY, VK_F24},
    {"f25", "+f25", true, FVIRTKEY, 'F'},
    {"ctrl+find", "+ctrl+find", true, FVIRTKEY | FCONTROL, 'F'},
    {"f0", "+f0", true, FVIRTKEY, 'F'},
};

} // namespace

TEST(Shortcuts, EachTextGivesItsAcceleratorAndIsReplacedByItsNormalForm)
{
    for (const ShortcutCase &row : ShortcutCases) {
        SCOPED_TRACE(std::string("\"") + row.text + "\"");
        KVMAINMENU bar(nullptr);
        KVMENUITEM item;
        item.SetParent(&bar);
        KVSTRING text = row.text;
        item.SetShortcut(text);
        EXPECT_EQ(Text(text), row.normalised);
        const std::vector<ACCEL> table = AcceleratorsOf(bar);
        if (!row.namesKey) {
            EXPECT_TRUE(table.empty());
            EXPECT_EQ(Text(item.GetShortcut()), "");
            continue;
        }
        EXPECT_EQ(Text(item.GetShortcut()), row.normalised);
        ASSERT_EQ(table.size(), 1u);
        EXPECT_EQ(table[0].fVirt, row.fVirt);
        EXPECT_EQ(table[0].key, row.key);
        EXPECT_EQ(table[0].cmd, item.GetID());
    }
}

TEST(Shortcuts, ATextThatNamesNoKeyKeepsThePreviousShortcut)
{
    KVMAINMENU bar(nullptr);
    KVMENUITEM item;
    item.SetParent(&bar);
    item.SetShortcut("ctrl+s");
    item.SetShortcut("ctrl+");
    EXPECT_EQ(Text(item.GetShortcut()), "+ctrl+s");
    EXPECT_EQ(CommandsOf(bar), std::vector<WORD>{static_cast<WORD>(item.GetID())});
}

// bar: file (title) with save (ctrl+s) and recent (title) holding first
// (f5); edit (f2) holding hidden (f3); plain without any shortcut.
class AcceleratorGathering : public ::testing::Test {
  protected:
    void SetUp() override
    {
        for (KVMENUITEM *title : {&file, &edit, &plain})
            title->SetParent(&bar);
        save.SetParent(&file);
        recent.SetParent(&file);
        first.SetParent(&recent);
        hidden.SetParent(&edit);
        save.SetShortcut("ctrl+s");
        first.SetShortcut("f5");
        hidden.SetShortcut("f3");
        edit.SetShortcut("f2");
    }

    static WORD Id(KVMENUITEM &item) { return static_cast<WORD>(item.GetID()); }

    KVMAINMENU bar{nullptr};
    KVMENUITEM file, save, recent, first, edit, hidden, plain;
};

TEST_F(AcceleratorGathering, NestedMenusContributeAndAnItemWithAShortcutHidesItsChildren)
{
    EXPECT_EQ(CommandsOf(bar), (std::vector<WORD>{Id(save), Id(first), Id(edit)}));
}

TEST_F(AcceleratorGathering, ShortcutsSetBeforeAttachingCountOnceTheItemsReachTheBar)
{
    KVMENUITEM tools, run, late;
    run.SetParent(&tools);
    run.SetShortcut("f9");
    late.SetShortcut("alt+l");
    tools.SetParent(&bar);
    late.SetParent(&recent);
    EXPECT_EQ(CommandsOf(bar), (std::vector<WORD>{Id(save), Id(first), Id(late), Id(edit), Id(run)}));
}

TEST_F(AcceleratorGathering, ARebuildDestroysThePreviousTableAndDropsRemovedItems)
{
    HACCEL before = bar.GetAcceleratorTable();
    {
        KVMENUITEM extra;
        extra.SetParent(&plain);
        extra.SetShortcut("ctrl+e");
        EXPECT_FALSE(TableExists(before));
        EXPECT_EQ(CommandsOf(bar).size(), 4u);
    }
    EXPECT_EQ(CommandsOf(bar), (std::vector<WORD>{Id(save), Id(first), Id(edit)}));
    recent.SetParent(nullptr);
    EXPECT_EQ(CommandsOf(bar), (std::vector<WORD>{Id(save), Id(edit)}));
    file.SetParent(nullptr);
    edit.SetParent(nullptr);
    EXPECT_EQ(bar.GetAcceleratorTable(), nullptr);
}

TEST(MenuBarLifetime, ADeletedBarLeavesTheOwnersDestroysItsTableAndFreesItsItems)
{
    RecorderForm form;
    const int32_t owners = AcceleratorOwnerCount();
    auto bar = std::make_unique<KVMAINMENU>(&form);
    EXPECT_EQ(AcceleratorOwnerCount(), owners + 1);
    EXPECT_EQ(GetMenu(form.GetHandle()), bar->GetMenuHandle());
    KVMENUITEM item;
    item.SetParent(bar.get());
    item.SetShortcut("ctrl+q");
    HACCEL table = bar->GetAcceleratorTable();
    ASSERT_TRUE(TableExists(table));

    bar.reset();
    EXPECT_EQ(AcceleratorOwnerCount(), owners);
    EXPECT_FALSE(TableExists(table));
    EXPECT_EQ(GetMenu(form.GetHandle()), nullptr);
    EXPECT_EQ(item.GetParentMenu(), nullptr);
    MenuCommand(item.GetID());
    item.SetShortcut("ctrl+w");
    EXPECT_TRUE(form.EventsOf({eClick}).empty());
}
