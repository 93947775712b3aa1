#include "sample_form.h"

#include <cstdio>

SampleField::SampleField(KVCONTROL *parent, const KVSTRING &text, int32_t left, int32_t top)
{
    Place(parent, text, left, top, 200, 22);
}

void SampleField::CreateWnd(HWND parent)
{
    CreateHandle(parent, "edit", 120, 20, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                 WS_EX_CLIENTEDGE);
}

SampleForm::SampleForm()
    : NameField(this, "Kelvo", 20, 20), NoteField(this, "Tab moves between the fields", 20, 52)
{
    SetCaption("Kelvo sample: click the form");
    SetBorderStyle(BorderDialog);
    SetClientWidth(320);
    SetClientHeight(160);
    NameField.SetColor(KvSystemColorFlag | COLOR_WINDOW);
    NoteField.SetColor(KvSystemColorFlag | COLOR_WINDOW);
    KvEvent created(eCreate);
    Fire(created);
}

void SampleForm::EventHandler(void *sender, KvEvent &event)
{
    if (sender != this)
        return;
    switch (event.Event) {
    case eClick: {
        char caption[64];
        std::snprintf(caption, sizeof caption, "Kelvo sample: %d clicks", static_cast<int>(++Clicks));
        SetCaption(caption);
        break;
    }
    case ePaint:
        GetCanvas()->SetPenColor(RGB(0, 0, 160));
        GetCanvas()->FrameRectangle(10, 10, 300, 90);
        GetCanvas()->TextOut(20, 100, "Close the window to end the program.");
        break;
    default:
        break;
    }
}
