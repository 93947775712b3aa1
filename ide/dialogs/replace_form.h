// KVREPLACEFORM, the modal form of Search > Replace: the text to find, its
// replacement and whether case matters, with Find Next, Replace and Replace
// All, which act on the editor's memo while the dialog stays open. Escape
// or the close box closes it.
#pragma once

#include "kvbutton.h"
#include "kvcheckbox.h"
#include "kvedit.h"
#include "kvform.h"

class KVMAINFORM;

class KVREPLACEFORM : public KVFORM {
  public:
    // Opens with the editor's last find text, selected, its case option
    // and its last replacement.
    explicit KVREPLACEFORM(KVMAINFORM &editor);

    void EventHandler(void *sender, KvEvent &event) override;

    KVLABEL FindLabel;
    KVEDIT FindEdit;
    KVLABEL ReplaceLabel;
    KVEDIT ReplaceEdit;
    KVCHECKBOX MatchCaseBox;
    KVBUTTON FindNextButton;
    KVBUTTON ReplaceButton;
    KVBUTTON ReplaceAllButton;

  private:
    // Hands the fields to the editor, which keeps them for the Find dialog
    // and Find Next.
    void Commit();

    KVMAINFORM &Editor;
};

// The Replace dialog while it is shown.
extern KVREPLACEFORM *TheReplaceForm;
