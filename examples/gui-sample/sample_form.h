// A small form built on the class library alone: a menu bar with shortcuts,
// a labelled name field, a memo of notes that a button adds the name to, a
// clock label that a timer updates, a drawn frame, and the number of clicks
// on the form shown in its caption.
#pragma once

#include "kvbutton.h"
#include "kvedit.h"
#include "kvform.h"
#include "kvmenu.h"
#include "kvtimer.h"

class SampleForm : public KVFORM {
  public:
    SampleForm();
    void EventHandler(void *sender, KvEvent &event) override;

  private:
    void FormEvent(KvEvent &event);
    void AddNote();
    void ShowTime();

    KVMAINMENU MainMenu;
    KVMENUITEM FileMenu;
    KVMENUITEM AddItem;
    KVMENUITEM ClearItem;
    KVMENUITEM Separator;
    KVMENUITEM ExitItem;
    KVMENUITEM HelpMenu;
    KVMENUITEM AboutItem;
    KVLABEL NameLabel;
    KVEDIT NameField;
    KVBUTTON AddButton;
    KVMEMO Notes;
    KVLABEL ClockLabel;
    KVTIMER Clock;
    int32_t Clicks = 0;
    int32_t Seconds = 0;
};
