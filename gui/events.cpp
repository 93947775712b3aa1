#include "events.h"

KvMouseEvent::KvMouseEvent(int32_t code, WPARAM wParam, LPARAM lParam)
    : KvEvent(code), X(LOWORD(lParam)), Y(HIWORD(lParam)), Button(0), Shift(0)
{
    if (wParam & MK_LBUTTON)
        Button |= KvLeftButton;
    if (wParam & MK_RBUTTON)
        Button |= KvRightButton;
    if (wParam & MK_MBUTTON)
        Button |= KvMiddleButton;
    if (wParam & MK_SHIFT)
        Shift |= KvShiftKey;
    if (wParam & MK_CONTROL)
        Shift |= KvControlKey;
}

KvMouseEvent::KvMouseEvent(int32_t code, uint32_t x, uint32_t y, uint32_t shift, uint32_t button)
    : KvEvent(code), X(x), Y(y), Button(button), Shift(shift)
{
}

KvKeyEvent::KvKeyEvent(int32_t code, WPARAM wParam)
    : KvEvent(code), Key(CharString(static_cast<uint8_t>(wParam))), KeyCode(static_cast<uint32_t>(wParam))
{
}

KvKeyEvent::KvKeyEvent(int32_t code, const KVSTRING &key, uint32_t keyCode)
    : KvEvent(code), Key(key), KeyCode(keyCode)
{
}
