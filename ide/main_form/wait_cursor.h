// The hourglass while the editor works for longer than a moment (reading a
// large file, making the memo anew, running kvf): shown for the lifetime
// of the object, then the cursor that was there before comes back. No
// messages are handled meanwhile, so nothing sets another cursor.
#pragma once

#include <windows.h>

class WaitCursor {
  public:
    WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
    ~WaitCursor();

  private:
    HCURSOR previous;
};
