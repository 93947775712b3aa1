// Menus: shortcut texts, the menu bar's accelerator table, item states in
// the Win32 menu, choosing items, and the lifetimes of items and bars.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "gui_test_support.h"
#include "kvmenu.h"

namespace {

std::vector<ACCEL> AcceleratorsOf(KVMAINMENU &bar)
{
    std::vector<ACCEL> records(
        static_cast<size_t>(CopyAcceleratorTableA(bar.GetAcceleratorTable(), nullptr, 0)));
    CopyAcceleratorTableA(bar.GetAcceleratorTable(), records.data(), static_cast<int>(records.size()));
    return records;
}

// The table's commands against the items expected, in table order.
void ExpectCommands(KVMAINMENU &bar, std::initializer_list<KVMENUITEM *> items)
{
    std::vector<uint32_t> commands, expected;
    for (const ACCEL &record : AcceleratorsOf(bar))
        commands.push_back(record.cmd);
    for (KVMENUITEM *item : items)
        expected.push_back(item->GetID());
    EXPECT_EQ(commands, expected);
}

bool TableExists(HACCEL table) { return CopyAcceleratorTableA(table, nullptr, 0) > 0; }

struct ShortcutCase {
    const char *text;
    const char *normalised;
    BYTE fVirt; // 0: the text names no key
    WORD key;
};

const ShortcutCase ShortcutCases[] = {
    {"Ctrl+Z", "+ctrl+z", FVIRTKEY | FCONTROL, 'Z'},
    {"ctrl+z", "+ctrl+z", FVIRTKEY | FCONTROL, 'Z'},
    {" CTRL + Z ", "+ctrl + z", FVIRTKEY | FCONTROL, 'Z'},
    {"f5", "+f5", FVIRTKEY, VK_F5},
    {"ctrl+f5", "+ctrl+f5", FVIRTKEY | FCONTROL, VK_F5},
    {"ctrl+F", "+ctrl+f", FVIRTKEY | FCONTROL, 'F'},
    {"Alt+X", "+alt+x", FVIRTKEY | FALT, 'X'},
    {"shift+alt+f12", "+shift+alt+f12", FVIRTKEY | FALT | FSHIFT, VK_F12},
    {"F2", "+f2", FVIRTKEY, VK_F2},
    {"", "+", 0, 0},
    {"ctrl+", "+ctrl+", 0, 0},
    {"ctrl++", "+ctrl++", 0, 0},
    {"home", "+home", FVIRTKEY, 'H'},
    // The number after f is read like a number (blanks skipped); function
    // keys end at F24, and other names beginning with f are the letter.
    {"ctrl+f 5", "+ctrl+f 5", FVIRTKEY | FCONTROL, VK_F5},
    {"f24", "+f24", FVIRTKEY, VK_F24},
    {"f25", "+f25", FVIRTKEY, 'F'},
    {"ctrl+find", "+ctrl+find", FVIRTKEY | FCONTROL, 'F'},
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
        EXPECT_EQ(std::string(text.Data()), row.normalised);
        EXPECT_EQ(std::string(item.GetShortcut().Data()), row.fVirt ? row.normalised : "");
        const std::vector<ACCEL> table = AcceleratorsOf(bar);
        ASSERT_EQ(table.size(), row.fVirt ? 1u : 0u);
        if (row.fVirt) {
            EXPECT_EQ(table[0].fVirt, row.fVirt);
            EXPECT_EQ(table[0].key, row.key);
            EXPECT_EQ(table[0].cmd, item.GetID());
        }
    }
}

TEST(MenuAccelerators, NestedMenusContributeAndTheTableIsRebuiltOnEveryChange)
{
    KVMAINMENU bar(nullptr);
    KVMENUITEM file, save, recent, first, edit, hidden, late;
    file.SetParent(&bar);
    edit.SetParent(&bar);
    save.SetParent(&file);
    recent.SetParent(&file);
    first.SetParent(&recent);
    hidden.SetParent(&edit);
    late.SetShortcut("alt+l");
    save.SetShortcut("ctrl+s");
    first.SetShortcut("f5");
    hidden.SetShortcut("f3");
    edit.SetShortcut("f2"); // an item with a shortcut hides its children's
    ExpectCommands(bar, {&save, &first, &edit});

    // A shortcut set without a parent counts once the item reaches the bar.
    HACCEL previous = bar.GetAcceleratorTable();
    late.SetParent(&recent);
    ExpectCommands(bar, {&save, &first, &late, &edit});
    EXPECT_FALSE(TableExists(previous));
    recent.SetParent(nullptr);
    ExpectCommands(bar, {&save, &edit});
}

