#include "kvform.h"

#include "app_instance.h"
#include "dispatch_hooks.h"
#include "kvbutton.h"
#include "message_loop.h"
#include "window_class.h"

namespace {

// Makes `window` active again when it was not 0.
void Reactivate(HWND window)
{
    if (window)
        Lazy::SetActiveWindow(window);
}

// A push button, plain or default, as against a check box or a radio button.
bool IsPushButton(KVCONTROL &control)
{
    const auto type = static_cast<DWORD>(GetWindowLongPtrA(control.GetHandle(), GWL_STYLE)) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// A multi-line edit that wants Return types Enter as a line break.
bool TakesReturn(KVCONTROL &control)
{
    return control.IsA("Edit") && control.HasStyle(ES_MULTILINE) && control.HasStyle(ES_WANTRETURN);
}

// The dialog key hook: the form around the focused control decides.
bool UseDialogKeyOfEnclosingForm(KVCONTROL &focused, uint32_t keyCode)
{
    for (KVCONTROL *around = &focused; around; around = around->GetParent()) {
        if (auto *form = dynamic_cast<KVFORM *>(around))
            return form->UseDialogKey(keyCode, focused);
    }
    return false;
}

} // namespace

KVFORM::ModalLoopState *KVFORM::InnermostLoop = nullptr;

KVFORM::KVFORM()
{
    RegisterLibraryWindowClass();
    DialogKeyHandler = UseDialogKeyOfEnclosingForm;
    HWND active = Lazy::GetActiveWindow();
    SetHandle(Lazy::CreateWindowExA(0, LibraryWindowClass, "", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                    CW_USEDEFAULT, 400, 300, nullptr, nullptr, AppInstance(), nullptr));
    Lazy::UpdateWindow(Handle);
    IsContainer = KvTrue;
    Register();
    // Registered now, the form hears this and fills its geometry cache.
    Lazy::SendMessageA(Handle, WM_MOVE, 0, 0);
    Canvas.SetDC(Lazy::GetDC(Handle));
    Canvas.SetWindow(Handle);
    SetVisible(KvFalse);
    Pressed = KvFalse;
    OnCreate();
    KvEvent created(eCreate);
    Fire(created);
    Reactivate(active);
}

KVFORM::~KVFORM()
{
    for (ModalLoopState *loop = InnermostLoop; loop; loop = loop->outer) {
        if (loop->form == this) {
            loop->form = nullptr;
            loop->result = ModalResult;
        }
    }
    // The capture taken when the button went down would outlive the form in
    // its window, which may stay, and keep every click of the program. The
    // window leaves the registry first: the release notifies it.
    if (Pressed && Handle && Lazy::GetCapture() == Handle) {
        KVCONTROL::Unregister();
        Lazy::ReleaseCapture();
    }
}

LRESULT KVFORM::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN) {
        // Captured, the form hears the release wherever it happens. The
        // capture comes before the handlers: one that opens a modal loop
        // disables this form, which ends the capture and with it the press.
        Lazy::SetCapture(Handle);
        Pressed = KvTrue;
    }
    const ControlRef self(this);
    const LRESULT result = KVCONTROL::WindowProc(message, wParam, lParam);
    if (!self.Get())
        return 0;
    switch (message) {
    case WM_LBUTTONUP: {
        const bool clicked = Pressed && InClientArea(lParam);
        // Releasing the capture reports a lost capture; the press is over.
        Pressed = KvFalse;
        if (Lazy::GetCapture() == Handle)
            Lazy::ReleaseCapture();
        if (clicked) {
            OnClick();
            FireIfRegistered(self, eClick);
        }
        break;
    }
    case WM_CAPTURECHANGED:
        Pressed = KvFalse;
        break;
    case WM_SHOWWINDOW:
        Lazy::DrawMenuBar(Handle);
        break;
    case WM_QUERYENDSESSION:
        return OnQueryEndSession();
    case WM_ENDSESSION:
        return OnEndSession(ToKvBool(wParam != 0));
    default:
        break;
    }
    return result;
}

