// KVSEARCHFORM, the small modal form of Search > Find: a field for the text,
// a Find button that confirms it, whether case matters and which way to
// search.
#pragma once

#include "kvbutton.h"
#include "kvcheckbox.h"
#include "kvedit.h"
#include "kvform.h"
#include "kvstring.h"

class KVSEARCHFORM : public KVFORM {
  public:
    KVSEARCHFORM();

    void EventHandler(void *sender, KvEvent &event) override;
    // Confirms the text and the options: ModalResult 1, FoundText the
    // field's text, and the dialog closes.
    virtual void FindClick();
    // Opens with this text, selected, and these options.
    virtual void Offer(const KVSTRING &text, bool matchCase, bool upward);

    KVEDIT FindEdit;
    KVBUTTON FindButton;
    // The text confirmed with the button; empty until then.
    KVSTRING FoundText;
    KVCHECKBOX MatchCaseBox;
    KVLABEL DirectionLabel;
    KVRADIOBUTTON UpButton;
    KVRADIOBUTTON DownButton;
    // The options confirmed with the button.
    bool MatchCase = false;
    bool Upward = false;
};

// The find dialog while it is shown.
extern KVSEARCHFORM *TheSearchForm;
