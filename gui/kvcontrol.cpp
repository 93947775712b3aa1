#include "kvcontrol.h"

#include "app_instance.h"
#include "kvform.h"

KVCONTROL::KVCONTROL() : Font(this), Canvas() {}

void KVCONTROL::Place(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
                      int32_t height)
{
    SetParent(parent);
    SetCaption(caption);
    SetLeft(left);
    SetTop(top);
    SetWidth(width);
    SetHeight(height);
}

KVCONTROL::~KVCONTROL()
{
    // Non-virtual on purpose: the derived parts are gone already.
    KVCONTROL::Unregister();
    if (Handle)
        RestoreWindowProc();
    if (Parent && InParentList)
        Parent->RemoveChild(this);
    for (KVCONTROL *child = FirstChild; child; child = child->NextSibling)
        child->Parent = nullptr;
}

void KVCONTROL::RestoreMessage(const MessageState &state)
{
    SetMessage(state.message, state.wParam, state.lParam);
}

void KVCONTROL::SetMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    CurrentMessage = message;
    CurrentWParam = wParam;
    CurrentLParam = lParam;
}

// The message is used up before the window's own processing runs, which
// may end with this control deleted (a button's click notification reaches
// a handler that deletes the button): nothing of the control is touched
// afterwards.
LRESULT KVCONTROL::DefaultHandler()
{
    if (CurrentMessage == 0)
        return 0;
    const MessageState current = SaveMessage();
    CurrentMessage = 0;
    HWND window = Handle;
    return OldWindowProc
               ? Lazy::CallWindowProcA(OldWindowProc, window, current.message, current.wParam, current.lParam)
               : Lazy::DefWindowProcA(window, current.message, current.wParam, current.lParam);
}

void KVCONTROL::Fire(KvEvent &event)
{
    if (KVCONTROL *form = EnclosingForm())
        form->EventHandler(this, event);
}

KVCONTROL *KVCONTROL::EnclosingForm()
{
    for (KVCONTROL *control = this; control; control = control->GetParent()) {
        if (control->IsA("Form"))
            return control;
    }
    return nullptr;
}

void KVCONTROL::AddChild(KVCONTROL *child)
{
    child->NextSibling = nullptr;
    child->InParentList = true;
    KVCONTROL **link = &FirstChild;
    while (*link)
        link = &(*link)->NextSibling;
    *link = child;
}

void KVCONTROL::RemoveChild(KVCONTROL *child)
{
    for (KVCONTROL **link = &FirstChild; *link; link = &(*link)->NextSibling) {
        if (*link == child) {
            *link = child->NextSibling;
            child->NextSibling = nullptr;
            child->InParentList = false;
            return;
        }
    }
}

// The window style goes through the directly imported window-long functions.
KvBool KVCONTROL::HasStyle(LONG_PTR mask) { return ToKvBool(GetWindowLongPtrA(Handle, GWL_STYLE) & mask); }

void KVCONTROL::SetStyle(LONG_PTR mask, KvBool on)
{
    const LONG_PTR style = GetWindowLongPtrA(Handle, GWL_STYLE);
    SetWindowLongPtrA(Handle, GWL_STYLE, on ? (style | mask) : (style & ~mask));
}

void KVCONTROL::CreateHandle(HWND parent, const KVSTRING &className, int32_t width, int32_t height,
                             DWORD style, DWORD exStyle)
{
    SetHandle(Lazy::CreateWindowExA(exStyle, className.Data(), "", style, 0, 0, width, height, parent,
                                    nullptr, AppInstance(), nullptr));
    // Without a window the control stays as it was: unregistered, parentless.
    if (!Handle)
        return;
    Lazy::SendMessageA(Handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font.GetHandle()), TRUE);
    Register();
    const LONG_PTR previous =
        SetWindowLongPtrA(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LibraryWindowProc));
    OldWindowProc = previous == reinterpret_cast<LONG_PTR>(&LibraryWindowProc)
                        ? nullptr
                        : reinterpret_cast<WNDPROC>(previous);
    Lazy::SendMessageA(Handle, WM_MOVE, 0, 0);
    Canvas.AttachWindow(Handle, Font.GetHandle());
    Lazy::UpdateWindow(Handle);
    OnCreate();
}

void KVCONTROL::RestoreWindowProc()
{
    if (!OldWindowProc)
        return;
    SetWindowLongPtrA(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldWindowProc));
    OldWindowProc = nullptr;
}

void KVCONTROL::CreateWnd(HWND) {}

