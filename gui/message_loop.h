// The message loop of the library: one pumping step with keyboard
// accelerators, the registry of accelerator owners that menu bars join, and
// the disabling and restoring of forms around a modal form.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "kvbool.h"

#include "system_headers.h"

class KVCONTROL;

// Something with an accelerator table (a menu bar): its table is tried on
// key messages for its form's window and the controls inside it.
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

// Waits for one message and handles it: the first table of an enabled form
// that contains the message's window and translates the message consumes
// it; any other message is translated and dispatched. WM_QUIT is consumed.
void PumpMessage();

// Saves every registered form's enabled state and disables it.
void DisableForms();
// Gives every registered form its saved enabled state back.
void RestoreForms();

// The saved enabled states of the registered forms, which a modal loop keeps
// aside while a nested one overwrites them.
using SavedFormStates = std::vector<std::pair<KVCONTROL *, KvBool>>;
SavedFormStates SaveFormStates();
// Puts the states back into the forms that are still registered.
void RestoreFormStates(const SavedFormStates &states);
