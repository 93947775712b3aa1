// KVGOTOFORM, the small modal form of Search > Go To: a field for a line
// number and a button that confirms it.
#pragma once

#include "kvbutton.h"
#include "kvedit.h"
#include "kvform.h"
#include "kvstring.h"

class KVGOTOFORM : public KVFORM {
  public:
    KVGOTOFORM();

    void EventHandler(void *sender, KvEvent &event) override;
    // Confirms the text: ModalResult 1, LineText the field's text, and the
    // dialog closes.
    virtual void GoClick();

    KVLABEL LineLabel;
    KVEDIT LineEdit;
    KVBUTTON GoButton;
    // The text confirmed with the button; empty until then.
    KVSTRING LineText;
};

// The Go To dialog while it is shown.
extern KVGOTOFORM *TheGoToForm;
