// Enter and Escape as Windows dialogs treat them. A key-down of either goes
// through the focused control's hooks and handlers first; what they leave
// goes to the dialog key hook (dispatch_hooks.h), through which the forms
// module lets the control's form use it. The message loop makes the key's
// character only when no form used the key, so that the control does not
// type it as well.
#pragma once

#include <cstdint>

#include "system_headers.h"

class KVCONTROL;

bool IsDialogKey(uint32_t keyCode);

// Dispatches a key-down of Enter or Escape, then translates it into its
// character unless a form used it.
void DispatchDialogKey(const MSG &message);

// Hands a key that the control's handlers left to the dialog key hook.
void OfferDialogKey(KVCONTROL &control, uint32_t keyCode);
