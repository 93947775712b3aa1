// KVSEARCHFORM, the small modal form of Search > Find: a field for the text
// and a Find button that confirms it.
#pragma once

#include "kvbutton.h"
#include "kvedit.h"
#include "kvform.h"
#include "kvstring.h"

class KVSEARCHFORM : public KVFORM {
  public:
    KVSEARCHFORM();

    void EventHandler(void *sender, KvEvent &event) override;
    // Confirms the text: ModalResult 1, FoundText the field's text, and the
    // dialog closes.
    virtual void FindClick();

    KVEDIT FindEdit;
    KVBUTTON FindButton;
    // The text confirmed with the button; empty until then.
    KVSTRING FoundText;
};

// The find dialog while it is shown.
extern KVSEARCHFORM *TheSearchForm;
