// KVCHECKBOX, a button whose check mark each press turns on or off, and
// KVRADIOBUTTON, one choice of a set: pressing it, or moving to it with an
// arrow key, checks it and clears the other radio buttons of its parent, so
// that the radio buttons of one parent make one group (put another group in
// a container of its own). Both raise eClick once the mark has changed; the
// mark is the button's state (BST_CHECKED or BST_UNCHECKED). Enter in them
// presses the form's default button, as in Windows dialogs.
#pragma once

#include <cstdint>

#include "kvbutton.h"

class KVCHECKBOX : public KVBUTTON {
  public:
    KVCHECKBOX() = default;
    KVCHECKBOX(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
               int32_t height);

    void CreateWnd(HWND parent) override;
    KvBool IsA(const KVSTRING &className) override;
};

class KVRADIOBUTTON : public KVBUTTON {
  public:
    KVRADIOBUTTON() = default;
    KVRADIOBUTTON(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
                  int32_t height);

    void CreateWnd(HWND parent) override;
    KvBool IsA(const KVSTRING &className) override;
    // Checks this button and clears the others of the group.
    LRESULT OnClick() override;
    // Up and Left press the group's previous button, Down and Right the
    // next one, going round.
    LRESULT OnKeyDown(const KVSTRING &key, uint32_t keyCode) override;

  protected:
    // As in Windows dialogs, Tab reaches only the group's checked button
    // (its first one while none is checked); arrow keys reach the others.
    bool TakesTabFocus() override;

  private:
    // The group's button `step` places away (1 or -1) that can be pressed;
    // null when there is no other.
    KVRADIOBUTTON *Neighbour(int32_t step);
};
