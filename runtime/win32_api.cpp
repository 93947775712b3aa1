#include "win32_api.h"

#include "lazy_binder.h"

namespace {

constexpr const char *Kernel32 = "kernel32";
constexpr const char *User32 = "user32";
constexpr const char *Gdi32 = "gdi32";
// The common-dialog library is named with its extension.
constexpr const char *Comdlg32 = "comdlg32.dll";

// One pointer per wrapper, of the system function's own type, null until
// the wrapper's first call.
#define BOUND_FUNCTION(library, name)                                                                        \
    LazyFunction<decltype(&::name)> name##Function { library, #name, nullptr }

BOUND_FUNCTION(Kernel32, GetTickCount);
BOUND_FUNCTION(User32, TranslateMessage);
BOUND_FUNCTION(User32, DispatchMessageA);
BOUND_FUNCTION(User32, GetMessageA);
BOUND_FUNCTION(User32, PeekMessageA);
BOUND_FUNCTION(User32, PostQuitMessage);
BOUND_FUNCTION(User32, SetWindowPos);
BOUND_FUNCTION(User32, GetWindowRect);
BOUND_FUNCTION(User32, MoveWindow);
BOUND_FUNCTION(User32, GetWindowTextA);
BOUND_FUNCTION(User32, SetWindowTextA);
BOUND_FUNCTION(User32, GetWindowTextLengthA);
BOUND_FUNCTION(User32, GetWindowLongA);
BOUND_FUNCTION(User32, ShowWindow);
BOUND_FUNCTION(User32, IsWindowVisible);
BOUND_FUNCTION(User32, EnableWindow);
BOUND_FUNCTION(User32, IsWindowEnabled);
BOUND_FUNCTION(User32, DefWindowProcA);
BOUND_FUNCTION(User32, SetParent);
BOUND_FUNCTION(User32, CallWindowProcA);
BOUND_FUNCTION(User32, LoadCursorA);
BOUND_FUNCTION(User32, LoadIconA);
BOUND_FUNCTION(User32, CreateWindowExA);
BOUND_FUNCTION(User32, UpdateWindow);
BOUND_FUNCTION(User32, DestroyWindow);
BOUND_FUNCTION(User32, MessageBoxA);
BOUND_FUNCTION(User32, RegisterClassExA);
BOUND_FUNCTION(User32, SendMessageA);
BOUND_FUNCTION(User32, RedrawWindow);
BOUND_FUNCTION(User32, LoadImageA);
BOUND_FUNCTION(User32, GetDC);
BOUND_FUNCTION(User32, GetClientRect);
BOUND_FUNCTION(User32, FillRect);
BOUND_FUNCTION(User32, FrameRect);
BOUND_FUNCTION(User32, SetTimer);
BOUND_FUNCTION(User32, KillTimer);
BOUND_FUNCTION(User32, GetActiveWindow);
BOUND_FUNCTION(User32, SetActiveWindow);
BOUND_FUNCTION(User32, IsIconic);
BOUND_FUNCTION(User32, IsZoomed);
BOUND_FUNCTION(User32, IsDialogMessageA);
BOUND_FUNCTION(User32, CreatePopupMenu);
BOUND_FUNCTION(User32, CreateMenu);
BOUND_FUNCTION(User32, InsertMenuItemA);
BOUND_FUNCTION(User32, TrackPopupMenu);
BOUND_FUNCTION(User32, GetMenuItemCount);
BOUND_FUNCTION(User32, GetMenuItemInfoA);
BOUND_FUNCTION(User32, SetMenuItemInfoA);
BOUND_FUNCTION(User32, RemoveMenu);
BOUND_FUNCTION(User32, SetMenu);
BOUND_FUNCTION(User32, DrawMenuBar);
BOUND_FUNCTION(User32, GetSysColor);
BOUND_FUNCTION(User32, IsWindow);
BOUND_FUNCTION(User32, SetFocus);
BOUND_FUNCTION(User32, CreateAcceleratorTableA);
BOUND_FUNCTION(User32, DestroyAcceleratorTable);
BOUND_FUNCTION(User32, TranslateAcceleratorA);
BOUND_FUNCTION(User32, SetCapture);
BOUND_FUNCTION(User32, ReleaseCapture);
BOUND_FUNCTION(User32, GetCapture);
BOUND_FUNCTION(User32, GetFocus);
BOUND_FUNCTION(User32, DestroyMenu);
BOUND_FUNCTION(User32, PostMessageA);
BOUND_FUNCTION(User32, SetForegroundWindow);
BOUND_FUNCTION(User32, GetKeyState);
BOUND_FUNCTION(User32, GetWindowPlacement);
BOUND_FUNCTION(User32, SetWindowPlacement);
BOUND_FUNCTION(User32, MonitorFromRect);
BOUND_FUNCTION(User32, GetMonitorInfoA);
BOUND_FUNCTION(User32, SetCursor);
BOUND_FUNCTION(User32, MapWindowPoints);
BOUND_FUNCTION(User32, GetDoubleClickTime);
BOUND_FUNCTION(Gdi32, GetStockObject);
BOUND_FUNCTION(Gdi32, DeleteObject);
BOUND_FUNCTION(Gdi32, CreateFontA);
BOUND_FUNCTION(Gdi32, GetObjectA);
BOUND_FUNCTION(Gdi32, SelectObject);
BOUND_FUNCTION(Gdi32, CreatePen);
BOUND_FUNCTION(Gdi32, CreateBrushIndirect);
BOUND_FUNCTION(Gdi32, SetBkColor);
BOUND_FUNCTION(Gdi32, GetBkColor);
BOUND_FUNCTION(Gdi32, SetBkMode);
BOUND_FUNCTION(Gdi32, SetTextColor);
BOUND_FUNCTION(Gdi32, MoveToEx);
BOUND_FUNCTION(Gdi32, LineTo);
BOUND_FUNCTION(Gdi32, Rectangle);
BOUND_FUNCTION(Gdi32, Ellipse);
BOUND_FUNCTION(Gdi32, TextOutA);
BOUND_FUNCTION(Gdi32, GetTextExtentPoint32A);
BOUND_FUNCTION(Gdi32, SetPixelV);
BOUND_FUNCTION(Gdi32, GetPixel);
BOUND_FUNCTION(Comdlg32, GetOpenFileNameA);
BOUND_FUNCTION(Comdlg32, GetSaveFileNameA);
BOUND_FUNCTION(Comdlg32, GetOpenFileNameW);
BOUND_FUNCTION(Comdlg32, GetSaveFileNameW);
BOUND_FUNCTION(Comdlg32, CommDlgExtendedError);

#undef BOUND_FUNCTION

} // namespace

