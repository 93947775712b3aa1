#include "goto_form.h"

#include <memory>

#include "main_form.h"
#include "text_lines.h"

KVGOTOFORM *TheGoToForm = nullptr;

namespace {

// MB_OK | MB_ICONEXCLAMATION
constexpr uint32_t NotALineFlags = 0x30;

} // namespace

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

void KVGOTOFORM::GoClick()
{
    ModalResult = 1;
    LineText = LineEdit.GetText();
    Close();
}

void KVMAINFORM::SearchGoTo(KvEvent &)
{
    const auto dialog = std::make_unique<KVGOTOFORM>();
    TheGoToForm = dialog.get();
    const bool confirmed = dialog->ShowModal() != 0;
    TheGoToForm = nullptr;
    if (!confirmed)
        return;
    const int32_t line = ParseLineNumber(dialog->LineText);
    if (line <= 0) {
        MessageBox(KVSTRING("\"") + dialog->LineText +
                       "\" is not a line number: enter a number of 1 or more.",
                   "Go To Line", NotALineFlags);
        return;
    }
    GoToLine(line);
}

void KVMAINFORM::GoToLine(int32_t line)
{
    const int32_t start = LineStart(Memo.GetText(), line);
    Lazy::SendMessageA(Memo.GetHandle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start));
    Lazy::SendMessageA(Memo.GetHandle(), EM_SCROLLCARET, 0, 0);
}
