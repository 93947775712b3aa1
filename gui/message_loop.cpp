#include "message_loop.h"

#include "kvarray.h"
#include "kvcontrol.h"

namespace {

KVARRAY<AcceleratorOwner *> AcceleratorOwners(AcceleratorOwnerCapacity - 1);
// Index of the last owner; -1 while there is none.
int32_t LastOwner = -1;

// Whether `window` is `container` or one of its descendants (through the
// parent links of child windows; an owned top-level window is not inside).
bool WindowInside(HWND window, HWND container)
{
    while (window) {
        if (window == container)
            return true;
        if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
            return false;
        window = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_HWNDPARENT));
    }
    return false;
}

// Offers the message to the tables in registration order; true when one
// translated it.
bool TranslateAccelerators(MSG &message)
{
    for (int32_t index = 0; index <= LastOwner; ++index) {
        AcceleratorOwner *owner = AcceleratorOwners.Item(index);
        KVCONTROL *form = owner->GetOwnerForm();
        HACCEL table = owner->GetAcceleratorTable();
        if (!form || !table)
            continue;
        HWND formWindow = form->GetHandle();
        // A disabled form's table would swallow keys typed into the modal
        // form that disabled it.
        if (!formWindow || !Lazy::IsWindowEnabled(formWindow) || !WindowInside(message.hwnd, formWindow))
            continue;
        if (Lazy::TranslateAcceleratorA(formWindow, table, &message))
            return true;
    }
    return false;
}

template <typename Action> void ForEachForm(Action action)
{
    for (KVCONTROL *control = ControlRegistry; control; control = control->NextInRegistry()) {
        if (control->IsA("Form"))
            action(*control);
    }
}

} // namespace

bool RegisterAccelerators(AcceleratorOwner *owner)
{
    if (LastOwner + 1 >= AcceleratorOwnerCapacity)
        return false;
    AcceleratorOwners.Item(++LastOwner) = owner;
    return true;
}

void UnregisterAccelerators(AcceleratorOwner *owner)
{
    int32_t kept = 0;
    for (int32_t index = 0; index <= LastOwner; ++index) {
        if (AcceleratorOwners.Item(index) != owner)
            AcceleratorOwners.Item(kept++) = AcceleratorOwners.Item(index);
    }
    LastOwner = kept - 1;
}

int32_t AcceleratorOwnerCount() { return LastOwner + 1; }

void PumpMessage()
{
    MSG message;
    // 0 is WM_QUIT, consumed here; -1 is a failure with no message.
    if (Lazy::GetMessageA(&message, nullptr, 0, 0) <= 0)
        return;
    if (TranslateAccelerators(message))
        return;
    Lazy::TranslateMessage(&message);
    Lazy::DispatchMessageA(&message);
}

void DisableForms()
{
    ForEachForm([](KVCONTROL &form) {
        form.SavedEnabled = form.GetEnabled();
        form.SetEnabled(KvFalse);
    });
}

void RestoreForms()
{
    ForEachForm([](KVCONTROL &form) { form.SetEnabled(form.SavedEnabled); });
}

SavedFormStates SaveFormStates()
{
    SavedFormStates states;
    ForEachForm([&](KVCONTROL &form) { states.emplace_back(&form, form.SavedEnabled); });
    return states;
}

void RestoreFormStates(const SavedFormStates &states)
{
    ForEachForm([&](KVCONTROL &form) {
        for (const auto &saved : states) {
            if (saved.first == &form)
                form.SavedEnabled = saved.second;
        }
    });
}
