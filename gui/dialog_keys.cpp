#include "dialog_keys.h"

#include "dispatch_hooks.h"

namespace {

// Set when a form used the key-down being dispatched. A modal loop that a
// handler runs meanwhile dispatches keys of its own, and leaves the flag
// clear behind each of them.
bool KeyUsed = false;

} // namespace

DialogKeyUser DialogKeyHandler = nullptr;

bool IsDialogKey(uint32_t keyCode) { return keyCode == VK_RETURN || keyCode == VK_ESCAPE; }

void DispatchDialogKey(const MSG &message)
{
    KeyUsed = false;
    Lazy::DispatchMessageA(&message);
    const bool used = KeyUsed;
    KeyUsed = false;
    if (!used)
        Lazy::TranslateMessage(&message);
}

void OfferDialogKey(KVCONTROL &control, uint32_t keyCode)
{
    if (DialogKeyHandler && DialogKeyHandler(control, keyCode))
        KeyUsed = true;
}