bool KVCONTROL::TakesTabFocus()
{
    return TabStop && Handle && HasStyle(WS_VISIBLE) && !HasStyle(WS_DISABLED);
}

bool KVCONTROL::Contains(KVCONTROL *control)
{
    for (; control; control = control->GetParent()) {
        if (control == this)
            return true;
    }
    return false;
}

bool KVCONTROL::HasFocusedControl()
{
    KVCONTROL *focused = FindControl(Lazy::GetFocus());
    return focused && focused != this && Contains(focused);
}

KVCONTROL *KVCONTROL::FirstTabStop()
{
    for (KVCONTROL *child = FirstChild; child; child = child->NextSibling) {
        if (child->TakesTabFocus())
            return child;
    }
    return nullptr;
}

// The walk itself skips what refuses the focus: handing the focus to such a
// control would make it pass the focus on again, one level deeper each time.
void KVCONTROL::FocusNext()
{
    for (KVCONTROL *sibling = NextSibling; sibling; sibling = sibling->NextSibling) {
        if (sibling->TakesTabFocus()) {
            sibling->SetFocus();
            return;
        }
    }
    if (!Parent)
        return;
    if (!Parent->IsA("Form")) {
        Parent->FocusNext();
        return;
    }
    for (KVCONTROL *sibling = Parent->FirstChild; sibling && sibling != this; sibling = sibling->NextSibling) {
        if (sibling->TakesTabFocus()) {
            sibling->SetFocus();
            return;
        }
    }
    // One full round found no other control: one that takes the focus keeps
    // it, any other leaves it to the form.
    if (!TakesTabFocus())
        Lazy::SetFocus(Parent->GetHandle());
}

void KVCONTROL::SetFocus() { Lazy::SetFocus(Handle); }

LRESULT KVCONTROL::OnClick() { return DefaultHandler(); }

LRESULT KVCONTROL::OnMouseMove(uint32_t, uint32_t, uint32_t) { return DefaultHandler(); }

LRESULT KVCONTROL::OnMouseDown(uint32_t, uint32_t, uint32_t, uint32_t) { return DefaultHandler(); }

LRESULT KVCONTROL::OnMouseUp(uint32_t, uint32_t, uint32_t, uint32_t) { return DefaultHandler(); }

LRESULT KVCONTROL::OnKeyPress(const KVSTRING &, uint32_t keyCode)
{
    if (keyCode == VK_TAB && TabStop && !WantTabs) {
        // The Tab is used up by the move; the control's own processing
        // would type it into the control that has just lost the focus.
        CurrentMessage = 0;
        FocusNext();
        return 0;
    }
    return DefaultHandler();
}

// Ctrl+Tab types no character, so it moves on from a control that keeps
// its tabs as well.
LRESULT KVCONTROL::OnKeyDown(const KVSTRING &, uint32_t keyCode)
{
    if (keyCode == VK_TAB && TabStop && Lazy::GetKeyState(VK_CONTROL) < 0) {
        CurrentMessage = 0;
        FocusNext();
        return 0;
    }
    return DefaultHandler();
}

LRESULT KVCONTROL::OnKeyUp(const KVSTRING &, uint32_t) { return DefaultHandler(); }

LRESULT KVCONTROL::OnClose() { return DefaultHandler(); }

// The window's own procedure gets the destruction messages from here on, so
// a standard control can release what it holds. The control leaves its
// parent's children, so that nothing hands the focus to the dead window, and
// a later parent assignment creates a new window.
LRESULT KVCONTROL::OnDestroy()
{
    Unregister();
    if (Parent) {
        Parent->RemoveChild(this);
        Parent = nullptr;
    }
    Focused = KvFalse;
    const LRESULT result = DefaultHandler();
    RestoreWindowProc();
    SetHandle(nullptr);
    return result;
}

LRESULT KVCONTROL::OnPaint() { return DefaultHandler(); }

LRESULT KVCONTROL::OnSetFocus()
{
    Focused = KvTrue;
    return DefaultHandler();
}

LRESULT KVCONTROL::OnKillFocus()
{
    Focused = KvFalse;
    return DefaultHandler();
}

void KVCONTROL::OnCreate() {}

void KVCONTROL::SetParent(KVCONTROL *parent)
{
    if (Parent && InParentList)
        Parent->RemoveChild(this);
    if (!Handle && parent)
        CreateWnd(parent->GetHandle());
    Parent = parent;
    if (!Handle || !parent)
        return;
    parent->AddChild(this);
    if (parent->GetHandle())
        Lazy::SetParent(Handle, parent->GetHandle());
    TakeFocusIfFormHasNone();
}

