// The message loop of the library: one pumping step with keyboard
// accelerators, the registry of accelerator owners that menu bars join, and
// the disabling and restoring of forms around a modal form.
#pragma once

#include <cstdint>
#include <vector>

#include "kvbool.h"

#include "system_headers.h"

class KVCONTROL;

// Something with an accelerator table (a menu bar): its table is tried on
// key messages for its form's window and the controls inside it, and for
// the forms that take their shortcuts from that form.
class AcceleratorOwner {
  public:
    virtual HACCEL GetAcceleratorTable() = 0;
    virtual KVCONTROL *GetOwnerForm() = 0;

  protected:
    ~AcceleratorOwner() = default;
};

// Room for this many owners at once.
constexpr int32_t AcceleratorOwnerCapacity = 256;

// Adds an owner at the end; false (and nothing changes) when the registry
// is full.
bool RegisterAccelerators(AcceleratorOwner *owner);
// Removes an owner, keeping the order of the others; an owner must leave
// before it is deleted.
void UnregisterAccelerators(AcceleratorOwner *owner);
// The number of registered owners.
int32_t AcceleratorOwnerCount();

// Waits for one message and handles it: a key goes to the tables of the
// form around its window, or of the form that one takes its shortcuts from
// (KVFORM::SetShortcutForm), while that form is enabled; the first table
// that translates it consumes it. Any other message is translated and
// dispatched (a key-down of Enter or Escape is dispatched first, see
// dialog_keys.h). WM_QUIT is consumed.
void PumpMessage();

// A form that a modal loop disabled, with its window: a form deleted
// meanwhile is told apart from a new one at the same address.
struct DisabledForm {
    KVCONTROL *form;
    HWND window;
};
using DisabledForms = std::vector<DisabledForm>;

// Disables every registered form that is enabled, except `keep`, and answers
// those it disabled.
DisabledForms DisableForms(KVCONTROL *keep = nullptr);
// Enables the forms again that still exist; forms made meanwhile, and those
// that were disabled already, stay as they are.
void RestoreForms(const DisabledForms &forms);
