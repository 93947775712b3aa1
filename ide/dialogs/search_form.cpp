#include "search_form.h"

#include "dialog_fields.h"

KVSEARCHFORM *TheSearchForm = nullptr;

KVSEARCHFORM::KVSEARCHFORM()
{
    SetWidth(393);
    SetHeight(92);
    SetCaption("Search");
    SetBorderStyle(BorderDialog);
    ModalResult = 0;

    FindEdit.SetParent(this);
    FindEdit.SetLeft(5);
    FindEdit.SetTop(5);
    FindEdit.SetWidth(300);

    FindButton.SetParent(this);
    FindButton.SetLeft(310);
    FindButton.SetTop(5);
    FindButton.SetCaption("Find");
    // Enter finds, Escape closes the dialog as its close box does: no search.
    SetDefaultButton(&FindButton);
    EnableWhileFilled(FindEdit, {&FindButton});

    PlaceControl(MatchCaseBox, *this, "Match case", 5, 36, 110, 20);
    PlaceControl(DirectionLabel, *this, "Direction:", 150, 38, 60, 20);
    PlaceControl(UpButton, *this, "Up", 215, 36, 45, 20);
    PlaceControl(DownButton, *this, "Down", 262, 36, 55, 20);
    DownButton.SetState(BST_CHECKED);

    OnCreate();
    KvEvent created(eCreate);
    Fire(created);
}

void KVSEARCHFORM::EventHandler(void *sender, KvEvent &event)
{
    if (sender == &FindButton && event.Event == eClick)
        FindClick();
    else if (sender == &FindEdit && event.Event == eChange)
        EnableWhileFilled(FindEdit, {&FindButton});
}

void KVSEARCHFORM::FindClick()
{
    ModalResult = 1;
    FoundText = FindEdit.GetText();
    MatchCase = MatchCaseBox.GetState() == BST_CHECKED;
    Upward = UpButton.GetState() == BST_CHECKED;
    Close();
}

void KVSEARCHFORM::Offer(const KVSTRING &text, bool matchCase, bool upward)
{
    OfferText(FindEdit, text);
    EnableWhileFilled(FindEdit, {&FindButton});
    MatchCaseBox.SetState(matchCase ? BST_CHECKED : BST_UNCHECKED);
    UpButton.SetState(upward ? BST_CHECKED : BST_UNCHECKED);
    DownButton.SetState(upward ? BST_UNCHECKED : BST_CHECKED);
}
