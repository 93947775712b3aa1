#include "replace_form.h"

#include <utility>

#include "dialog_fields.h"

KVREPLACEFORM *TheReplaceForm = nullptr;

KVREPLACEFORM::KVREPLACEFORM(ReplaceTarget target) : Target(std::move(target))
{
    SetWidth(393);
    SetHeight(125);
    SetCaption("Replace");
    SetBorderStyle(BorderDialog);

    PlaceControl(FindLabel, *this, "Find what:", 5, 8, 75, 20);
    PlaceControl(FindEdit, *this, "", 85, 5, 215, 20);
    PlaceControl(ReplaceLabel, *this, "Replace with:", 5, 38, 75, 20);
    PlaceControl(ReplaceEdit, *this, "", 85, 35, 215, 20);
    PlaceControl(MatchCaseBox, *this, "Match case", 5, 66, 110, 20);
    PlaceControl(FindNextButton, *this, "Find Next", 310, 5, 75, 25);
    PlaceControl(ReplaceButton, *this, "Replace", 310, 33, 75, 25);
    PlaceControl(ReplaceAllButton, *this, "Replace All", 310, 61, 75, 25);
    // Enter finds the next occurrence; Escape closes the dialog.
    SetDefaultButton(&FindNextButton);

    OfferText(FindEdit, Target.findText);
    EnableWhileFilled(FindEdit, {&FindNextButton, &ReplaceButton, &ReplaceAllButton});
    ReplaceEdit.SetText(Target.replacement);
    MatchCaseBox.SetState(Target.matchCase ? BST_CHECKED : BST_UNCHECKED);

    OnCreate();
    KvEvent created(eCreate);
    Fire(created);
}

void KVREPLACEFORM::EventHandler(void *sender, KvEvent &event)
{
    if (sender == &FindEdit && event.Event == eChange) {
        EnableWhileFilled(FindEdit, {&FindNextButton, &ReplaceButton, &ReplaceAllButton});
        return;
    }
    if (event.Event != eClick)
        return;
    if (sender == &FindNextButton) {
        Commit();
        Target.findNext(*this);
    } else if (sender == &ReplaceButton) {
        Commit();
        Target.replace(*this);
    } else if (sender == &ReplaceAllButton) {
        Commit();
        Target.replaceAll(*this);
    }
}

void KVREPLACEFORM::Commit()
{
    Target.findText = FindEdit.GetText();
    Target.matchCase = MatchCaseBox.GetState() == BST_CHECKED;
    Target.replacement = ReplaceEdit.GetText();
}
