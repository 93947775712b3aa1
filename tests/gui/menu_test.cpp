// Menu bars, menus and items: their Win32 menus, their lists, and the way a
// chosen item reaches its form.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "gui_test_support.h"
#include "menu_test_support.h"

namespace {

// The item's entry as the window system has it.
MENUITEMINFOA EntryOf(KVPOPUP &menu, KVMENUITEM &item)
{
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU;
    EXPECT_TRUE(GetMenuItemInfoA(menu.GetMenuHandle(), item.GetID(), FALSE, &info));
    return info;
}

std::string CaptionOf(KVPOPUP &menu, KVMENUITEM &item)
{
    char text[64] = "";
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    EXPECT_TRUE(GetMenuItemInfoA(menu.GetMenuHandle(), item.GetID(), FALSE, &info));
    return text;
}

// The command identifiers of the Win32 menu's entries, by position.
std::vector<UINT> EntriesOf(KVPOPUP &menu)
{
    std::vector<UINT> ids;
    for (int position = 0; position < GetMenuItemCount(menu.GetMenuHandle()); ++position)
        ids.push_back(GetMenuItemID(menu.GetMenuHandle(), position));
    return ids;
}

// The items of the menu's list, through GetItem.
std::vector<KVMENUITEM *> ItemsOf(KVPOPUP &menu)
{
    std::vector<KVMENUITEM *> items;
    for (int32_t index = 1; menu.GetItem(index); ++index)
        items.push_back(menu.GetItem(index));
    return items;
}

bool InMenuItemList(const KVMENUITEM *wanted)
{
    for (KVMENUITEM *item = MenuItemList; item; item = item->NextInList()) {
        if (item == wanted)
            return true;
    }
    return false;
}

} // namespace

TEST(MenuItemStates, EachChangeReachesTheWin32Entry)
{
    KVMAINMENU bar(nullptr);
    KVMENUITEM item;
    item.SetParent(&bar);
    item.SetCaption("&Open\tCtrl+O");
    EXPECT_EQ(CaptionOf(bar, item), "&Open\tCtrl+O");
    EXPECT_EQ(Text(item.GetCaption()), "&Open\tCtrl+O");

    struct Step {
        const char *what;
        std::function<void()> change;
        UINT state;
        bool separator;
    };
    const Step steps[] = {
        {"new", [] {}, 0, false},
        {"disabled", [&] { item.SetEnabled(KvFalse); }, MFS_GRAYED, false},
        {"checked", [&] { item.SetChecked(KvTrue); }, MFS_GRAYED | MFS_CHECKED, false},
        {"enabled", [&] { item.SetEnabled(KvTrue); }, MFS_CHECKED, false},
        {"separator", [&] { item.SetSeparator(KvTrue); }, MFS_CHECKED, true},
        {"unchecked", [&] { item.SetChecked(KvFalse); }, 0, true},
        {"no separator", [&] { item.SetSeparator(KvFalse); }, 0, false},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        const MENUITEMINFOA entry = EntryOf(bar, item);
        EXPECT_EQ(entry.fState & (MFS_GRAYED | MFS_CHECKED), step.state);
        EXPECT_EQ((entry.fType & MFT_SEPARATOR) != 0, step.separator);
        EXPECT_EQ(item.GetEnabled(), ToKvBool(!(step.state & MFS_GRAYED)));
        EXPECT_EQ(item.GetChecked(), ToKvBool(step.state & MFS_CHECKED));
        EXPECT_EQ(item.GetSeparator(), ToKvBool(step.separator));
    }
    EXPECT_EQ(CaptionOf(bar, item), "&Open\tCtrl+O");
}

