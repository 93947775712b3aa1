// KVGOTOFORM, the small modal form of Search > Go To: a field for a line
// number, which opens with the caret's line, and a button that confirms it.
#pragma once

#include "kvbutton.h"
#include "kvedit.h"
#include "kvform.h"
#include "kvstring.h"

class KVGOTOFORM : public KVFORM {
  public:
    KVGOTOFORM();

    void EventHandler(void *sender, KvEvent &event) override;
    // Confirms a line number: ModalResult 1, LineText the field's text,
    // Line its number, and the dialog closes. Anything else is refused with
    // a message, and the dialog stays.
    virtual void GoClick();

    KVLABEL LineLabel;
    KVEDIT LineEdit;
    KVBUTTON GoButton;
    // The text last confirmed with the button; empty until then.
    KVSTRING LineText;
    int32_t Line = 0;
};

// The Go To dialog while it is shown.
extern KVGOTOFORM *TheGoToForm;
