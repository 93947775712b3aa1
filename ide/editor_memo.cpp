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
