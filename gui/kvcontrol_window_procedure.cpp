// The one window procedure of the library and the message dispatch of
// KVCONTROL: messages become handler hooks and events.
#include "dialog_keys.h"
#include "dispatch_hooks.h"
#include "kvcontrol.h"
#include "kvform.h"
#include "window_class.h"

IdentifierHandler MenuCommandHandler = nullptr;
IdentifierHandler TimerTickHandler = nullptr;

namespace {

// Notification codes of WM_COMMAND without a control window.
constexpr WORD MenuNotification = 0;
constexpr WORD AcceleratorNotification = 1;

// SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED |
// SWP_NOOWNERZORDER: without SWP_NOACTIVATE the system makes a top-level
// window active, and a form, still hidden, would take the activation from
// the window the user works in.
constexpr UINT RecalculateFrame = 0x23F;

// Runs the hook, then fires the event unless the hook left the control
// deleted or destroyed; the record lives for this one message.
template <typename Record, typename Hook> LRESULT HookThenFire(KVCONTROL &control, Record &&event, Hook hook)
{
    const ControlRef self(&control);
    const LRESULT result = hook(event);
    if (!self.Get())
        return 0;
    control.Fire(event);
    return result;
}

// Fires the event, then runs the hook unless a handler deleted or destroyed
// the control.
template <typename Hook> LRESULT FireThenHook(KVCONTROL &control, int32_t code, Hook hook)
{
    const ControlRef self(&control);
    FireIfRegistered(self, code);
    if (!self.Get())
        return 0;
    return hook();
}

} // namespace

void FireIfRegistered(const ControlRef &control, int32_t code)
{
    KVCONTROL *registered = control.Get();
    if (!registered)
        return;
    KvEvent event(code);
    registered->Fire(event);
}

LRESULT CALLBACK LibraryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    KVCONTROL *control = FindControl(window);
    if (!control)
        return Lazy::DefWindowProcA(window, message, wParam, lParam);
    // A handler may send messages to its own control (a caption, a message
    // box); the message that was being processed comes back afterwards, so
    // its default processing still runs, once. A control deleted or
    // destroyed meanwhile has nothing left to process, and its message
    // counts as processed.
    const KVCONTROL::MessageState outer = control->SaveMessage();
    const LRESULT result = control->WindowProc(message, wParam, lParam);
    if (FindControl(window) != control)
        return 0;
    control->RestoreMessage(outer);
    return result;
}

