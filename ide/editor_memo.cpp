#include "editor_memo.h"

namespace {

bool MayMoveCaret(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_SETTEXT:
    case WM_UNDO:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case EM_UNDO:
    case EM_SETSEL:
    case EM_REPLACESEL:
        return true;
    case WM_MOUSEMOVE:
        // A drag with the button down extends the selection.
        return (wParam & MK_LBUTTON) != 0;
    default:
        return false;
    }
}

} // namespace

LRESULT KVEDITORMEMO::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = KVMEMO::WindowProc(message, wParam, lParam);
    if (MayMoveCaret(message, wParam) && CaretMoved)
        CaretMoved();
    return result;
}

void KVEDITORMEMO::CreateWnd(HWND parent) { CreateEditWindow(parent, MemoStyle() | ES_NOHIDESEL); }

void KVEDITORMEMO::SelectAndShow(int32_t start, int32_t end)
{
    Send(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    Send(EM_SCROLLCARET);
}

void KVEDITORMEMO::ReplaceSelection(const KVSTRING &text)
{
    Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.Data()));
}

bool KVEDITORMEMO::ReplaceAllText(const KVSTRING &text)
{
    Send(EM_SETSEL, 0, -1);
    ReplaceSelection(text);
    if (Lazy::GetWindowTextLengthA(Handle) == text.Len())
        return true;
    Undo();
    return false;
}
