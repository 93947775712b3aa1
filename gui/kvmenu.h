// Menus over Win32 menu handles: KVPOPUP, a menu with a list of items
// (usable as a pop-up menu); KVMAINMENU, a form's menu bar, which gathers
// the shortcuts of all its items into one accelerator table for the message
// loop; and KVMENUITEM, one entry, itself a menu so that any item can carry
// a submenu. A chosen item, by mouse or by its shortcut, raises eClick on
// the EventHandler of the form that owns the menu, with the item as sender.
// Menus have no window and are no controls.
#pragma once

#include <cstdint>
#include <vector>

#include "events.h"
#include "kvbool.h"
#include "kvcontrol.h"
#include "kvstring.h"
#include "message_loop.h"
#include "system_headers.h"

class KVMENUITEM;

class KVPOPUP {
  public:
    // Owns a new pop-up menu; the owner form receives the items' events.
    explicit KVPOPUP(KVCONTROL *ownerForm = nullptr);
    KVPOPUP(const KVPOPUP &) = delete;
    KVPOPUP &operator=(const KVPOPUP &) = delete;

    virtual void SetMenuHandle(HMENU handle);
    virtual HMENU GetMenuHandle();
    // The number of entries of the Win32 menu.
    virtual int32_t GetItemCount();
    // 1-based; an index of 1 or below gives the first item, past the end null.
    virtual KVMENUITEM *GetItem(int32_t index);
    // Shows the menu at screen position x, y for the form, which then
    // receives the events of the chosen item.
    virtual void Popup(KVCONTROL *form, int32_t x, int32_t y);
    // Appends the item to this menu's list (SetParent also inserts it into
    // the Win32 menu).
    virtual void AddItem(KVMENUITEM *item);
    // Takes the item out of the list and the Win32 menu; the item is then
    // without a parent and its shortcut leaves the menu bar's table.
    virtual void RemoveItem(KVMENUITEM *item);
    // Hands an item's event to the owner form; without one it is dropped.
    virtual void NotifyOwner(KVMENUITEM *sender, KvEvent &event);
    // Tells the menu bar above that its accelerator table is to be made
    // anew; a pop-up menu has none.
    virtual void BuildAccelerators();
    // Destroys the Win32 menu; the items stay, without a parent. (A menu
    // whose window is gone was already destroyed with it, and destroying it
    // again does nothing.)
    virtual ~KVPOPUP();

  protected:
    KVPOPUP(HMENU handle, KVCONTROL *ownerForm);

    HMENU MenuHandle;
    KVMENUITEM *FirstItem = nullptr;
    // The tail of the list, so that appending does not walk it.
    KVMENUITEM *LastItem = nullptr;
    ControlRef OwnerForm;
};

// A form's menu bar and the owner of the accelerator table made from the
// shortcuts of all its items, nested ones included.
class KVMAINMENU : public KVPOPUP, public AcceleratorOwner {
  public:
    // Attaches a new menu bar to the form (which may be null) and joins the
    // message loop's accelerator owners.
    explicit KVMAINMENU(KVCONTROL *form);

    // Marks the table out of date: it is gathered from the shortcuts of the
    // items when it is next asked for, so that building a menu of N items
    // with shortcuts gathers it once, not N times.
    void BuildAccelerators() override;

    // Moves the bar from its current form's window to the new form's.
    virtual void SetOwnerForm(KVCONTROL *form);
    // The owner form while it has a window: the bar stays an accelerator
    // owner when its form is deleted first, and the message loop asks every
    // owner for its form on every message, so a deleted form is never
    // answered, nor a new form made at its address.
    KVCONTROL *GetOwnerForm() override;
    // Leaves the accelerator owners, destroys the table and takes the bar
    // off its form's window while that form is still registered.
    ~KVMAINMENU() override;

    // The table of the items' shortcuts as they are now; a new one replaces
    // (and destroys) the previous one when an item changed meanwhile.
    HACCEL GetAcceleratorTable() override;

  private:
    HACCEL AccelTable = nullptr;
    bool TableOutOfDate = false;
};

class KVMENUITEM : public KVPOPUP {
  public:
    // A new item without parent, caption or shortcut, with the next command
    // identifier, appended to MenuItemList.
    KVMENUITEM();
    // Leaves its menu, MenuItemList and the accelerator table; its items are
    // left without a parent.
    ~KVMENUITEM() override;

    // Also makes this item's own menu the submenu of its entry.
    void AddItem(KVMENUITEM *item) override;
    // The entry loses its submenu with the last item.
    void RemoveItem(KVMENUITEM *item) override;
    // Up through the parent menus to the owner form of the menu bar; an item
    // without parent that was shown with Popup goes to the form given there.
    void NotifyOwner(KVMENUITEM *sender, KvEvent &event) override;
    void BuildAccelerators() override;

    // Writes the whole entry to the parent menu.
    virtual void UpdateItem();
    // Raises eClick with this item as sender.
    virtual void Click();
    // Appends the entry to the menu (after leaving its previous one); a
    // shortcut set before takes effect now.
    virtual void SetParent(KVPOPUP *menu);
    // A tab separates the label from the shortcut shown at the right; an
    // ampersand marks the mnemonic.
    virtual void SetCaption(const KVSTRING &text);
    virtual void SetEnabled(KvBool enabled);
    virtual void SetChecked(KvBool checked);
    virtual void SetSeparator(KvBool separator);
    // Replaces `text` by its normalised form (see ParseShortcut) and, when it
    // names a key, makes that key choose this item through the menu bar's
    // table. A text that names no key changes nothing else.
    virtual void SetShortcut(KVSTRING &text);
    virtual KVPOPUP *GetParentMenu();
    virtual uint32_t GetID();
    virtual KVSTRING GetCaption();
    virtual KvBool GetEnabled();
    virtual KvBool GetChecked();
    virtual KvBool GetSeparator();
    // The normalised shortcut text; empty without a shortcut.
    virtual KVSTRING GetShortcut();
    // Adds this item's accelerator to the table, or, when it has no
    // shortcut, those of its items.
    virtual void AddAccelerators(std::vector<ACCEL> &table);

    // For a shortcut text that is no variable of the caller's.
    void SetShortcut(KVSTRING &&text) { SetShortcut(text); }
    // The next item of MenuItemList.
    KVMENUITEM *NextInList() const { return NextItem; }

  private:
    friend class KVPOPUP;
    friend class KVMAINMENU;

    KVPOPUP *ParentMenu = nullptr;
    uint32_t CommandID;
    KVSTRING ShortcutText;
    ACCEL Accel{};
    KVMENUITEM *NextItem = nullptr;
    // The caption's characters, which ItemInfo points at.
    KVSTRING Caption;
    MENUITEMINFOA ItemInfo;
    KVMENUITEM *NextInMenu = nullptr;
};

// The command identifier of the next item: 1 at program start, then 2, 3,
// ... in construction order up to 65535, the last one that WM_COMMAND
// carries. Past it, each new item takes the lowest identifier that no living
// item holds and that no command in the queue may name: a deleted item's
// identifier waits while any WM_COMMAND is queued (0, which no command
// chooses, when every identifier is held or waits).
extern uint32_t NextCommandID;
// Head of the list of all existing items, in construction order.
extern KVMENUITEM *MenuItemList;
// The most accelerators one table holds.
constexpr size_t MaxAccelerators = 32767;

// Clicks the item with the command identifier, when there is one; the
// window procedure calls it for WM_COMMAND from a menu or an accelerator
// (it is installed as MenuCommandHandler when the first item is made).
bool MenuCommand(uint32_t id);
