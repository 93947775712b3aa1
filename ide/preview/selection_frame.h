// The form designer's mark of the selected control: a frame of four thin
// lines around it and eight grab handles, each a small window of its own in
// the control's parent, kept above the controls so that the mark shows on
// the screen (and in screenshots) as the user sees it.
#pragma once

#include <array>
#include <cstdint>

#include "kvcontrol.h"

// Handles in clockwise order from the top left corner.
enum class Handle { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };

constexpr int32_t HandleSize = 6;

class SelectionFrame {
  public:
    SelectionFrame() = default;
    SelectionFrame(const SelectionFrame &) = delete;
    SelectionFrame &operator=(const SelectionFrame &) = delete;
    ~SelectionFrame();

    // Marks `control` where its window is now; in a new parent the windows
    // are made anew there.
    void Mark(KVCONTROL &control);
    // Marks a form inside its own client area.
    void MarkClientArea(KVCONTROL &form);
    // Removes the mark's windows.
    void Clear();
    // The windows are gone with their parent (the preview closed): they are
    // forgotten, not destroyed.
    void Forget();

    // The handle at a point of the screen, or -1.
    int32_t HandleAt(POINT screen) const;

  private:
    // Marks the rectangle (x, y, w, h) of `owner`'s client area.
    void MarkPlace(HWND owner, int32_t x, int32_t y, int32_t w, int32_t h);

    static constexpr size_t LineCount = 4;
    static constexpr size_t HandleCount = 8;
    std::array<HWND, LineCount + HandleCount> windows{};
    HWND parent = nullptr;
    std::array<RECT, HandleCount> handles{};
};
