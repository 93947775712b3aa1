#include "dialog_fields.h"

void PlaceControl(KVCONTROL &control, KVCONTROL &parent, const KVSTRING &caption, int32_t left, int32_t top,
                  int32_t width, int32_t height)
{
    control.SetParent(&parent);
    control.SetBounds(left, top, width, height);
    control.SetCaption(caption);
}

void OfferText(KVEDIT &field, const KVSTRING &text)
{
    field.SetText(text);
    field.SetSelStart(0);
    // Selection lengths count one more than the characters selected.
    field.SetSelLength(Length(text) + 1);
}

void EnableWhileFilled(KVEDIT &field, std::initializer_list<KVBUTTON *> buttons)
{
    const KvBool filled = ToKvBool(Length(field.GetText()) > 0);
    for (KVBUTTON *button : buttons)
        button->SetEnabled(filled);
}
