// The editor's status bar: a strip along the bottom of the main form with
// the caret's "Ln N, Col M" and a field for the results of commands. Both
// are labels, so each text is its window's own text, which screen readers
// and tests read with WM_GETTEXT.
#pragma once

#include <cstdint>

#include "kvbutton.h"
#include "kvstring.h"

class EditorStatusBar {
  public:
    // Creates the two labels on the form.
    void Attach(KVCONTROL *form);
    // Lays the strip along the bottom of a client area of this size.
    void Place(int32_t clientWidth, int32_t clientHeight);
    void SetVisible(KvBool visible);
    KvBool GetVisible() const { return Visible; }
    // The height the strip takes from the client area: 0 while hidden.
    int32_t Height() const;
    void ShowPosition(int32_t line, int32_t column);
    void ShowMessage(const KVSTRING &text);

    KVLABEL Position;
    KVLABEL Message;

  private:
    KvBool Visible = KvTrue;
};
