// The registry of controls that have a window: a singly linked list through
// NextControl, appended at its tail.
#include "kvcontrol.h"

KVCONTROL *ControlRegistry = nullptr;

// Only a control with a window is registered, and only once: a second entry
// would link the control to itself.
void KVCONTROL::Register()
{
    if (!Handle)
        return;
    KVCONTROL **link = &ControlRegistry;
    for (; *link; link = &(*link)->NextControl) {
        if (*link == this)
            return;
    }
    NextControl = nullptr;
    *link = this;
}

void KVCONTROL::Unregister()
{
    for (KVCONTROL **link = &ControlRegistry; *link; link = &(*link)->NextControl) {
        if (*link == this) {
            *link = NextControl;
            NextControl = nullptr;
            return;
        }
    }
}

KVCONTROL *FindControl(HWND window)
{
    for (KVCONTROL *control = ControlRegistry; control; control = control->NextInRegistry()) {
        if (control->GetHandle() == window)
            return control;
    }
    return nullptr;
}

bool IsRegistered(const KVCONTROL *control)
{
    for (KVCONTROL *registered = ControlRegistry; registered; registered = registered->NextInRegistry()) {
        if (registered == control)
            return true;
    }
    return false;
}