TEST(MenuItemStates, EachChangeReachesTheWin32Entry)
{
    KVMAINMENU bar(nullptr);
    KVMENUITEM item;
    item.SetParent(&bar);
    item.SetCaption("&Open\tCtrl+O");
    struct Step {
        std::function<void()> change;
        UINT state;
        bool separator;
    };
    const Step steps[] = {
        {[] {}, 0, false},
        {[&] { item.SetEnabled(KvFalse); }, MFS_GRAYED, false},
        {[&] { item.SetChecked(KvTrue); }, MFS_GRAYED | MFS_CHECKED, false},
        {[&] { item.SetEnabled(KvTrue); }, MFS_CHECKED, false},
        {[&] { item.SetSeparator(KvTrue); }, MFS_CHECKED, true},
        {[&] { item.SetChecked(KvFalse); }, 0, true},
        {[&] { item.SetSeparator(KvFalse); }, 0, false},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(&step - steps);
        step.change();
        char caption[32] = "";
        MENUITEMINFOA entry{};
        entry.cbSize = sizeof entry;
        entry.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
        entry.dwTypeData = caption;
        entry.cch = sizeof caption;
        ASSERT_TRUE(GetMenuItemInfoA(bar.GetMenuHandle(), item.GetID(), FALSE, &entry));
        EXPECT_EQ(entry.fState & (MFS_GRAYED | MFS_CHECKED), step.state);
        EXPECT_EQ((entry.fType & MFT_SEPARATOR) != 0, step.separator);
        EXPECT_EQ(item.GetEnabled(), ToKvBool(!(step.state & MFS_GRAYED)));
        EXPECT_EQ(item.GetChecked(), ToKvBool(step.state & MFS_CHECKED));
        EXPECT_EQ(item.GetSeparator(), ToKvBool(step.separator));
        if (!step.separator) {
            EXPECT_STREQ(caption, "&Open\tCtrl+O");
        }
    }
}

TEST(MenuStructure, AMovedItemLeavesItsMenuAndNoItemBecomesItsOwnAncestor)
{
    KVPOPUP menu;
    KVMENUITEM a, b;
    a.SetParent(&menu);
    b.SetParent(&menu);
    b.SetParent(&a);
    EXPECT_EQ(menu.GetItem(2), nullptr);
    EXPECT_EQ(menu.GetItemCount(), 1);
    EXPECT_EQ(a.GetItem(1), &b);
    a.SetParent(&b);
    EXPECT_EQ(a.GetParentMenu(), &menu);
    EXPECT_EQ(b.GetItem(1), nullptr);
}

TEST(MenuLifetime, DeletedItemsAndBarsLeaveEveryListAndTheirTable)
{
    RecorderForm form;
    const int32_t owners = AcceleratorOwnerCount();
    auto bar = std::make_unique<KVMAINMENU>(&form);
    auto doomed = std::make_unique<KVMENUITEM>();
    KVMENUITEM kept, child, grandchild;
    doomed->SetParent(bar.get());
    kept.SetParent(bar.get());
    child.SetParent(doomed.get());
    grandchild.SetParent(&child);
    kept.SetShortcut("ctrl+q");
    const uint32_t doomedId = doomed->GetID();
    HMENU doomedMenu = doomed->GetMenuHandle();
    doomed.reset();
    EXPECT_EQ(bar->GetItemCount(), 1);
    EXPECT_EQ(child.GetParentMenu(), nullptr);
    EXPECT_FALSE(IsMenu(doomedMenu));
    EXPECT_TRUE(IsMenu(child.GetMenuHandle()));
    for (KVMENUITEM *item = MenuItemList; item; item = item->NextInList())
        EXPECT_NE(item->GetID(), doomedId);

    HACCEL table = bar->GetAcceleratorTable();
    HMENU barMenu = bar->GetMenuHandle();
    EXPECT_EQ(AcceleratorOwnerCount(), owners + 1);
    bar.reset();
    EXPECT_EQ(AcceleratorOwnerCount(), owners);
    EXPECT_FALSE(TableExists(table));
    EXPECT_FALSE(IsMenu(barMenu));
    EXPECT_EQ(GetMenu(form.GetHandle()), nullptr);
    EXPECT_EQ(kept.GetParentMenu(), nullptr);
    MenuCommand(doomedId);
    MenuCommand(kept.GetID());
    kept.SetShortcut("ctrl+w");
    EXPECT_TRUE(form.EventsOf({eClick}).empty());
}

TEST(MenuLifetime, ABarOutlivingItsFormNoLongerAnswersIt)
{
    auto form = std::make_unique<RecorderForm>();
    KVMAINMENU bar(form.get());
    KVMENUITEM quit;
    quit.SetParent(&bar);
    quit.SetShortcut("ctrl+q");
    EXPECT_EQ(bar.GetOwnerForm(), form.get());
    form.reset();
    EXPECT_EQ(bar.GetOwnerForm(), nullptr);
    bar.SetOwnerForm(nullptr);
}

