#include "kvedit.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "edit_offsets.h"

namespace {

constexpr DWORD EditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_WANTRETURN | ES_AUTOVSCROLL;
constexpr DWORD EditExStyle = WS_EX_CLIENTEDGE;
constexpr int32_t DefaultWidth = 120;
constexpr int32_t DefaultHeight = 20;

// The most characters EM_GETLINE can be asked for: its buffer's first
// 16-bit word gives the room.
constexpr int32_t LongestCountedLine = 0xFFFF;

int32_t ToInt32(LRESULT value)
{
    return static_cast<int32_t>(
        std::clamp<LRESULT>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

KVEDIT::KVEDIT(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
               int32_t height)
{
    Place(parent, caption, left, top, width, height);
}

LRESULT KVEDIT::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const ControlRef self(this);
    const LRESULT result = KVCONTROL::WindowProc(message, wParam, lParam);
    if (!self.Get())
        return 0;
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        OnChange();
        FireIfRegistered(self, eChange);
    }
    return result;
}

void KVEDIT::CreateWnd(HWND parent) { CreateEditWindow(parent, EditStyle); }

void KVEDIT::CreateEditWindow(HWND parent, DWORD style)
{
    CreateHandle(parent, "edit", DefaultWidth, DefaultHeight, style, EditExStyle);
    // The reflected colour request then paints the window background.
    Canvas.SetBrushColor(KvSystemColorFlag | COLOR_WINDOW);
}

KvBool KVEDIT::IsA(const KVSTRING &className)
{
    if (ToUpper(className) == "EDIT")
        return KvTrue;
    return KVCONTROL::IsA(className);
}

LRESULT KVEDIT::Send(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Lazy::SendMessageA(Handle, message, wParam, lParam);
}

LRESULT KVEDIT::OnChange() { return DefaultHandler(); }

void KVEDIT::SetText(const KVSTRING &text) { SetCaption(text); }

void KVEDIT::SetPasswordChar(const KVSTRING &character)
{
    const auto code = character.Len() > 0 ? static_cast<unsigned char>(character.Data()[0]) : 0;
    Send(EM_SETPASSWORDCHAR, code);
}

void KVEDIT::SetModified(KvBool modified) { Send(EM_SETMODIFY, modified ? TRUE : FALSE); }

KVEDIT::Selection KVEDIT::CurrentSelection()
{
    DWORD start = 0;
    DWORD end = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const EditOffsets offsets(Handle);
    return {offsets.ToBytes(static_cast<int32_t>(start)), offsets.ToBytes(static_cast<int32_t>(end))};
}

void KVEDIT::SetSelection(int32_t start, int32_t end)
{
    const EditOffsets offsets(Handle);
    Send(EM_SETSEL, static_cast<WPARAM>(offsets.ToControl(start)),
         static_cast<LPARAM>(offsets.ToControl(end)));
}

void KVEDIT::Select(int32_t start, int32_t length)
{
    // A length below 1 would reach back before the start.
    const int64_t end = static_cast<int64_t>(start) + std::max(length, 1) - 1;
    SetSelection(start, static_cast<int32_t>(std::min<int64_t>(end, std::numeric_limits<int32_t>::max())));
}

void KVEDIT::SetSelStart(int32_t start) { Select(start, GetSelLength()); }

void KVEDIT::SetSelLength(int32_t length) { Select(GetSelStart(), length); }

void KVEDIT::SetSelText(const KVSTRING &text)
{
    Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.Data()));
}

void KVEDIT::SetMaxLength(int32_t count) { Send(EM_LIMITTEXT, static_cast<WPARAM>(count)); }

void KVEDIT::SetReadOnly(KvBool readOnly) { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }

void KVEDIT::SetHideSelection(KvBool hide) { SetStyle(ES_NOHIDESEL, ToKvBool(!hide)); }

KVSTRING KVEDIT::GetText() { return GetCaption(); }

KVSTRING KVEDIT::GetPasswordChar()
{
    const auto code = static_cast<uint8_t>(Send(EM_GETPASSWORDCHAR));
    return code ? CharString(code) : KVSTRING();
}

KvBool KVEDIT::GetModified() { return ToKvBool(Send(EM_GETMODIFY)); }

int32_t KVEDIT::GetSelStart() { return CurrentSelection().start; }

int32_t KVEDIT::GetSelLength()
{
    const Selection selection = CurrentSelection();
    return selection.end - selection.start + 1;
}

// A plain edit control has no message for the selected text: it is the
// window text between the selection offsets.
KVSTRING KVEDIT::GetSelText()
{
    const Selection selection = CurrentSelection();
    return Substring(GetText(), selection.start + 1, selection.end - selection.start);
}

int32_t KVEDIT::GetMaxLength() { return ToInt32(Send(EM_GETLIMITTEXT)); }

KvBool KVEDIT::GetReadOnly() { return HasStyle(ES_READONLY); }

KvBool KVEDIT::GetHideSelection() { return ToKvBool(!HasStyle(ES_NOHIDESEL)); }

void KVEDIT::Undo() { Send(WM_UNDO); }

void KVEDIT::Cut() { Send(WM_CUT); }

