#include "about_form.h"

KVABOUTFORM *TheAboutForm = nullptr;

KVABOUTFORM::KVABOUTFORM()
{
    SetCaption("About Kelvo IDE");
    SetBorderStyle(BorderFixedDialog);
    SetWidth(168);
    SetHeight(122);

    VersionLabel.SetParent(this);
    VersionLabel.SetLeft(5);
    VersionLabel.SetTop(5);
    VersionLabel.SetWidth(150);
    VersionLabel.SetHeight(60);
    VersionLabel.SetCaption("Kelvo IDE version 0.0");

    AboutOkButton.SetParent(this);
    AboutOkButton.SetWidth(100);
    AboutOkButton.SetLeft(30);
    AboutOkButton.SetTop(70);
    AboutOkButton.SetCaption("OK");
    // Enter and Escape close the box.
    SetDefaultButton(&AboutOkButton);

    OnCreate();
    KvEvent created(eCreate);
    Fire(created);
}

void KVABOUTFORM::EventHandler(void *sender, KvEvent &event)
{
    if (sender == &AboutOkButton && event.Event == eClick)
        Close();
}
