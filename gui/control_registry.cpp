// The registry of controls that have a window: a singly linked list through
// NextControl, appended at its tail.
#include "kvcontrol.h"

KVCONTROL *ControlRegistry = nullptr;

void KVCONTROL::Register()
{
    NextControl = nullptr;
    KVCONTROL **link = &ControlRegistry;
    while (*link)
        link = &(*link)->NextControl;
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
