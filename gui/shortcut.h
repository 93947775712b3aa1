// The shortcut texts of menu items ("Ctrl+Z", "shift+alt+f12", "F2") and the
// keyboard accelerators they name. Case does not matter; '+' separates the
// parts, the key is the last part, and the modifier words count wherever
// they appear in the text.
#pragma once

#include <optional>

#include "kvstring.h"
#include "system_headers.h"

// Normalises `text` in place to "+" followed by its trimmed lower-case form
// (the caller's text changes even when it names no key), then answers the
// accelerator it names, with command 0: FVIRTKEY plus FCONTROL, FALT and
// FSHIFT for "ctrl", "alt" and "shift", and "f" with a number from 1 to 24 as a
// function key, or else the upper case of the key's first character. A text
// whose last part is empty ("", "ctrl+", "ctrl++") names no key.
std::optional<ACCEL> ParseShortcut(KVSTRING &text);