// Focusing a control of another form would activate that form, and giving
// the activation back would move the user's focus: only the active form's
// controls take it, and only from the form itself. Focus handlers may
// delete this control: nothing follows.
void KVCONTROL::TakeFocusIfFormHasNone()
{
    KVCONTROL *form = EnclosingForm();
    if (!form || form->GetHandle() != Lazy::GetActiveWindow() || !TakesTabFocus() ||
        form->HasFocusedControl())
        return;
    if (auto *asForm = dynamic_cast<KVFORM *>(form); asForm && asForm->KeepsKeyboard())
        return;
    SetFocus();
}

void KVCONTROL::Reparent(KVCONTROL *parent) { SetParent(parent); }

void KVCONTROL::SetLeft(int32_t left) { KVCONTROL::SetBounds(left, Top, Width, Height); }

void KVCONTROL::SetTop(int32_t top) { KVCONTROL::SetBounds(Left, top, Width, Height); }

void KVCONTROL::SetWidth(int32_t width) { KVCONTROL::SetBounds(Left, Top, width, Height); }

void KVCONTROL::SetHeight(int32_t height) { KVCONTROL::SetBounds(Left, Top, Width, height); }

void KVCONTROL::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    Lazy::MoveWindow(Handle, left, top, width, height, TRUE);
}

void KVCONTROL::SetCaption(const KVSTRING &caption) { Lazy::SetWindowTextA(Handle, caption.Data()); }

void KVCONTROL::SetVisible(KvBool visible) { Lazy::ShowWindow(Handle, visible ? SW_SHOW : SW_HIDE); }

void KVCONTROL::SetEnabled(KvBool enabled) { Lazy::EnableWindow(Handle, enabled ? TRUE : FALSE); }

void KVCONTROL::SetTextColor(uint32_t color)
{
    Canvas.SetPenColor(color);
    Update();
}

void KVCONTROL::SetColor(uint32_t color)
{
    Canvas.SetBrushColor(color);
    Update();
}

KVCONTROL *KVCONTROL::GetParent() { return Parent; }

HWND KVCONTROL::GetHandle() { return Handle; }

int32_t KVCONTROL::GetLeft() { return Left; }

int32_t KVCONTROL::GetTop() { return Top; }

int32_t KVCONTROL::GetWidth() { return Width; }

int32_t KVCONTROL::GetHeight() { return Height; }

RECT KVCONTROL::ClientRect()
{
    RECT client = {0, 0, 0, 0};
    Lazy::GetClientRect(Handle, &client);
    return client;
}

int32_t KVCONTROL::GetClientWidth()
{
    const RECT client = ClientRect();
    return client.right - client.left;
}

int32_t KVCONTROL::GetClientHeight()
{
    const RECT client = ClientRect();
    return client.bottom - client.top;
}

KVSTRING KVCONTROL::GetCaption()
{
    const int length = Lazy::GetWindowTextLengthA(Handle);
    if (length <= 0)
        return KVSTRING();
    KVSTRING text(length, '\0');
    const int copied = Lazy::GetWindowTextA(Handle, text.Data(), length + 1);
    return KVSTRING(text.Data(), copied < 0 ? 0 : copied);
}

KvBool KVCONTROL::GetVisible() { return ToKvBool(Lazy::IsWindowVisible(Handle)); }

KvBool KVCONTROL::GetEnabled() { return ToKvBool(Lazy::IsWindowEnabled(Handle)); }

ControlFont *KVCONTROL::GetFont() { return &Font; }

KVCANVAS *KVCONTROL::GetCanvas() { return &Canvas; }

int32_t KVCONTROL::GetChildCount()
{
    int32_t count = 0;
    for (KVCONTROL *child = FirstChild; child; child = child->NextSibling)
        ++count;
    return count;
}

COLORREF KVCONTROL::GetTextColor() { return Canvas.GetPenColor(); }

COLORREF KVCONTROL::GetColor() { return Canvas.GetBrushColor(); }

KvBool KVCONTROL::GetFocused() { return Focused; }

void KVCONTROL::EventHandler(void *, KvEvent &) {}

KvBool KVCONTROL::IsA(const KVSTRING &className) { return ToKvBool(ToUpper(className) == "CONTROL"); }

KVCONTROL *KVCONTROL::GetChild(int32_t index)
{
    KVCONTROL *child = FirstChild;
    for (int32_t position = 1; child && position < index; ++position)
        child = child->NextSibling;
    return child;
}

void KVCONTROL::Update() { Lazy::UpdateWindow(Handle); }
