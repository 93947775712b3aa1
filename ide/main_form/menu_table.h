// The rows of the editor's menus: which item goes into which menu, with
// which caption, shortcut and action. The main form builds its menus and
// routes clicks from this table, so the two never disagree.
#pragma once

#include <cstdint>

#include "main_form.h"

struct MenuRow {
    KVMENUITEM KVMAINFORM::*item;
    // The menu the item goes into; null for the menu bar.
    KVMENUITEM KVMAINFORM::*parent;
    // Null for a separator.
    const char *caption;
    // Null when the item has no shortcut.
    const char *shortcut;
    // Null for menu titles and separators.
    void (KVMAINFORM::*action)(KvEvent &event);
};

constexpr int32_t MenuRowCount = 39;

extern const MenuRow MenuTable[MenuRowCount];
