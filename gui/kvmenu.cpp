#include "kvmenu.h"

#include <cstddef>

#include "dispatch_hooks.h"
#include "shortcut.h"

uint32_t NextCommandID = 1;
KVMENUITEM *MenuItemList = nullptr;

namespace {

// The tail of MenuItemList, where each new item goes.
KVMENUITEM *LastListedItem = nullptr;

// WM_COMMAND and accelerator records carry 16 bits.
constexpr uint32_t LastCommandID = 0xFFFF;

// Identifiers of deleted items while a command may still name one: a chosen
// menu item's command is posted, and an item that took the identifier
// meanwhile would receive it. Made at first use and never freed: items with
// static storage may be made or deleted while the program starts or ends.
struct WaitingIDs {
    std::vector<bool> ids = std::vector<bool>(LastCommandID + 1);
    bool any = false;
};

WaitingIDs &Waiting()
{
    static WaitingIDs *const waiting = new WaitingIDs;
    return *waiting;
}

// With no command in the queue, none names a deleted item. (Looking at the
// queue handles what other programs send meanwhile, as any wait does.)
void FreeWaitingIDsUnlessACommandIsQueued()
{
    WaitingIDs &waiting = Waiting();
    MSG queued;
    if (!waiting.any || Lazy::PeekMessageA(&queued, nullptr, WM_COMMAND, WM_COMMAND,
                                           PM_NOREMOVE | PM_NOYIELD | PM_QS_POSTMESSAGE))
        return;
    waiting.ids.assign(LastCommandID + 1, false);
    waiting.any = false;
}

// The counter's next value; past the last one, the lowest identifier that
// no living item holds and no queued command may name, or 0 when there is
// none.
uint32_t TakeCommandID()
{
    if (NextCommandID <= LastCommandID)
        return NextCommandID++;
    FreeWaitingIDsUnlessACommandIsQueued();
    std::vector<bool> held = Waiting().ids;
    for (KVMENUITEM *item = MenuItemList; item; item = item->NextInList())
        held[item->GetID()] = true;
    for (uint32_t id = 1; id <= LastCommandID; ++id) {
        if (!held[id])
            return id;
    }
    return 0;
}

// The item record without the item bitmap, which items never use: the size
// every version of the menu functions accepts (44 bytes in 32-bit builds).
constexpr UINT ItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);
static_assert(sizeof(void *) != 4 || ItemInfoSize == 44, "the 32-bit item record has 44 bytes");

// Appends at the end of the Win32 menu.
constexpr UINT AtTheEnd = static_cast<UINT>(-1);

} // namespace

// --- KVPOPUP ---

KVPOPUP::KVPOPUP(KVCONTROL *ownerForm) : KVPOPUP(Lazy::CreatePopupMenu(), ownerForm) {}

KVPOPUP::KVPOPUP(HMENU handle, KVCONTROL *ownerForm) : MenuHandle(handle), OwnerForm(ownerForm) {}

KVPOPUP::~KVPOPUP()
{
    KVMENUITEM *item = FirstItem;
    while (item) {
        KVMENUITEM *next = item->NextInMenu;
        // Taken out first, so that the item's own menu outlives this one.
        Lazy::RemoveMenu(MenuHandle, item->CommandID, MF_BYCOMMAND);
        item->ParentMenu = nullptr;
        item->NextInMenu = nullptr;
        item = next;
    }
    Lazy::DestroyMenu(MenuHandle);
}

void KVPOPUP::SetMenuHandle(HMENU handle) { MenuHandle = handle; }

HMENU KVPOPUP::GetMenuHandle() { return MenuHandle; }

int32_t KVPOPUP::GetItemCount() { return Lazy::GetMenuItemCount(MenuHandle); }

KVMENUITEM *KVPOPUP::GetItem(int32_t index)
{
    KVMENUITEM *item = FirstItem;
    for (int32_t position = 2; item && position <= index; ++position)
        item = item->NextInMenu;
    return item;
}

void KVPOPUP::Popup(KVCONTROL *form, int32_t x, int32_t y)
{
    OwnerForm = form;
    Lazy::TrackPopupMenu(MenuHandle, 0, x, y, 0, form ? form->GetHandle() : nullptr, nullptr);
}

void KVPOPUP::AddItem(KVMENUITEM *item)
{
    item->NextInMenu = nullptr;
    (LastItem ? LastItem->NextInMenu : FirstItem) = item;
    LastItem = item;
}

