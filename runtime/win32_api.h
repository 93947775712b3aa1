// The system's user-interface functions, reached through lazily bound
// wrappers: each has the name, parameters and result of its system function
// and binds it at its first call (lazy_binder.h). Library code calls these,
// never the imports, so a program imports nothing from user32, gdi32 or
// comdlg32 beyond the window-long functions.
#pragma once

#include <windows.h>

#include <commdlg.h>

namespace Lazy {

// kernel32
DWORD GetTickCount();

// user32
BOOL TranslateMessage(const MSG *message);
LRESULT DispatchMessageA(const MSG *message);
BOOL GetMessageA(LPMSG message, HWND window, UINT first, UINT last);
BOOL PeekMessageA(LPMSG message, HWND window, UINT first, UINT last, UINT remove);
void PostQuitMessage(int exitCode);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
int GetWindowTextA(HWND window, LPSTR text, int size);
BOOL SetWindowTextA(HWND window, LPCSTR text);
int GetWindowTextLengthA(HWND window);
LONG GetWindowLongA(HWND window, int index);
BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HWND SetParent(HWND child, HWND parent);
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID parameter);
BOOL UpdateWindow(HWND window);
BOOL DestroyWindow(HWND window);
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);
ATOM RegisterClassExA(const WNDCLASSEXA *windowClass);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL RedrawWindow(HWND window, const RECT *update, HRGN region, UINT flags);
HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags);
HDC GetDC(HWND window);
BOOL GetClientRect(HWND window, LPRECT rect);
int FillRect(HDC dc, const RECT *rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT *rect, HBRUSH brush);
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure);
BOOL KillTimer(HWND window, UINT_PTR id);
HWND GetActiveWindow();
HWND SetActiveWindow(HWND window);
BOOL IsIconic(HWND window);
BOOL IsZoomed(HWND window);
BOOL IsDialogMessageA(HWND dialog, LPMSG message);
HMENU CreatePopupMenu();
HMENU CreateMenu();
BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info);
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND window, const RECT *rect);
int GetMenuItemCount(HMENU menu);
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA info);
BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
BOOL SetMenu(HWND window, HMENU menu);
BOOL DrawMenuBar(HWND window);
DWORD GetSysColor(int index);
BOOL IsWindow(HWND window);
HWND SetFocus(HWND window);
HACCEL CreateAcceleratorTableA(LPACCEL accelerators, int count);
BOOL DestroyAcceleratorTable(HACCEL table);
int TranslateAcceleratorA(HWND window, HACCEL table, LPMSG message);
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();
HWND GetFocus();
BOOL DestroyMenu(HMENU menu);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL SetForegroundWindow(HWND window);
SHORT GetKeyState(int key);
BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT *placement);
BOOL SetWindowPlacement(HWND window, const WINDOWPLACEMENT *placement);
HMONITOR MonitorFromRect(LPCRECT rect, DWORD flags);
BOOL GetMonitorInfoA(HMONITOR monitor, LPMONITORINFO info);
HCURSOR SetCursor(HCURSOR cursor);
int MapWindowPoints(HWND from, HWND to, POINT *points, UINT count);
UINT GetDoubleClickTime();

// gdi32
HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ object);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);
int GetObjectA(HANDLE object, int size, LPVOID buffer);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateBrushIndirect(const LOGBRUSH *brush);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
COLORREF SetTextColor(HDC dc, COLORREF color);
BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous);
BOOL LineTo(HDC dc, int x, int y);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length);
BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, LPSIZE size);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);

// comdlg32
BOOL GetOpenFileNameA(LPOPENFILENAMEA dialog);
BOOL GetSaveFileNameA(LPOPENFILENAMEA dialog);
BOOL GetOpenFileNameW(LPOPENFILENAMEW dialog);
BOOL GetSaveFileNameW(LPOPENFILENAMEW dialog);
DWORD CommDlgExtendedError();

} // namespace Lazy
