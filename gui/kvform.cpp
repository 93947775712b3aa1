#include "kvform.h"

#include "app_instance.h"
#include "message_loop.h"
#include "window_class.h"

namespace {

// Makes `window` active again when it was not 0.
void Reactivate(HWND window)
{
    if (window)
        Lazy::SetActiveWindow(window);
}

} // namespace

KVFORM::KVFORM()
{
    RegisterLibraryWindowClass();
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

LRESULT KVFORM::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = KVCONTROL::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
        // Captured, the form hears the release wherever it happens.
        Pressed = KvTrue;
        Lazy::SetCapture(Handle);
        break;
    case WM_LBUTTONUP: {
        const bool clicked = Pressed && InClientArea(lParam);
        // Releasing the capture reports a lost capture; the press is over.
        Pressed = KvFalse;
        if (Lazy::GetCapture() == Handle)
            Lazy::ReleaseCapture();
        if (clicked) {
            OnClick();
            KvEvent click(eClick);
            Fire(click);
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

void KVFORM::Show() { SetVisible(KvTrue); }

int32_t KVFORM::ShowModal()
{
    HWND active = Lazy::GetActiveWindow();
    // DisableForms overwrites the states that an enclosing modal loop saved;
    // they are put back when this loop ends.
    const SavedFormStates enclosing = SaveFormStates();
    DisableForms();
    SetEnabled(KvTrue);
    Show();
    while (Handle && Lazy::IsWindow(Handle))
        PumpMessage();
    // This form unregistered when its window went, so it is not touched.
    RestoreForms();
    RestoreFormStates(enclosing);
    Reactivate(active);
    return ModalResult;
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
