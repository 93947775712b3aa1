#include "kvbutton.h"

#include "kvform.h"

namespace {

constexpr DWORD ButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_MULTILINE;
constexpr DWORD LabelStyle = WS_CHILD | WS_VISIBLE;

} // namespace

KVBUTTON::KVBUTTON(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
                   int32_t height)
{
    Place(parent, caption, left, top, width, height);
}

LRESULT KVBUTTON::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const ControlRef self(this);
    const LRESULT result = KVCONTROL::WindowProc(message, wParam, lParam);
    if (!self.Get())
        return 0;
    if (message == WM_COMMAND && !IsContainer && HIWORD(wParam) == BN_CLICKED) {
        OnClick();
        FireIfRegistered(self, eClick);
    }
    return result;
}

void KVBUTTON::SetParent(KVCONTROL *parent)
{
    const ControlRef self(this);
    KVCONTROL::SetParent(parent);
    if (self.Get())
        UpdateDefaultLook();
}

void KVBUTTON::UpdateDefaultLook()
{
    auto *form = dynamic_cast<KVFORM *>(EnclosingForm());
    const bool isDefault = form && form->GetDefaultButton() == this;
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(Handle, GWL_STYLE));
    const DWORD kind = style & BS_TYPEMASK;
    // Only a push button has a default look: a check box or radio button
    // made one would lose its mark for good.
    if (kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON)
        return;
    if (isDefault == (kind == BS_DEFPUSHBUTTON))
        return;
    const DWORD type = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    Lazy::SendMessageA(Handle, BM_SETSTYLE, (style & 0xFFFF & ~BS_TYPEMASK) | type, TRUE);
}

void KVBUTTON::CreateWnd(HWND parent) { CreateHandle(parent, "button", 75, 25, ButtonStyle, 0); }

KvBool KVBUTTON::IsA(const KVSTRING &className)
{
    if (ToUpper(className) == "BUTTON")
        return KvTrue;
    return KVCONTROL::IsA(className);
}

void KVBUTTON::SetState(int32_t state)
{
    Lazy::SendMessageA(Handle, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void KVBUTTON::SetValue(int32_t value) { SetState(value); }

void KVBUTTON::SetPushLike(KvBool pushLike) { SetStyle(BS_PUSHLIKE, pushLike); }

void KVBUTTON::SetFlat(KvBool flat) { SetStyle(BS_FLAT, flat); }

int32_t KVBUTTON::GetState() { return static_cast<int32_t>(Lazy::SendMessageA(Handle, BM_GETCHECK, 0, 0)); }

int32_t KVBUTTON::GetValue() { return GetState(); }

KvBool KVBUTTON::GetPushLike() { return HasStyle(BS_PUSHLIKE); }

KvBool KVBUTTON::GetFlat() { return HasStyle(BS_FLAT); }

KVLABEL::KVLABEL(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
                 int32_t height)
{
    Place(parent, caption, left, top, width, height);
}

void KVLABEL::CreateWnd(HWND parent)
{
    CreateHandle(parent, "static", 120, 20, LabelStyle, 0);
    TabStop = KvFalse;
}

KvBool KVLABEL::IsA(const KVSTRING &className)
{
    if (ToUpper(className) == "LABEL")
        return KvTrue;
    return KVCONTROL::IsA(className);
}