// The position of a mouse message, signed: a captured release left of or
// above the window arrives negative.
bool KVFORM::InClientArea(LPARAM position)
{
    const RECT client = ClientRect();
    const int x = static_cast<SHORT>(LOWORD(position));
    const int y = static_cast<SHORT>(HIWORD(position));
    return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

int32_t KVFORM::GetClientWidth() { return ClientRect().right; }

int32_t KVFORM::GetClientHeight() { return ClientRect().bottom; }

KvBool KVFORM::IsA(const KVSTRING &className)
{
    if (ToUpper(className) == "FORM")
        return KvTrue;
    return KVCONTROL::IsA(className);
}

void KVFORM::SetIcon(const KVSTRING &fileName)
{
    SetIconHandle(
        static_cast<HICON>(Lazy::LoadImageA(nullptr, fileName.Data(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
}

void KVFORM::SetIconHandle(HICON icon)
{
    Lazy::SendMessageA(Handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    Lazy::SendMessageA(Handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void KVFORM::SetBorderStyle(int32_t style)
{
    HWND active = Lazy::GetActiveWindow();
    SetStyle(WS_THICKFRAME, KvFalse);
    SetStyle(WS_DLGFRAME, KvFalse);
    if (style == BorderSizeable)
        SetStyle(WS_THICKFRAME, KvTrue);
    if (style == BorderDialog || style == BorderFixedDialog) {
        SetStyle(WS_DLGFRAME, KvTrue);
        SetMinimizeBox(KvFalse);
        SetMaximizeBox(KvFalse);
        if (style == BorderFixedDialog)
            SetControlBox(KvFalse);
    }
    // A size change makes the system recompute and redraw the frame.
    SetWidth(GetWidth() + 1);
    SetWidth(GetWidth() - 1);
    BorderStyle = style;
    Reactivate(active);
}

void KVFORM::SetMinimizeBox(KvBool on) { SetStyle(WS_MINIMIZEBOX, on); }

void KVFORM::SetMaximizeBox(KvBool on) { SetStyle(WS_MAXIMIZEBOX, on); }

void KVFORM::SetControlBox(KvBool on) { SetStyle(WS_SYSMENU, on); }

void KVFORM::SetClientWidth(int32_t width) { SetWidth(GetWidth() - GetClientWidth() + width); }

void KVFORM::SetClientHeight(int32_t height) { SetHeight(GetHeight() - GetClientHeight() + height); }

void KVFORM::SetWindowState(int32_t state)
{
    switch (state) {
    case WindowNormal:
        Lazy::ShowWindow(Handle, SW_SHOW);
        break;
    case WindowMaximized:
        Lazy::ShowWindow(Handle, SW_MAXIMIZE);
        break;
    case WindowMinimized:
        Lazy::ShowWindow(Handle, SW_MINIMIZE);
        break;
    default:
        break;
    }
}

HICON KVFORM::GetIconHandle()
{
    return reinterpret_cast<HICON>(Lazy::SendMessageA(Handle, WM_GETICON, ICON_BIG, 0));
}

int32_t KVFORM::GetBorderStyle() { return BorderStyle; }

KvBool KVFORM::GetMinimizeBox() { return HasStyle(WS_MINIMIZEBOX); }

KvBool KVFORM::GetMaximizeBox() { return HasStyle(WS_MAXIMIZEBOX); }

KvBool KVFORM::GetControlBox() { return HasStyle(WS_SYSMENU); }

int32_t KVFORM::GetWindowState()
{
    if (Lazy::IsIconic(Handle))
        return WindowMinimized;
    if (Lazy::IsZoomed(Handle))
        return WindowMaximized;
    return WindowNormal;
}

void KVFORM::Close() { Lazy::DestroyWindow(Handle); }

// A form that became the active window while it was hidden hears no
// activation when it is shown, which would have focused its first control.
void KVFORM::Show()
{
    const ControlRef self(this);
    SetVisible(KvTrue);
    if (self.Get() && Lazy::GetActiveWindow() == Handle)
        RestoreFocus();
}

void KVFORM::RestoreFocus()
{
    if (HasFocusedControl())
        return;
    if (KVCONTROL *target = FocusTarget())
        target->SetFocus();
    else
        Lazy::SetFocus(Handle);
}

void KVFORM::RememberFocus(KVCONTROL &control) { LastFocused = &control; }

KVCONTROL *KVFORM::FocusTarget()
{
    if (KeepsKeyboard())
        return nullptr;
    KVCONTROL *last = LastFocused.Get();
    if (last && last != this && Contains(last) && last->TakesTabFocus())
        return last;
    return FirstTabStop();
}

// Every step may run handlers that delete the form; the loop's state, which
// the destructor marks, lives here. Whether Escape closes the form is decided
// once: loops nest, so the loops around this one stay until it ends.
int32_t KVFORM::ShowModal()
{
    ModalLoopState loop{this, InnermostLoop};
    for (const ModalLoopState *outer = loop.outer; outer; outer = outer->outer) {
        if (outer->form != this)
            loop.closedByEscape = true;
    }
    InnermostLoop = &loop;
    HWND active = Lazy::GetActiveWindow();
    const DisabledForms disabled = DisableForms(this);
    if (loop.form)
        SetEnabled(KvTrue);
    if (loop.form)
        Show();
    while (loop.form && Handle && Lazy::IsWindow(Handle))
        PumpMessage();
    InnermostLoop = loop.outer;
    RestoreForms(disabled);
    Reactivate(active);
    return loop.form ? ModalResult : loop.result;
}

void KVFORM::Hide() { SetVisible(KvFalse); }

KVFORM *KVFORM::GetForm() { return this; }

int32_t KVFORM::MessageBox(const KVSTRING &text, const KVSTRING &title, uint32_t flags)
{
    return Lazy::MessageBoxA(Handle, text.Data(), title.Data(), flags);
}

int32_t KVFORM::Message(const KVSTRING &text, uint32_t flags)
{
    return MessageBox(text, GetCaption(), flags);
}

LRESULT KVFORM::OnQueryEndSession() { return TRUE; }

LRESULT KVFORM::OnEndSession(KvBool) { return 0; }

void KVFORM::SetDefaultButton(KVBUTTON *button)
{
    KVBUTTON *previous = GetDefaultButton();
    DefaultButton = button;
    if (previous && previous != button)
        previous->UpdateDefaultLook();
    if (button)
        button->UpdateDefaultLook();
}

// As the system's dialogs do, the default button is looked for among the
// form's own controls.
KVBUTTON *KVFORM::GetDefaultButton()
{
    KVCONTROL *button = DefaultButton.Get();
    return button && Contains(button) ? static_cast<KVBUTTON *>(button) : nullptr;
}

void KVFORM::SetShortcutForm(KVFORM *form) { ShortcutForm = form; }

KVFORM *KVFORM::GetShortcutForm() { return static_cast<KVFORM *>(ShortcutForm.Get()); }

void KVFORM::SetMessageFilter(MessageFilter filter)
{
    Filter = std::move(filter);
    // The keyboard leaves a control that had it when the filter came.
    if (Filter && HasFocusedControl())
        Lazy::SetFocus(Handle);
}

// The filter is called from a copy: it may delete the form, or replace
// itself.
bool KVFORM::FilterMessage(MSG &message)
{
    if (!Filter)
        return false;
    const MessageFilter filter = Filter;
    return filter(message);
}

// A pressed button notifies its form; the form reflects the notification to
// the button, which raises eClick as for a click.
bool KVFORM::UseDialogKey(uint32_t keyCode, KVCONTROL &focused)
{
    if (keyCode == VK_ESCAPE) {
        const ModalLoopState *loop = InnermostLoop;
        while (loop && loop->form != this)
            loop = loop->outer;
        if (!loop || !loop->closedByEscape)
            return false;
        Lazy::SendMessageA(Handle, WM_CLOSE, 0, 0);
        return true;
    }
    KVBUTTON *button = GetDefaultButton();
    if (!button || TakesReturn(focused))
        return false;
    auto *focusedButton = dynamic_cast<KVBUTTON *>(&focused);
    if (focusedButton && IsPushButton(focused))
        button = focusedButton;
    else if (!button->GetEnabled())
        return false;
    Lazy::SendMessageA(Handle, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                       reinterpret_cast<LPARAM>(button->GetHandle()));
    return true;
}
