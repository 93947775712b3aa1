#include "selection_frame.h"

#include "app_instance.h"

namespace {

constexpr DWORD MarkStyle = WS_CHILD | WS_VISIBLE | SS_BLACKRECT;
// Above the controls, without the activation or a repaint of the parent.
constexpr UINT MarkPlacement = SWP_NOACTIVATE | SWP_SHOWWINDOW;

} // namespace

SelectionFrame::~SelectionFrame() { Clear(); }

void SelectionFrame::Mark(KVCONTROL &control)
{
    HWND owner = control.GetParent() ? control.GetParent()->GetHandle() : nullptr;
    MarkPlace(owner, control.GetLeft(), control.GetTop(), control.GetWidth(), control.GetHeight());
}

// The form has no parent to draw in: its mark lies inside its client area,
// the handles along the edges.
void SelectionFrame::MarkClientArea(KVCONTROL &form)
{
    const int32_t inset = HandleSize + 1;
    MarkPlace(form.GetHandle(), inset, inset, form.GetClientWidth() - 2 * inset,
              form.GetClientHeight() - 2 * inset);
}

void SelectionFrame::MarkPlace(HWND owner, int32_t x, int32_t y, int32_t w, int32_t h)
{
    if (owner != parent)
        Clear();
    parent = owner;
    if (!parent)
        return;
    const RECT lines[LineCount] = {{x - 1, y - 1, x + w + 1, y},
                                   {x - 1, y + h, x + w + 1, y + h + 1},
                                   {x - 1, y - 1, x, y + h + 1},
                                   {x + w, y - 1, x + w + 1, y + h + 1}};
    // Outside the control, so that the control's own painting never covers
    // them.
    const int32_t left = x - HandleSize, middleX = x + w / 2 - HandleSize / 2, right = x + w;
    const int32_t top = y - HandleSize, middleY = y + h / 2 - HandleSize / 2, bottom = y + h;
    const POINT corners[HandleCount] = {{left, top},     {middleX, top},    {right, top},   {right, middleY},
                                        {right, bottom}, {middleX, bottom}, {left, bottom}, {left, middleY}};
    for (size_t k = 0; k < HandleCount; ++k)
        handles[k] = {corners[k].x, corners[k].y, corners[k].x + HandleSize, corners[k].y + HandleSize};
    for (size_t k = 0; k < windows.size(); ++k) {
        const RECT &place = k < LineCount ? lines[k] : handles[k - LineCount];
        if (!windows[k])
            windows[k] = Lazy::CreateWindowExA(0, "static", "", MarkStyle, 0, 0, 0, 0, parent, nullptr,
                                               AppInstance(), nullptr);
        Lazy::SetWindowPos(windows[k], HWND_TOP, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, MarkPlacement);
    }
}

void SelectionFrame::Clear()
{
    for (HWND &window : windows) {
        if (window && Lazy::IsWindow(window))
            Lazy::DestroyWindow(window);
        window = nullptr;
    }
    parent = nullptr;
}

void SelectionFrame::Forget()
{
    windows.fill(nullptr);
    parent = nullptr;
}

// A pixel of slack around each handle: they are small targets.
int32_t SelectionFrame::HandleAt(POINT screen) const
{
    if (!parent)
        return -1;
    POINT point = screen;
    Lazy::MapWindowPoints(nullptr, parent, &point, 1);
    for (size_t k = 0; k < HandleCount; ++k) {
        const RECT &box = handles[k];
        if (point.x >= box.left - 1 && point.x <= box.right && point.y >= box.top - 1 &&
            point.y <= box.bottom)
            return static_cast<int32_t>(k);
    }
    return -1;
}