TEST(MenuLifetime, MenusAreDeletedSafelyAfterTheWindowSystemDestroyedThem)
{
    RecorderForm form;
    KVMAINMENU bar(&form);
    KVMENUITEM file, save;
    file.SetParent(&bar);
    save.SetParent(&file);
    save.SetShortcut("f2");
    form.Close();
    EXPECT_FALSE(IsMenu(bar.GetMenuHandle()));
    EXPECT_FALSE(IsMenu(file.GetMenuHandle()));
}

// A shown form with a menu bar: File, holding Save with Ctrl+S.
class MenuChoice : public ::testing::Test {
  protected:
    void SetUp() override
    {
        file.SetParent(&bar);
        file.SetCaption("&File");
        save.SetParent(&file);
        save.SetCaption("&Save\tCtrl+S");
        save.SetShortcut("Ctrl+S");
        Activate(form);
        form.Flush();
        form.events.clear();
    }

    void ExpectOneClickFromSave()
    {
        const std::vector<RecordedEvent> clicks = form.EventsOf({eClick});
        ASSERT_EQ(clicks.size(), 1u);
        EXPECT_EQ(clicks[0].sender, static_cast<void *>(&save));
    }

    RecorderForm form;
    KVMAINMENU bar{&form};
    KVMENUITEM file, save;
};

TEST_F(MenuChoice, AMenuCommandClicksTheItemOnceAndAnUnknownOneNothing)
{
    PostMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(NextCommandID + 1, 0), 0);
    PostMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(save.GetID(), 0), 0);
    form.Flush();
    ExpectOneClickFromSave();
}

TEST_F(MenuChoice, TheShortcutKeyClicksTheItemOnce)
{
    {
        HeldControlKey control;
        PostMessageA(form.GetHandle(), WM_KEYDOWN, 'S', 0x00000001);
        PostMessageA(form.GetHandle(), WM_KEYUP, 'S', 0xC0000001);
        form.Flush();
    }
    EXPECT_EQ(form.commands, std::vector<WPARAM>{MAKEWPARAM(save.GetID(), 1)});
    ExpectOneClickFromSave();
}

TEST_F(MenuChoice, AnItemShownAsAPopupMenuDeliversToTheFormGiven)
{
    KVMENUITEM context, paste;
    paste.SetParent(&context);
    paste.SetCaption("&Paste");
    AfterDelay(50, [&] {
        PostMessageA(form.GetHandle(), WM_KEYDOWN, VK_DOWN, 1);
        PostMessageA(form.GetHandle(), WM_KEYDOWN, VK_RETURN, 1);
    });
    AfterDelay(3000, [] { EndMenu(); }); // should the keys be lost
    context.Popup(&form, 20, 20);
    form.Flush();
    const std::vector<RecordedEvent> clicks = form.EventsOf({eClick});
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].sender, static_cast<void *>(&paste));
}

namespace {

// An item that counts how often a table gathers its shortcut.
class CountedItem : public KVMENUITEM {
  public:
    void AddAccelerators(std::vector<ACCEL> &table) override
    {
        ++Gathered;
        KVMENUITEM::AddAccelerators(table);
    }
    static inline int Gathered = 0;
};

} // namespace

// Thousands of items, each with a shortcut, in one menu: the table is
// gathered once, when a key needs it, not on every change (which made the
// build take square time); every item is in the menu and the table, and the
// deleted items leave both.
TEST_F(MenuChoice, AMenuOfFiveThousandItemsIsBuiltWholeAndItsTableGatheredOnce)
{
    constexpr int Items = 5000;
    std::vector<std::unique_ptr<CountedItem>> items;
    CountedItem::Gathered = 0;
    for (int k = 0; k < Items; ++k) {
        items.push_back(std::make_unique<CountedItem>());
        items.back()->SetParent(&file);
        items.back()->SetCaption(("Item " + std::to_string(k)).c_str());
        items.back()->SetShortcut("alt+f11");
    }
    const std::vector<ACCEL> table = AcceleratorsOf(bar);
    EXPECT_EQ(CountedItem::Gathered, Items);
    EXPECT_EQ(file.GetItem(Items + 1), items.back().get());
    ASSERT_EQ(table.size(), static_cast<size_t>(Items + 1));
    EXPECT_EQ(table.back().cmd, items.back()->GetID());

    // The last made first, as a form's members go.
    while (!items.empty())
        items.pop_back();
    EXPECT_EQ(file.GetItemCount(), 1);
    ExpectCommands(bar, {&save});
    EXPECT_EQ(CountedItem::Gathered, Items);
}