TEST(MenuStructure, ItemsKeepTheOrderOfTheirParentsInTheListAndTheWin32Menu)
{
    KVPOPUP menu;
    KVMENUITEM a, b, c, d;
    for (KVMENUITEM *item : {&c, &a, &d, &b})
        item->SetParent(&menu);
    EXPECT_EQ(ItemsOf(menu), (std::vector<KVMENUITEM *>{&c, &a, &d, &b}));
    EXPECT_EQ(EntriesOf(menu), (std::vector<UINT>{c.GetID(), a.GetID(), d.GetID(), b.GetID()}));
    EXPECT_EQ(menu.GetItemCount(), 4);
    EXPECT_EQ(menu.GetItem(0), &c);
    EXPECT_EQ(menu.GetItem(5), nullptr);

    menu.RemoveItem(&c);
    menu.RemoveItem(&d);
    EXPECT_EQ(ItemsOf(menu), (std::vector<KVMENUITEM *>{&a, &b}));
    EXPECT_EQ(EntriesOf(menu), (std::vector<UINT>{a.GetID(), b.GetID()}));
    EXPECT_EQ(c.GetParentMenu(), nullptr);

    // Moving an item takes it out of its previous menu.
    b.SetParent(&a);
    EXPECT_EQ(ItemsOf(menu), (std::vector<KVMENUITEM *>{&a}));
    EXPECT_EQ(ItemsOf(a), (std::vector<KVMENUITEM *>{&b}));
    // A menu inside an item cannot become its parent.
    a.SetParent(&b);
    EXPECT_EQ(a.GetParentMenu(), &menu);
    EXPECT_TRUE(ItemsOf(b).empty());
}

TEST(MenuStructure, AnItemsEntryHasItsOwnMenuAsSubmenuWhileItHasItems)
{
    KVMAINMENU bar(nullptr);
    KVMENUITEM file, save;
    file.SetParent(&bar);
    EXPECT_EQ(EntryOf(bar, file).hSubMenu, nullptr);
    save.SetParent(&file);
    EXPECT_EQ(EntryOf(bar, file).hSubMenu, file.GetMenuHandle());
    EXPECT_EQ(EntriesOf(file), std::vector<UINT>{save.GetID()});
    save.SetParent(nullptr);
    EXPECT_EQ(EntryOf(bar, file).hSubMenu, nullptr);
}

TEST(MenuStructure, ADeletedItemLeavesItsMenuAndTheItemListAndFreesItsItems)
{
    KVPOPUP menu;
    KVMENUITEM kept, child;
    auto doomed = std::make_unique<KVMENUITEM>();
    doomed->SetParent(&menu);
    kept.SetParent(&menu);
    child.SetParent(doomed.get());
    const uint32_t id = doomed->GetID();
    const KVMENUITEM *address = doomed.get();
    EXPECT_TRUE(InMenuItemList(address));

    doomed.reset();
    EXPECT_FALSE(InMenuItemList(address));
    EXPECT_EQ(ItemsOf(menu), std::vector<KVMENUITEM *>{&kept});
    EXPECT_EQ(EntriesOf(menu), std::vector<UINT>{kept.GetID()});
    EXPECT_EQ(child.GetParentMenu(), nullptr);
    MenuCommand(id);
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
        EXPECT_EQ(clicks[0].sender, save.AsSender());
    }

    RecorderForm form;
    KVMAINMENU bar{&form};
    KVMENUITEM file, save;
};

TEST_F(MenuChoice, AMenuCommandClicksTheItemOnce)
{
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

TEST_F(MenuChoice, AnUnknownCommandAndAnItemOutsideTheBarReachNoForm)
{
    KVMENUITEM loose;
    PostMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(loose.GetID() + 100, 0), 0);
    PostMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(loose.GetID(), 0), 0);
    form.Flush();
    EXPECT_TRUE(form.EventsOf({eClick}).empty());
}

TEST_F(MenuChoice, ABarMovedToAnotherFormDeliversThere)
{
    RecorderForm other;
    bar.SetOwnerForm(&other);
    EXPECT_EQ(GetMenu(form.GetHandle()), nullptr);
    EXPECT_EQ(GetMenu(other.GetHandle()), bar.GetMenuHandle());
    save.Click();
    EXPECT_TRUE(form.EventsOf({eClick}).empty());
    ASSERT_EQ(other.EventsOf({eClick}).size(), 1u);
    EXPECT_EQ(other.EventsOf({eClick})[0].sender, save.AsSender());
}
