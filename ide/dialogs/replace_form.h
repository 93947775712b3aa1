// KVREPLACEFORM, the modal form of Search > Replace: the text to find, its
// replacement and whether case matters, with Find Next, Replace and Replace
// All, which act on the editor's memo while the dialog stays open. Escape
// or the close box closes it.
#pragma once

#include <functional>

#include "kvbutton.h"
#include "kvcheckbox.h"
#include "kvedit.h"
#include "kvform.h"
#include "kvstring.h"

// What the dialog works on: the fields it opens with and hands back before
// each button's action (the editor keeps them for the Find dialog and Find
// Next), and the actions, each told the dialog to report in.
struct ReplaceTarget {
    KVSTRING &findText;
    bool &matchCase;
    KVSTRING &replacement;
    std::function<void(KVFORM &reporter)> findNext;
    std::function<void(KVFORM &reporter)> replace;
    std::function<void(KVFORM &reporter)> replaceAll;
};

class KVREPLACEFORM : public KVFORM {
  public:
    // Opens with the target's find text, selected, its case option and
    // its replacement.
    explicit KVREPLACEFORM(ReplaceTarget target);

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
    // Hands the fields to the target.
    void Commit();

    ReplaceTarget Target;
};

// The Replace dialog while it is shown.
extern KVREPLACEFORM *TheReplaceForm;
