// KVPREVIEWFORM, the window of a form preview: a KVFORM that remembers its
// restored frame when it goes (closed by the user or made anew), so that
// the next preview opens where this one was, and that tells when the user
// has finished moving or sizing its frame.
#pragma once

#include <functional>
#include <optional>

#include "kvform.h"

class KVPREVIEWFORM : public KVFORM {
  public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnDestroy() override;

    // The frame it had when last neither minimised nor maximised, in the
    // coordinates of the window placement, once the window is gone.
    const std::optional<RECT> &FrameWhenDestroyed() const { return LastFrame; }

    // Called when a drag of the frame by the user ends with another size.
    std::function<void()> FrameResized;
    // The size the frame had when the user's last drag of it began.
    SIZE SizeBeforeResize() const { return SizeBeforeDrag; }
    // The user is moving or sizing the frame.
    bool Sizing() const { return InSizeMove; }

  private:
    bool InSizeMove = false;
    std::optional<RECT> LastFrame;
    SIZE SizeBeforeDrag{0, 0};
};
