// KVABOUTFORM, the modal box of Help > About: the program's name and
// version and an OK button.
#pragma once

#include "kvbutton.h"
#include "kvform.h"

class KVABOUTFORM : public KVFORM {
  public:
    KVABOUTFORM();

    void EventHandler(void *sender, KvEvent &event) override;

    KVLABEL VersionLabel;
    KVBUTTON AboutOkButton;
};

// The about box while it is shown.
extern KVABOUTFORM *TheAboutForm;
