#include "message_loop.h"

#include "dialog_keys.h"
#include "kvarray.h"
#include "kvcontrol.h"
#include "kvform.h"

namespace {

// Built at its first use, so that constructors of other files that run
// during global construction can register owners already.
struct OwnerRegistry {
    KVARRAY<AcceleratorOwner *> owners{AcceleratorOwnerCapacity - 1};
    // Index of the last owner; -1 while there is none.
    int32_t last = -1;
};

OwnerRegistry &Owners()
{
    static OwnerRegistry registry;
    return registry;
}

// The top-level window around `window` (through the parent links of child
// windows; an owned top-level window is a top-level window of its own).
HWND TopLevelWindow(HWND window)
{
    while (window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
        window = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_HWNDPARENT));
    return window;
}

// The form window whose tables serve a key typed into `window`: the form
// around it, or the form that one takes its shortcuts from while that form
// is enabled (a modal form that borrows from the form it disabled keeps its
// own keys).
HWND ShortcutWindow(HWND window)
{
    HWND top = TopLevelWindow(window);
    if (auto *form = dynamic_cast<KVFORM *>(FindControl(top))) {
        KVFORM *lender = form->GetShortcutForm();
        if (lender && lender->GetHandle() && Lazy::IsWindowEnabled(lender->GetHandle()))
            return lender->GetHandle();
    }
    return top;
}

// Only these messages are keys that a table translates.
bool IsAcceleratorKey(UINT message)
{
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR || message == WM_SYSCHAR;
}

// Offers a key to the tables of the form that serves it, in registration
// order; true when one translated it.
bool TranslateAccelerators(MSG &message)
{
    if (!IsAcceleratorKey(message.message))
        return false;
    HWND served = ShortcutWindow(message.hwnd);
    // A disabled form's table would swallow keys typed into the modal form
    // that disabled it.
    if (!served || !Lazy::IsWindowEnabled(served))
        return false;
    OwnerRegistry &registry = Owners();
    for (int32_t index = 0; index <= registry.last; ++index) {
        AcceleratorOwner *owner = registry.owners.Item(index);
        KVCONTROL *form = owner->GetOwnerForm();
        if (!form || form->GetHandle() != served)
            continue;
        HACCEL table = owner->GetAcceleratorTable();
        if (table && Lazy::TranslateAcceleratorA(served, table, &message))
            return true;
    }
    return false;
}

bool IsMouseOrKey(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_KEYFIRST && message <= WM_KEYLAST);
}

// Offers a mouse or key message to the filter of the form around its
// window; true when the filter used it.
bool FilteredByForm(MSG &message)
{
    if (!IsMouseOrKey(message.message))
        return false;
    auto *form = dynamic_cast<KVFORM *>(FindControl(TopLevelWindow(message.hwnd)));
    return form && form->FilterMessage(message);
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
    OwnerRegistry &registry = Owners();
    if (registry.last + 1 >= AcceleratorOwnerCapacity)
        return false;
    registry.owners.Item(++registry.last) = owner;
    return true;
}

void UnregisterAccelerators(AcceleratorOwner *owner)
{
    OwnerRegistry &registry = Owners();
    int32_t kept = 0;
    for (int32_t index = 0; index <= registry.last; ++index) {
        if (registry.owners.Item(index) != owner)
            registry.owners.Item(kept++) = registry.owners.Item(index);
    }
    registry.last = kept - 1;
}

int32_t AcceleratorOwnerCount() { return Owners().last + 1; }

void PumpMessage()
{
    MSG message;
    // 0 is WM_QUIT, consumed here; -1 is a failure with no message.
    if (Lazy::GetMessageA(&message, nullptr, 0, 0) <= 0)
        return;
    if (FilteredByForm(message))
        return;
    if (TranslateAccelerators(message))
        return;
    if (message.message == WM_KEYDOWN && IsDialogKey(static_cast<uint32_t>(message.wParam))) {
        DispatchDialogKey(message);
        return;
    }
    Lazy::TranslateMessage(&message);
    Lazy::DispatchMessageA(&message);
}

DisabledForms DisableForms(KVCONTROL *keep)
{
    DisabledForms disabled;
    ForEachForm([&](KVCONTROL &form) {
        if (&form != keep && form.GetEnabled())
            disabled.push_back({&form, form.GetHandle()});
    });
    // Disabling sends messages, whose handlers may delete forms: the list
    // is made first and each form checked before it is touched.
    for (const DisabledForm &entry : disabled) {
        if (FindControl(entry.window) == entry.form)
            entry.form->SetEnabled(KvFalse);
    }
    return disabled;
}

void RestoreForms(const DisabledForms &forms)
{
    for (const DisabledForm &entry : forms) {
        if (FindControl(entry.window) == entry.form)
            entry.form->SetEnabled(KvTrue);
    }
}