void KVEDIT::Copy() { Send(WM_COPY); }

void KVEDIT::Paste() { Send(WM_PASTE); }

void KVEDIT::Clear() { Send(WM_CLEAR); }

KVMEMO::KVMEMO(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
               int32_t height)
{
    Place(parent, caption, left, top, width, height);
}

void KVMEMO::CreateWnd(HWND parent) { CreateEditWindow(parent, MemoStyle()); }

DWORD KVMEMO::MemoStyle() const
{
    DWORD style = EditStyle | ES_MULTILINE;
    if (ScrollBars)
        style |= WordWrap ? WS_VSCROLL : WS_VSCROLL | WS_HSCROLL;
    // Without ES_AUTOHSCROLL the control breaks lines at its right edge.
    if (!WordWrap)
        style |= ES_AUTOHSCROLL;
    return style;
}

void KVMEMO::SetScrollBars(KvBool on)
{
    ScrollBars = ToKvBool(on);
    RecreateWindow();
}

void KVMEMO::SetWordWrap(KvBool on)
{
    WordWrap = ToKvBool(on);
    RecreateWindow();
}

KvBool KVMEMO::GetScrollBars() { return ScrollBars; }

KvBool KVMEMO::GetWordWrap() { return WordWrap; }

// The new window is made while the old one is still there, so that a
// failure leaves the control as it was; it gets the text and state, then
// the focus if the old one had it, and only then does the old one get its
// own procedure back and go. Destroying a focused window would hand the
// focus to the form, which gives it back to this control: focus events,
// and handlers that see the text empty.
void KVMEMO::RecreateWindow()
{
    if (!Handle || !Parent)
        return;
    const KVSTRING text = GetText();
    const Selection selection = CurrentSelection();
    const KvBool modified = GetModified();
    const KvBool readOnly = GetReadOnly();
    const KvBool hideSelection = GetHideSelection();
    const int32_t limit = GetMaxLength();
    const bool focused = Lazy::GetFocus() == Handle;
    const int32_t left = Left, top = Top, width = Width, height = Height;
    HWND old = Handle;
    const WNDPROC oldProcedure = OldWindowProc;
    Unregister();
    CreateWnd(Parent->GetHandle());
    if (!Handle) {
        SetHandle(old);
        OldWindowProc = oldProcedure;
        Register();
        return;
    }
    SetBounds(left, top, width, height);
    SetMaxLength(limit);
    SetText(text);
    if (TabWidth != 32)
        SetTabWidth(TabWidth);
    SetReadOnly(readOnly);
    SetHideSelection(hideSelection);
    SetSelection(selection.start, selection.end);
    Send(EM_SCROLLCARET);
    SetModified(modified);
    if (oldProcedure)
        SetWindowLongPtrA(old, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProcedure));
    if (focused) {
        // Unregistered meanwhile, so that the move is no event of the
        // control's: for the user the focus never left it.
        Unregister();
        Lazy::SetFocus(Handle);
        Register();
    }
    Lazy::DestroyWindow(old);
}

KvBool KVMEMO::IsA(const KVSTRING &className)
{
    if (ToUpper(className) == "MEMO")
        return KvTrue;
    return KVEDIT::IsA(className);
}

void KVMEMO::SetTabWidth(int32_t width)
{
    INT stop = width;
    Send(EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stop));
    Update();
    TabWidth = width;
}

int32_t KVMEMO::GetTabWidth() { return TabWidth; }

int32_t KVMEMO::GetLineCount() { return ToInt32(Send(EM_GETLINECOUNT)); }

KVSTRING KVMEMO::GetLine(int32_t line)
{
    // Line 0 would ask for the line of the caret.
    if (line < 1)
        return KVSTRING();
    const LRESULT offset = Send(EM_LINEINDEX, static_cast<WPARAM>(line - 1));
    if (offset < 0)
        return KVSTRING();
    const int32_t length = ToInt32(Send(EM_LINELENGTH, static_cast<WPARAM>(offset)));
    if (length <= 0)
        return KVSTRING();
    // The buffer's first word tells the control its room; keep room for
    // that word even when the line is shorter.
    const int32_t room = std::min(length, LongestCountedLine);
    std::vector<char> buffer(static_cast<size_t>(std::max<int32_t>(room, sizeof(WORD))) + 1, '\0');
    const WORD count = static_cast<WORD>(room);
    std::copy_n(reinterpret_cast<const char *>(&count), sizeof count, buffer.begin());
    const LRESULT copied =
        Send(EM_GETLINE, static_cast<WPARAM>(line - 1), reinterpret_cast<LPARAM>(buffer.data()));
    return KVSTRING(buffer.data(), static_cast<int32_t>(std::clamp<LRESULT>(copied, 0, room)));
}

int32_t KVMEMO::LineFromChar(int32_t position)
{
    const int32_t offset = EditOffsets(Handle).ToControl(position - 1);
    return ToInt32(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(offset))) + 1;
}

int32_t KVMEMO::LineIndex(int32_t line)
{
    const int32_t offset = ToInt32(Send(EM_LINEINDEX, static_cast<WPARAM>(line - 1)));
    return EditOffsets(Handle).ToBytes(offset) + 1;
}
