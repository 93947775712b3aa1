// The window as the last run left it: placement, word wrap, status bar.
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

// A frame that no screen shows is no place for the window.
bool OnSomeScreen(const RECT &frame)
{
    return Lazy::MonitorFromRect(&frame, MONITOR_DEFAULTTONULL) != nullptr;
}

} // namespace

void KVMAINFORM::ApplyWindowSettings(const WindowSettings &settings)
{
    WordWrapItem.SetChecked(Memo.GetWordWrap());
    StatusBar.SetVisible(ToKvBool(settings.statusBar));
    StatusBarItem.SetChecked(StatusBar.GetVisible());
    const RECT frame =
        settings.hasPlacement && OnSomeScreen(settings.normal) ? settings.normal : SystemDefaultFrame();
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
