#include "preview_form.h"

LRESULT KVPREVIEWFORM::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENTERSIZEMOVE) {
        SizeBeforeDrag = {GetWidth(), GetHeight()};
        InSizeMove = true;
    }
    const ControlRef self(this);
    const LRESULT result = KVFORM::WindowProc(message, wParam, lParam);
    if (self.Get() && message == WM_EXITSIZEMOVE)
        InSizeMove = false;
    if (self.Get() && message == WM_EXITSIZEMOVE &&
        (GetWidth() != SizeBeforeDrag.cx || GetHeight() != SizeBeforeDrag.cy) && FrameResized) {
        // A copy: the callback may make the preview anew.
        const std::function<void()> resized = FrameResized;
        resized();
    }
    return result;
}

LRESULT KVPREVIEWFORM::OnDestroy()
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (Lazy::GetWindowPlacement(GetHandle(), &placement))
        LastFrame = placement.rcNormalPosition;
    return KVFORM::OnDestroy();
}
