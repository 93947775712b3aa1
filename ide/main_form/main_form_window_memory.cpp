// The window as the last run left it: placement, word wrap, status bar.
#include <algorithm>
#include <optional>

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

// Whether every coordinate is one the last run can have left.
bool Plausible(const RECT &frame)
{
    for (const LONG coordinate : {frame.left, frame.top, frame.right, frame.bottom}) {
        if (coordinate < -FarthestCoordinate || coordinate > FarthestCoordinate)
            return false;
    }
    return true;
}

// The work area of the screen on which a grip of the frame's caption lies:
// a frame is a place for the window only then. A corner showing, or a
// frame from a screen of another size, is not.
std::optional<RECT> WorkAreaHolding(const RECT &frame)
{
    const RECT caption{frame.left, frame.top, frame.right, std::min(frame.bottom, frame.top + GripHeight)};
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    const HMONITOR monitor = Lazy::MonitorFromRect(&caption, MONITOR_DEFAULTTONULL);
    if (monitor == nullptr || !Lazy::GetMonitorInfoA(monitor, &screen))
        return std::nullopt;
    const RECT &work = screen.rcWork;
    const LONG shownWidth = std::min(caption.right, work.right) - std::max(caption.left, work.left);
    const LONG shownHeight = std::min(caption.bottom, work.bottom) - std::max(caption.top, work.top);
    if (shownWidth < GripWidth || shownHeight < GripHeight)
        return std::nullopt;
    return work;
}

// The smallest client area the editor can use: the menu bar on one row, a
// few rows of the memo with its scroll bar, and the status bar.
constexpr LONG SmallestClientWidth = 320;
constexpr LONG SmallestClientHeight = 120;

// One dimension of a frame at least the smallest length, grown from its
// start.
void Raise(LONG start, LONG &end, LONG smallest) { end = std::max(end, start + smallest); }

// One dimension of a frame no longer than the work area's, where it is
// then.
void Shrink(LONG &start, LONG &end, LONG areaStart, LONG areaEnd)
{
    if (end - start <= areaEnd - areaStart)
        return;
    start = areaStart;
    end = areaEnd;
}

} // namespace

// The window's frame around the smallest client area: what the borders,
// caption and menu bar take, measured on the window.
SIZE KVMAINFORM::SmallestFrame()
{
    RECT frame{};
    Lazy::GetWindowRect(GetHandle(), &frame);
    return {frame.right - frame.left - GetClientWidth() + SmallestClientWidth,
            frame.bottom - frame.top - GetClientHeight() + SmallestClientHeight};
}

RECT KVMAINFORM::RememberedFrame(const WindowSettings &settings)
{
    if (!settings.hasPlacement || !Plausible(settings.normal))
        return SystemDefaultFrame();
    RECT frame = settings.normal;
    const SIZE smallest = SmallestFrame();
    Raise(frame.left, frame.right, smallest.cx);
    Raise(frame.top, frame.bottom, smallest.cy);
    const std::optional<RECT> work = WorkAreaHolding(frame);
    if (!work)
        return SystemDefaultFrame();
    Shrink(frame.left, frame.right, work->left, work->right);
    Shrink(frame.top, frame.bottom, work->top, work->bottom);
    return frame;
}

void KVMAINFORM::ApplyWindowSettings(const WindowSettings &settings)
{
    WordWrapItem.SetChecked(Memo.GetWordWrap());
    StatusBar.SetVisible(ToKvBool(settings.statusBar));
    StatusBarItem.SetChecked(StatusBar.GetVisible());
    const RECT frame = RememberedFrame(settings);
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
