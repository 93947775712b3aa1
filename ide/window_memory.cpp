// The window as the last run left it: placement, word wrap, status bar.
#include <algorithm>

#include "main_form.h"

namespace {

// The position and size the system gives a new top-level window that asks
// for its defaults, as notepad does: a hidden window made and measured.
RECT SystemDefaultFrame()
{
    RECT frame{0, 0, 0, 0};
    HWND probe = Lazy::CreateWindowExA(0, "static", "", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    if (probe) {
        Lazy::GetWindowRect(probe, &frame);
        Lazy::DestroyWindow(probe);
    }
    return frame;
}

// How much of a window's caption must lie in a screen's work area for the
// user to take hold of it and move the window.
constexpr LONG GripWidth = 100;
constexpr LONG GripHeight = 30;
// Window coordinates beyond these are no frame the last run can have left.
constexpr LONG FarthestCoordinate = 32767;

// A frame is a place for the window when a grip of its caption lies in the
// work area of a screen: a corner showing, or a frame from a screen of
// another size, is not.
bool CanBeTakenHoldOf(const RECT &frame)
{
    for (const LONG coordinate : {frame.left, frame.top, frame.right, frame.bottom}) {
        if (coordinate < -FarthestCoordinate || coordinate > FarthestCoordinate)
            return false;
    }
    const RECT caption{frame.left, frame.top, frame.right, std::min(frame.bottom, frame.top + GripHeight)};
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    const HMONITOR monitor = Lazy::MonitorFromRect(&caption, MONITOR_DEFAULTTONULL);
    if (monitor == nullptr || !Lazy::GetMonitorInfoA(monitor, &screen))
        return false;
    const RECT &work = screen.rcWork;
    const LONG shownWidth = std::min(caption.right, work.right) - std::max(caption.left, work.left);
    const LONG shownHeight = std::min(caption.bottom, work.bottom) - std::max(caption.top, work.top);
    return shownWidth >= GripWidth && shownHeight >= GripHeight;
}

} // namespace

void KVMAINFORM::ApplyWindowSettings(const WindowSettings &settings)
{
    WordWrapItem.SetChecked(Memo.GetWordWrap());
    StatusBar.SetVisible(ToKvBool(settings.statusBar));
    StatusBarItem.SetChecked(StatusBar.GetVisible());
    const RECT frame =
        settings.hasPlacement && CanBeTakenHoldOf(settings.normal) ? settings.normal : SystemDefaultFrame();
    if (frame.right <= frame.left || frame.bottom <= frame.top)
        return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    Lazy::GetWindowPlacement(GetHandle(), &placement);
    placement.rcNormalPosition = frame;
    // Still hidden: ShowSavedState maximizes it when it is shown.
    placement.showCmd = SW_HIDE;
    Lazy::SetWindowPlacement(GetHandle(), &placement);
    StartMaximized = settings.hasPlacement && settings.maximized;
}

WindowSettings KVMAINFORM::CurrentWindowSettings()
{
    WindowSettings settings;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (Lazy::GetWindowPlacement(GetHandle(), &placement)) {
        settings.hasPlacement = true;
        settings.normal = placement.rcNormalPosition;
        settings.maximized = Lazy::IsZoomed(GetHandle()) != FALSE;
    }
    settings.wordWrap = Memo.GetWordWrap() != KvFalse;
    settings.statusBar = StatusBar.GetVisible() != KvFalse;
    return settings;
}

void KVMAINFORM::ShowSavedState()
{
    if (StartMaximized)
        Lazy::ShowWindow(GetHandle(), SW_SHOWMAXIMIZED);
}
