// The registry of controls that have a window: a singly linked list through
// NextControl, appended at its tail, with an index by window and by address
// beside it. The window procedure looks a control up for every message and
// asks after every handler whether it is still registered; with hundreds of
// controls, walking the list each time made every message cost hundreds of
// steps.
#include <unordered_map>
#include <unordered_set>

#include "kvcontrol.h"

KVCONTROL *ControlRegistry = nullptr;

namespace {

struct RegistryIndex {
    std::unordered_map<HWND, KVCONTROL *> byWindow;
    std::unordered_set<const KVCONTROL *> members;
};

// Made at first use and never freed: controls with static storage may
// register or leave in any order, also while the program ends.
RegistryIndex &Index()
{
    static RegistryIndex *const index = new RegistryIndex;
    return *index;
}

void ForgetWindow(HWND window, const KVCONTROL *control)
{
    auto &byWindow = Index().byWindow;
    const auto entry = byWindow.find(window);
    if (entry != byWindow.end() && entry->second == control)
        byWindow.erase(entry);
}

} // namespace

// Only a control with a window is registered, and only once: a second entry
// would link the control to itself.
void KVCONTROL::Register()
{
    if (!Handle || !Index().members.insert(this).second)
        return;
    KVCONTROL **link = &ControlRegistry;
    while (*link)
        link = &(*link)->NextControl;
    NextControl = nullptr;
    *link = this;
    Index().byWindow[Handle] = this;
}

void KVCONTROL::Unregister()
{
    if (Index().members.erase(this) == 0)
        return;
    ForgetWindow(Handle, this);
    for (KVCONTROL **link = &ControlRegistry; *link; link = &(*link)->NextControl) {
        if (*link == this) {
            *link = NextControl;
            NextControl = nullptr;
            return;
        }
    }
}

// A registered control that gets another window is found by the new one.
void KVCONTROL::SetHandle(HWND handle)
{
    if (IsRegistered(this)) {
        ForgetWindow(Handle, this);
        if (handle)
            Index().byWindow[handle] = this;
    }
    Handle = handle;
}

KVCONTROL *FindControl(HWND window)
{
    const auto &byWindow = Index().byWindow;
    const auto entry = byWindow.find(window);
    return entry != byWindow.end() ? entry->second : nullptr;
}

bool IsRegistered(const KVCONTROL *control) { return Index().members.count(control) != 0; }

uint64_t KVCONTROL::TakeControlSerial()
{
    static uint64_t last = 0;
    return ++last;
}

ControlRef::ControlRef(KVCONTROL *control) : Control(control), Serial(control ? control->Serial : 0) {}

// Only a registered address holds a live control whose serial may be read.
KVCONTROL *ControlRef::Get() const
{
    return Control && IsRegistered(Control) && Control->Serial == Serial ? Control : nullptr;
}