void KVPOPUP::RemoveItem(KVMENUITEM *item)
{
    KVMENUITEM *previous = nullptr;
    for (KVMENUITEM **link = &FirstItem; *link; previous = *link, link = &(*link)->NextInMenu) {
        if (*link != item)
            continue;
        *link = item->NextInMenu;
        if (LastItem == item)
            LastItem = previous;
        item->NextInMenu = nullptr;
        if (item->ParentMenu == this)
            item->ParentMenu = nullptr;
        // By command the search reaches into submenus: only an item of this
        // menu is taken out.
        Lazy::RemoveMenu(MenuHandle, item->CommandID, MF_BYCOMMAND);
        BuildAccelerators();
        return;
    }
}

void KVPOPUP::NotifyOwner(KVMENUITEM *sender, KvEvent &event)
{
    if (KVCONTROL *form = OwnerForm.Get())
        form->EventHandler(sender, event);
}

void KVPOPUP::BuildAccelerators() {}

// --- KVMAINMENU ---

KVMAINMENU::KVMAINMENU(KVCONTROL *form) : KVPOPUP(Lazy::CreateMenu(), nullptr)
{
    SetOwnerForm(form);
    RegisterAccelerators(this);
}

KVMAINMENU::~KVMAINMENU()
{
    UnregisterAccelerators(this);
    if (AccelTable)
        Lazy::DestroyAcceleratorTable(AccelTable);
    if (KVCONTROL *form = GetOwnerForm())
        Lazy::SetMenu(form->GetHandle(), nullptr);
}

void KVMAINMENU::BuildAccelerators() { TableOutOfDate = true; }

void KVMAINMENU::SetOwnerForm(KVCONTROL *form)
{
    if (KVCONTROL *previous = GetOwnerForm())
        Lazy::SetMenu(previous->GetHandle(), nullptr);
    OwnerForm = form;
    if (form)
        Lazy::SetMenu(form->GetHandle(), MenuHandle);
}

KVCONTROL *KVMAINMENU::GetOwnerForm() { return OwnerForm.Get(); }

// Gathered from the items that are in the bar now: an item deleted while the
// table was out of date is no longer among them.
HACCEL KVMAINMENU::GetAcceleratorTable()
{
    if (!TableOutOfDate)
        return AccelTable;
    TableOutOfDate = false;
    std::vector<ACCEL> table;
    for (KVMENUITEM *item = FirstItem; item; item = item->NextInMenu)
        item->AddAccelerators(table);
    HACCEL previous = AccelTable;
    AccelTable =
        table.empty() ? nullptr : Lazy::CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
    if (previous)
        Lazy::DestroyAcceleratorTable(previous);
    return AccelTable;
}

// --- KVMENUITEM ---

KVMENUITEM::KVMENUITEM() : CommandID(TakeCommandID()), ItemInfo()
{
    ItemInfo.cbSize = ItemInfoSize;
    ItemInfo.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;
    ItemInfo.fType = MFT_STRING;
    ItemInfo.fState = MFS_ENABLED | MFS_UNCHECKED;
    ItemInfo.wID = CommandID;
    ItemInfo.dwTypeData = Caption.Data();
    ItemInfo.cch = 0;

    (LastListedItem ? LastListedItem->NextItem : MenuItemList) = this;
    LastListedItem = this;
    MenuCommandHandler = MenuCommand;
}

KVMENUITEM::~KVMENUITEM()
{
    Waiting().ids[CommandID] = true;
    Waiting().any = true;
    if (ParentMenu)
        ParentMenu->RemoveItem(this);
    KVMENUITEM *previous = nullptr;
    for (KVMENUITEM **link = &MenuItemList; *link; previous = *link, link = &(*link)->NextItem) {
        if (*link == this) {
            *link = NextItem;
            if (LastListedItem == this)
                LastListedItem = previous;
            break;
        }
    }
}

// The entry is written only when it gains its submenu: the window system
// checks the whole submenu on every write that names it.
void KVMENUITEM::AddItem(KVMENUITEM *item)
{
    KVPOPUP::AddItem(item);
    if (ItemInfo.hSubMenu == MenuHandle)
        return;
    ItemInfo.hSubMenu = MenuHandle;
    UpdateItem();
}