DWORD Lazy::GetTickCount() { return GetTickCountFunction.Get()(); }
BOOL Lazy::TranslateMessage(const MSG *message) { return TranslateMessageFunction.Get()(message); }
LRESULT Lazy::DispatchMessageA(const MSG *message) { return DispatchMessageAFunction.Get()(message); }
BOOL Lazy::GetMessageA(LPMSG message, HWND window, UINT first, UINT last)
{
    return GetMessageAFunction.Get()(message, window, first, last);
}
BOOL Lazy::PeekMessageA(LPMSG message, HWND window, UINT first, UINT last, UINT remove)
{
    return PeekMessageAFunction.Get()(message, window, first, last, remove);
}
void Lazy::PostQuitMessage(int exitCode) { PostQuitMessageFunction.Get()(exitCode); }
BOOL Lazy::SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags)
{
    return SetWindowPosFunction.Get()(window, insertAfter, x, y, width, height, flags);
}
BOOL Lazy::GetWindowRect(HWND window, LPRECT rect) { return GetWindowRectFunction.Get()(window, rect); }
BOOL Lazy::MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint)
{
    return MoveWindowFunction.Get()(window, x, y, width, height, repaint);
}
int Lazy::GetWindowTextA(HWND window, LPSTR text, int size)
{
    return GetWindowTextAFunction.Get()(window, text, size);
}
BOOL Lazy::SetWindowTextA(HWND window, LPCSTR text) { return SetWindowTextAFunction.Get()(window, text); }
int Lazy::GetWindowTextLengthA(HWND window) { return GetWindowTextLengthAFunction.Get()(window); }
LONG Lazy::GetWindowLongA(HWND window, int index) { return GetWindowLongAFunction.Get()(window, index); }
BOOL Lazy::ShowWindow(HWND window, int command) { return ShowWindowFunction.Get()(window, command); }
BOOL Lazy::IsWindowVisible(HWND window) { return IsWindowVisibleFunction.Get()(window); }
BOOL Lazy::EnableWindow(HWND window, BOOL enable) { return EnableWindowFunction.Get()(window, enable); }
BOOL Lazy::IsWindowEnabled(HWND window) { return IsWindowEnabledFunction.Get()(window); }
LRESULT Lazy::DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcAFunction.Get()(window, message, wParam, lParam);
}
HWND Lazy::SetParent(HWND child, HWND parent) { return SetParentFunction.Get()(child, parent); }
LRESULT Lazy::CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcAFunction.Get()(procedure, window, message, wParam, lParam);
}
HCURSOR Lazy::LoadCursorA(HINSTANCE instance, LPCSTR name)
{
    return LoadCursorAFunction.Get()(instance, name);
}
HICON Lazy::LoadIconA(HINSTANCE instance, LPCSTR name) { return LoadIconAFunction.Get()(instance, name); }
HWND Lazy::CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                           int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                           LPVOID parameter)
{
    return CreateWindowExAFunction.Get()(exStyle, className, windowName, style, x, y, width, height, parent,
                                         menu, instance, parameter);
}
BOOL Lazy::UpdateWindow(HWND window) { return UpdateWindowFunction.Get()(window); }
BOOL Lazy::DestroyWindow(HWND window) { return DestroyWindowFunction.Get()(window); }
int Lazy::MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT flags)
{
    return MessageBoxAFunction.Get()(owner, text, caption, flags);
}
ATOM Lazy::RegisterClassExA(const WNDCLASSEXA *windowClass)
{
    return RegisterClassExAFunction.Get()(windowClass);
}
LRESULT Lazy::SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageAFunction.Get()(window, message, wParam, lParam);
}
BOOL Lazy::RedrawWindow(HWND window, const RECT *update, HRGN region, UINT flags)
{
    return RedrawWindowFunction.Get()(window, update, region, flags);
}
HANDLE Lazy::LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags)
{
    return LoadImageAFunction.Get()(instance, name, type, width, height, flags);
}
HDC Lazy::GetDC(HWND window) { return GetDCFunction.Get()(window); }
BOOL Lazy::GetClientRect(HWND window, LPRECT rect) { return GetClientRectFunction.Get()(window, rect); }
int Lazy::FillRect(HDC dc, const RECT *rect, HBRUSH brush) { return FillRectFunction.Get()(dc, rect, brush); }
int Lazy::FrameRect(HDC dc, const RECT *rect, HBRUSH brush)
{
    return FrameRectFunction.Get()(dc, rect, brush);
}
UINT_PTR Lazy::SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure)
{
    return SetTimerFunction.Get()(window, id, elapse, procedure);
}
BOOL Lazy::KillTimer(HWND window, UINT_PTR id) { return KillTimerFunction.Get()(window, id); }
HWND Lazy::GetActiveWindow() { return GetActiveWindowFunction.Get()(); }
HWND Lazy::SetActiveWindow(HWND window) { return SetActiveWindowFunction.Get()(window); }
BOOL Lazy::IsIconic(HWND window) { return IsIconicFunction.Get()(window); }
BOOL Lazy::IsZoomed(HWND window) { return IsZoomedFunction.Get()(window); }
BOOL Lazy::IsDialogMessageA(HWND dialog, LPMSG message)
{
    return IsDialogMessageAFunction.Get()(dialog, message);
}
HMENU Lazy::CreatePopupMenu() { return CreatePopupMenuFunction.Get()(); }
HMENU Lazy::CreateMenu() { return CreateMenuFunction.Get()(); }
BOOL Lazy::InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info)
{
    return InsertMenuItemAFunction.Get()(menu, item, byPosition, info);
}
BOOL Lazy::TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND window, const RECT *rect)
{
    return TrackPopupMenuFunction.Get()(menu, flags, x, y, reserved, window, rect);
}
int Lazy::GetMenuItemCount(HMENU menu) { return GetMenuItemCountFunction.Get()(menu); }
BOOL Lazy::GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA info)
{
    return GetMenuItemInfoAFunction.Get()(menu, item, byPosition, info);
}
BOOL Lazy::SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info)
{
    return SetMenuItemInfoAFunction.Get()(menu, item, byPosition, info);
}
BOOL Lazy::RemoveMenu(HMENU menu, UINT position, UINT flags)
{
    return RemoveMenuFunction.Get()(menu, position, flags);
}
BOOL Lazy::SetMenu(HWND window, HMENU menu) { return SetMenuFunction.Get()(window, menu); }
BOOL Lazy::DrawMenuBar(HWND window) { return DrawMenuBarFunction.Get()(window); }
DWORD Lazy::GetSysColor(int index) { return GetSysColorFunction.Get()(index); }
BOOL Lazy::IsWindow(HWND window) { return IsWindowFunction.Get()(window); }
HWND Lazy::SetFocus(HWND window) { return SetFocusFunction.Get()(window); }
HACCEL Lazy::CreateAcceleratorTableA(LPACCEL accelerators, int count)
{
    return CreateAcceleratorTableAFunction.Get()(accelerators, count);
}
BOOL Lazy::DestroyAcceleratorTable(HACCEL table) { return DestroyAcceleratorTableFunction.Get()(table); }
int Lazy::TranslateAcceleratorA(HWND window, HACCEL table, LPMSG message)
{
    return TranslateAcceleratorAFunction.Get()(window, table, message);
}
HWND Lazy::SetCapture(HWND window) { return SetCaptureFunction.Get()(window); }
BOOL Lazy::ReleaseCapture() { return ReleaseCaptureFunction.Get()(); }
HWND Lazy::GetCapture() { return GetCaptureFunction.Get()(); }
HWND Lazy::GetFocus() { return GetFocusFunction.Get()(); }
BOOL Lazy::DestroyMenu(HMENU menu) { return DestroyMenuFunction.Get()(menu); }
BOOL Lazy::PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PostMessageAFunction.Get()(window, message, wParam, lParam);
}
BOOL Lazy::SetForegroundWindow(HWND window) { return SetForegroundWindowFunction.Get()(window); }
SHORT Lazy::GetKeyState(int key) { return GetKeyStateFunction.Get()(key); }
BOOL Lazy::GetWindowPlacement(HWND window, WINDOWPLACEMENT *placement)
{
    return GetWindowPlacementFunction.Get()(window, placement);
}
BOOL Lazy::SetWindowPlacement(HWND window, const WINDOWPLACEMENT *placement)
{
    return SetWindowPlacementFunction.Get()(window, placement);
}
HCURSOR Lazy::SetCursor(HCURSOR cursor) { return SetCursorFunction.Get()(cursor); }
int Lazy::MapWindowPoints(HWND from, HWND to, POINT *points, UINT count)
{
    return MapWindowPointsFunction.Get()(from, to, points, count);
}
UINT Lazy::GetDoubleClickTime() { return GetDoubleClickTimeFunction.Get()(); }
HMONITOR Lazy::MonitorFromRect(LPCRECT rect, DWORD flags)
{
    return MonitorFromRectFunction.Get()(rect, flags);
}
BOOL Lazy::GetMonitorInfoA(HMONITOR monitor, LPMONITORINFO info)
{
    return GetMonitorInfoAFunction.Get()(monitor, info);
}
HGDIOBJ Lazy::GetStockObject(int index) { return GetStockObjectFunction.Get()(index); }
BOOL Lazy::DeleteObject(HGDIOBJ object) { return DeleteObjectFunction.Get()(object); }
HFONT Lazy::CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                        DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                        DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName)
{
    return CreateFontAFunction.Get()(height, width, escapement, orientation, weight, italic, underline,
                                     strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily,
                                     faceName);
}
int Lazy::GetObjectA(HANDLE object, int size, LPVOID buffer)
{
    return GetObjectAFunction.Get()(object, size, buffer);
}
HGDIOBJ Lazy::SelectObject(HDC dc, HGDIOBJ object) { return SelectObjectFunction.Get()(dc, object); }
HPEN Lazy::CreatePen(int style, int width, COLORREF color)
{
    return CreatePenFunction.Get()(style, width, color);
}
HBRUSH Lazy::CreateBrushIndirect(const LOGBRUSH *brush) { return CreateBrushIndirectFunction.Get()(brush); }
COLORREF Lazy::SetBkColor(HDC dc, COLORREF color) { return SetBkColorFunction.Get()(dc, color); }
COLORREF Lazy::GetBkColor(HDC dc) { return GetBkColorFunction.Get()(dc); }
int Lazy::SetBkMode(HDC dc, int mode) { return SetBkModeFunction.Get()(dc, mode); }
COLORREF Lazy::SetTextColor(HDC dc, COLORREF color) { return SetTextColorFunction.Get()(dc, color); }
BOOL Lazy::MoveToEx(HDC dc, int x, int y, LPPOINT previous)
{
    return MoveToExFunction.Get()(dc, x, y, previous);
}
BOOL Lazy::LineTo(HDC dc, int x, int y) { return LineToFunction.Get()(dc, x, y); }
BOOL Lazy::Rectangle(HDC dc, int left, int top, int right, int bottom)
{
    return RectangleFunction.Get()(dc, left, top, right, bottom);
}
BOOL Lazy::Ellipse(HDC dc, int left, int top, int right, int bottom)
{
    return EllipseFunction.Get()(dc, left, top, right, bottom);
}
BOOL Lazy::TextOutA(HDC dc, int x, int y, LPCSTR text, int length)
{
    return TextOutAFunction.Get()(dc, x, y, text, length);
}
BOOL Lazy::GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, LPSIZE size)
{
    return GetTextExtentPoint32AFunction.Get()(dc, text, length, size);
}
BOOL Lazy::SetPixelV(HDC dc, int x, int y, COLORREF color)
{
    return SetPixelVFunction.Get()(dc, x, y, color);
}
COLORREF Lazy::GetPixel(HDC dc, int x, int y) { return GetPixelFunction.Get()(dc, x, y); }
BOOL Lazy::GetOpenFileNameA(LPOPENFILENAMEA dialog) { return GetOpenFileNameAFunction.Get()(dialog); }
BOOL Lazy::GetSaveFileNameA(LPOPENFILENAMEA dialog) { return GetSaveFileNameAFunction.Get()(dialog); }
BOOL Lazy::GetOpenFileNameW(LPOPENFILENAMEW dialog) { return GetOpenFileNameWFunction.Get()(dialog); }
BOOL Lazy::GetSaveFileNameW(LPOPENFILENAMEW dialog) { return GetSaveFileNameWFunction.Get()(dialog); }
DWORD Lazy::CommDlgExtendedError() { return CommDlgExtendedErrorFunction.Get()(); }
