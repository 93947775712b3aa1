// The one window procedure of the library and the message dispatch of
// KVCONTROL: messages become handler hooks and events.
#include "dispatch_hooks.h"
#include "kvcontrol.h"
#include "window_class.h"

IdentifierHandler MenuCommandHandler = nullptr;
IdentifierHandler TimerTickHandler = nullptr;

namespace {

// Notification codes of WM_COMMAND without a control window.
constexpr WORD MenuNotification = 0;
constexpr WORD AcceleratorNotification = 1;

// SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_FRAMECHANGED | SWP_NOOWNERZORDER
constexpr UINT RecalculateFrame = 0x22F;

// Builds the event of a message, runs the hook and fires the event; the
// record lives for this one message.
template <typename Record, typename Hook> LRESULT HookThenFire(KVCONTROL &control, Record event, Hook hook)
{
    const LRESULT result = hook(event);
    control.Fire(event);
    return result;
}

void FireCode(KVCONTROL &control, int32_t code)
{
    KvEvent event(code);
    control.Fire(event);
}

} // namespace

LRESULT CALLBACK LibraryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    KVCONTROL *control = FindControl(window);
    if (!control)
        return Lazy::DefWindowProcA(window, message, wParam, lParam);
    // A handler may send messages to its own control (a caption, a message
    // box); the message that was being processed comes back afterwards, so
    // its default processing still runs, once. A control destroyed in the
    // meantime has nothing left to process.
    const KVCONTROL::MessageState outer = control->SaveMessage();
    const LRESULT result = control->WindowProc(message, wParam, lParam);
    if (FindControl(window) == control)
        control->RestoreMessage(outer);
    return result;
}

LRESULT KVCONTROL::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    SetMessage(message, wParam, lParam);
    switch (message) {
    case WM_CLOSE:
        FireCode(*this, eClose);
        return OnClose();
    case WM_DESTROY:
        FireCode(*this, eDestroy);
        return OnDestroy();
    case WM_PAINT: {
        const LRESULT result = OnPaint();
        FireCode(*this, ePaint);
        return result;
    }
    case WM_MOVE:
        Lazy::SetWindowPos(Handle, nullptr, 0, 0, 0, 0, RecalculateFrame);
        return DefaultHandler();
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
        FireCode(*this, eResize);
        return DefaultHandler();
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
    case WM_KEYDOWN:
        return HookThenFire(*this, KvKeyEvent(eKeyDown, wParam),
                            [this](KvKeyEvent &e) { return OnKeyDown(e.Key, e.KeyCode); });
    case WM_KEYUP:
        return HookThenFire(*this, KvKeyEvent(eKeyUp, wParam),
                            [this](KvKeyEvent &e) { return OnKeyUp(e.Key, e.KeyCode); });
    case WM_SETFOCUS: {
        if (IsContainer) {
            if (KVCONTROL *first = FirstTabStop())
                first->SetFocus();
        } else if (!TabStop) {
            FocusNext();
        }
        // A control that passed the focus on has not gained it.
        if (Lazy::GetFocus() != Handle)
            return DefaultHandler();
        const LRESULT result = OnSetFocus();
        FireCode(*this, eGotFocus);
        return result;
    }
    case WM_KILLFOCUS: {
        // Only a control that reported gaining the focus reports losing it.
        if (!Focused)
            return DefaultHandler();
        const LRESULT result = OnKillFocus();
        FireCode(*this, eLostFocus);
        return result;
    }
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
        return DefaultHandler();
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
