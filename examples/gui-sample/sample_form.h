// A small form: two text fields, a drawn frame, and the number of clicks
// on the form shown in its caption.
#pragma once

#include "kvform.h"

// A single-line text field, a standard edit control under the library.
class SampleField : public KVCONTROL {
  public:
    SampleField(KVCONTROL *parent, const KVSTRING &text, int32_t left, int32_t top);
    void CreateWnd(HWND parent) override;
};

class SampleForm : public KVFORM {
  public:
    SampleForm();
    void EventHandler(void *sender, KvEvent &event) override;

  private:
    SampleField NameField;
    SampleField NoteField;
    int32_t Clicks = 0;
};
