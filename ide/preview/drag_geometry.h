// Where a control goes when the mouse drags it or one of its handles: the
// edges that move follow the mouse, snapped to a grid of the parent's
// client area when one is given.
#pragma once

#include <cstdint>

#include "design_edits.h"

// The place of a control whose place was `origin` after the mouse moved by
// (dx, dy): the whole control for `handle` -1, else the edges of that
// handle (selection_frame.h's order). `grid` 0 does not snap. A control
// keeps at least one pixel of width and height.
PlaceRect DraggedPlace(const PlaceRect &origin, int32_t handle, int32_t dx, int32_t dy, int32_t grid);