void KVMENUITEM::RemoveItem(KVMENUITEM *item)
{
    KVPOPUP::RemoveItem(item);
    if (GetItemCount() < 1) {
        ItemInfo.hSubMenu = nullptr;
        UpdateItem();
    }
}

void KVMENUITEM::NotifyOwner(KVMENUITEM *sender, KvEvent &event)
{
    if (ParentMenu)
        ParentMenu->NotifyOwner(sender, event);
    else
        KVPOPUP::NotifyOwner(sender, event);
}

void KVMENUITEM::BuildAccelerators()
{
    if (ParentMenu)
        ParentMenu->BuildAccelerators();
}

void KVMENUITEM::UpdateItem()
{
    if (ParentMenu)
        Lazy::SetMenuItemInfoA(ParentMenu->GetMenuHandle(), CommandID, FALSE, &ItemInfo);
}

void KVMENUITEM::Click()
{
    KvEvent event(eClick);
    NotifyOwner(this, event);
}

void KVMENUITEM::SetParent(KVPOPUP *menu)
{
    // A menu inside this item would make the chain of parents a loop.
    for (KVPOPUP *above = menu; above;) {
        if (above == this)
            return;
        KVMENUITEM *item = dynamic_cast<KVMENUITEM *>(above);
        above = item ? item->ParentMenu : nullptr;
    }
    if (ParentMenu)
        ParentMenu->RemoveItem(this);
    ParentMenu = menu;
    if (!menu)
        return;
    Lazy::InsertMenuItemA(menu->GetMenuHandle(), AtTheEnd, TRUE, &ItemInfo);
    menu->AddItem(this);
    // Shortcuts set while the item had no menu bar above it count from now.
    BuildAccelerators();
}

void KVMENUITEM::SetCaption(const KVSTRING &text)
{
    Caption = text;
    ItemInfo.dwTypeData = Caption.Data();
    ItemInfo.cch = static_cast<UINT>(Length(Caption));
    UpdateItem();
}

void KVMENUITEM::SetEnabled(KvBool enabled)
{
    if (enabled)
        ItemInfo.fState &= ~MFS_GRAYED;
    else
        ItemInfo.fState |= MFS_GRAYED;
    UpdateItem();
}

void KVMENUITEM::SetChecked(KvBool checked)
{
    if (checked)
        ItemInfo.fState |= MFS_CHECKED;
    else
        ItemInfo.fState &= ~MFS_CHECKED;
    UpdateItem();
}

void KVMENUITEM::SetSeparator(KvBool separator)
{
    if (separator)
        ItemInfo.fType |= MFT_SEPARATOR;
    else
        ItemInfo.fType &= ~MFT_SEPARATOR;
    UpdateItem();
}

void KVMENUITEM::SetShortcut(KVSTRING &text)
{
    const std::optional<ACCEL> accel = ParseShortcut(text);
    if (!accel)
        return;
    Accel = *accel;
    Accel.cmd = static_cast<WORD>(GetID());
    ShortcutText = text;
    BuildAccelerators();
}

KVPOPUP *KVMENUITEM::GetParentMenu() { return ParentMenu; }

uint32_t KVMENUITEM::GetID() { return CommandID; }

KVSTRING KVMENUITEM::GetCaption() { return Caption; }

KvBool KVMENUITEM::GetEnabled() { return ToKvBool((ItemInfo.fState & MFS_GRAYED) == 0); }

KvBool KVMENUITEM::GetChecked() { return ToKvBool((ItemInfo.fState & MFS_CHECKED) != 0); }

KvBool KVMENUITEM::GetSeparator() { return ToKvBool((ItemInfo.fType & MFT_SEPARATOR) != 0); }

KVSTRING KVMENUITEM::GetShortcut() { return ShortcutText; }

void KVMENUITEM::AddAccelerators(std::vector<ACCEL> &table)
{
    if (Length(ShortcutText) > 0) {
        if (table.size() < MaxAccelerators)
            table.push_back(Accel);
        return;
    }
    for (KVMENUITEM *item = FirstItem; item; item = item->NextInMenu)
        item->AddAccelerators(table);
}

bool MenuCommand(uint32_t id)
{
    if (id == 0)
        return false;
    for (KVMENUITEM *item = MenuItemList; item; item = item->NextInList()) {
        if (item->GetID() == id) {
            item->Click();
            return true;
        }
    }
    return false;
}
