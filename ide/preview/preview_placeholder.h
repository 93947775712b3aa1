// KVPLACEHOLDER, what a form preview shows for a control whose type the GUI
// library does not have: a framed box at the control's place and size with
// its name and type written inside, holding the control's own controls.
#pragma once

#include "kvcontrol.h"

class KVPLACEHOLDER : public KVCONTROL {
  public:
    // `label` is what the box shows, such as "GeneralPanel: KvPanel".
    explicit KVPLACEHOLDER(const KVSTRING &label);

    // A child window of the library's class with a border.
    void CreateWnd(HWND parent) override;
    // The label, drawn after the system has painted the box.
    LRESULT OnPaint() override;

    const KVSTRING &GetLabel() const { return Label; }

  private:
    KVSTRING Label;
};