LRESULT KVCONTROL::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    SetMessage(message, wParam, lParam);
    // Handlers run in between may delete this control, and a new one may
    // be made at its address.
    const ControlRef self(this);
    switch (message) {
    case WM_CLOSE:
        return FireThenHook(*this, eClose, [this] { return OnClose(); });
    case WM_DESTROY:
        return FireThenHook(*this, eDestroy, [this] { return OnDestroy(); });
    case WM_PAINT:
        return HookThenFire(*this, KvEvent(ePaint), [this](KvEvent &) { return OnPaint(); });
    case WM_MOVE:
        // The new frame may resize the window, and a resize handler may
        // delete the control.
        Lazy::SetWindowPos(Handle, nullptr, 0, 0, 0, 0, RecalculateFrame);
        return self.Get() ? DefaultHandler() : 0;
    case WM_NCCALCSIZE: {
        // The first rectangle of the calculation is the window's: parent
        // client coordinates for a child, screen coordinates for a form.
        const RECT &frame = *reinterpret_cast<const RECT *>(lParam);
        Left = frame.left;
        Top = frame.top;
        Width = frame.right - frame.left;
        Height = frame.bottom - frame.top;
        return DefaultHandler();
    }
    case WM_SIZE:
        return FireThenHook(*this, eResize, [this] { return DefaultHandler(); });
    case WM_MOUSEMOVE:
        return HookThenFire(*this, KvMouseEvent(eMouseMove, wParam, lParam),
                            [this](KvMouseEvent &e) { return OnMouseMove(e.X, e.Y, e.Shift); });
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return HookThenFire(*this, KvMouseEvent(eMouseDown, wParam, lParam),
                            [this](KvMouseEvent &e) { return OnMouseDown(e.X, e.Y, e.Shift, e.Button); });
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        return HookThenFire(*this, KvMouseEvent(eMouseUp, wParam, lParam),
                            [this](KvMouseEvent &e) { return OnMouseUp(e.X, e.Y, e.Shift, e.Button); });
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        return HookThenFire(*this, KvMouseEvent(eDblClick, wParam, lParam),
                            [this](KvMouseEvent &) { return DefaultHandler(); });
    case WM_CHAR:
        return HookThenFire(*this, KvKeyEvent(eKeyPress, wParam),
                            [this](KvKeyEvent &e) { return OnKeyPress(e.Key, e.KeyCode); });
    case WM_KEYDOWN: {
        KvKeyEvent event(eKeyDown, wParam);
        const LRESULT result =
            HookThenFire(*this, event, [this](KvKeyEvent &e) { return OnKeyDown(e.Key, e.KeyCode); });
        // A handler takes the key by setting the record's key code to 0;
        // otherwise Enter and Escape go on to the form.
        if (self.Get() && IsDialogKey(event.KeyCode))
            OfferDialogKey(*this, event.KeyCode);
        return result;
    }
    case WM_KEYUP:
        return HookThenFire(*this, KvKeyEvent(eKeyUp, wParam),
                            [this](KvKeyEvent &e) { return OnKeyUp(e.Key, e.KeyCode); });
    case WM_SETFOCUS: {
        // Passing the focus on runs the focus handlers of other controls. A
        // form gives it to the control that had it last.
        if (IsContainer) {
            auto *form = dynamic_cast<KVFORM *>(this);
            if (KVCONTROL *target = form ? form->FocusTarget() : FirstTabStop())
                target->SetFocus();
        } else if (!TabStop) {
            FocusNext();
        }
        if (!self.Get())
            return 0;
        // A control that passed the focus on has not gained it.
        if (Lazy::GetFocus() != Handle)
            return DefaultHandler();
        auto *form = dynamic_cast<KVFORM *>(EnclosingForm());
        if (form && form != this)
            form->RememberFocus(*this);
        return HookThenFire(*this, KvEvent(eGotFocus), [this](KvEvent &) { return OnSetFocus(); });
    }
    case WM_KILLFOCUS:
        // Only a control that reported gaining the focus reports losing it.
        if (!Focused)
            return DefaultHandler();
        return HookThenFire(*this, KvEvent(eLostFocus), [this](KvEvent &) { return OnKillFocus(); });
    case WM_TIMER:
        if (TimerTickHandler && TimerTickHandler(static_cast<uint32_t>(wParam)))
            return 0;
        return DefaultHandler();
    case WM_COMMAND: {
        const WORD notification = HIWORD(wParam);
        if (lParam == 0 && (notification == MenuNotification || notification == AcceleratorNotification)) {
            if (MenuCommandHandler)
                MenuCommandHandler(LOWORD(wParam));
        } else if (lParam != 0 && IsContainer) {
            // A child's notification goes back to the child's own window.
            Lazy::SendMessageA(reinterpret_cast<HWND>(lParam), WM_COMMAND, wParam, lParam);
        }
        // The item's or the child's handler may have deleted this form.
        return self.Get() ? DefaultHandler() : 0;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (IsContainer)
            return Lazy::SendMessageA(reinterpret_cast<HWND>(lParam), WM_COLORREFLECT, wParam, 0);
        return 0;
    case WM_COLORREFLECT: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        Lazy::SetTextColor(dc, Canvas.GetPenColor());
        Lazy::SetBkColor(dc, Canvas.GetBrushColor());
        return reinterpret_cast<LRESULT>(Canvas.GetBrush());
    }
    default:
        return DefaultHandler();
    }
}
