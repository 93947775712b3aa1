// Real input, which the system routes as it routes the user's (to the
// window under the pointer, or to the window that holds the capture).
#pragma once

#include <windows.h>

// A click of the left button at a point of the window's client area.
void ClickAt(HWND window, int x, int y);
// A press and release of the key.
void PressKey(WORD key);
// The key going down (flags 0) or up (KEYEVENTF_KEYUP).
void SendKey(WORD key, DWORD flags);
