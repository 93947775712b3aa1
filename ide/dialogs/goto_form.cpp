#include "goto_form.h"

#include "dialog_fields.h"
#include "editor_messages.h"
#include "text_lines.h"

KVGOTOFORM *TheGoToForm = nullptr;

KVGOTOFORM::KVGOTOFORM()
{
    SetWidth(300);
    SetHeight(60);
    SetCaption("Go To Line");
    SetBorderStyle(BorderDialog);
    ModalResult = 0;

    LineEdit.SetParent(this);
    LineEdit.SetLeft(90);
    LineEdit.SetTop(5);
    LineEdit.SetWidth(100);

    LineLabel.SetParent(this);
    LineLabel.SetLeft(5);
    LineLabel.SetTop(8);
    LineLabel.SetWidth(80);
    LineLabel.SetCaption("Line number:");

    GoButton.SetParent(this);
    GoButton.SetLeft(200);
    GoButton.SetTop(5);
    GoButton.SetCaption("Go To");
    // Enter goes to the line, Escape closes the dialog with nothing done.
    SetDefaultButton(&GoButton);

    OnCreate();
    KvEvent created(eCreate);
    Fire(created);
}

void KVGOTOFORM::EventHandler(void *sender, KvEvent &event)
{
    if (sender == &GoButton && event.Event == eClick)
        GoClick();
}

// A number that is no line number is refused where it was typed: the
// dialog stays, with the text selected for typing it again.
void KVGOTOFORM::GoClick()
{
    LineText = LineEdit.GetText();
    Line = ParseLineNumber(LineText);
    if (Line <= 0) {
        MessageBox(EditorMessage::NotALineNumber(LineText), EditorMessage::GoToLineTitle,
                   MB_OK | MB_ICONEXCLAMATION);
        OfferText(LineEdit, LineText);
        LineEdit.SetFocus();
        return;
    }
    ModalResult = 1;
    Close();
}
