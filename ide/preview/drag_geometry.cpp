#include "drag_geometry.h"

#include <algorithm>

#include "selection_frame.h"

namespace {

int32_t Snapped(int32_t value, int32_t grid)
{
    if (grid <= 0)
        return value;
    // Rounded to the nearest grid line, also left of or above the origin.
    const int32_t shifted = value + grid / 2;
    const int32_t lower = shifted >= 0 ? shifted / grid : -((-shifted + grid - 1) / grid);
    return lower * grid;
}

bool MovesLeft(Handle handle)
{
    return handle == Handle::TopLeft || handle == Handle::Left || handle == Handle::BottomLeft;
}
bool MovesRight(Handle handle)
{
    return handle == Handle::TopRight || handle == Handle::Right || handle == Handle::BottomRight;
}
bool MovesTop(Handle handle)
{
    return handle == Handle::TopLeft || handle == Handle::Top || handle == Handle::TopRight;
}
bool MovesBottom(Handle handle)
{
    return handle == Handle::BottomLeft || handle == Handle::Bottom || handle == Handle::BottomRight;
}

} // namespace

PlaceRect DraggedPlace(const PlaceRect &origin, int32_t handle, int32_t dx, int32_t dy, int32_t grid)
{
    if (handle < 0)
        return {Snapped(origin.left + dx, grid), Snapped(origin.top + dy, grid), origin.width, origin.height};
    const auto which = static_cast<Handle>(handle);
    int32_t left = origin.left, top = origin.top;
    int32_t right = origin.left + origin.width, bottom = origin.top + origin.height;
    if (MovesLeft(which))
        left = std::min(Snapped(left + dx, grid), right - 1);
    if (MovesRight(which))
        right = std::max(Snapped(right + dx, grid), left + 1);
    if (MovesTop(which))
        top = std::min(Snapped(top + dy, grid), bottom - 1);
    if (MovesBottom(which))
        bottom = std::max(Snapped(bottom + dy, grid), top + 1);
    return {left, top, right - left, bottom - top};
}
