#include "search_form.h"

#include <memory>

#include "main_form.h"
#include "text_search.h"

KVSEARCHFORM *TheSearchForm = nullptr;

namespace {

// MB_OK | MB_ICONINFORMATION
constexpr uint32_t NotFoundFlags = 0x40;

} // namespace

KVSEARCHFORM::KVSEARCHFORM()
{
    SetWidth(393);
    SetHeight(60);
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

    OnCreate();
    KvEvent created(eCreate);
    Fire(created);
}

void KVSEARCHFORM::EventHandler(void *sender, KvEvent &event)
{
    if (sender == &FindButton && event.Event == eClick)
        FindClick();
}

void KVSEARCHFORM::FindClick()
{
    ModalResult = 1;
    FoundText = FindEdit.GetText();
    Close();
}

void KVMAINFORM::SearchFind(KvEvent &event)
{
    const auto dialog = std::make_unique<KVSEARCHFORM>();
    TheSearchForm = dialog.get();
    dialog->FindEdit.SetText(SearchText);
    if (dialog->ShowModal() != 0) {
        SearchText = dialog->FoundText;
        SearchFindNext(event);
    }
    TheSearchForm = nullptr;
}

// Searches from the first character after the selection (or at the caret)
// and wraps around once, so repeating it walks through every occurrence.
void KVMAINFORM::SearchFindNext(KvEvent &)
{
    const int32_t from = Memo.GetSelStart() + Memo.GetSelLength();
    const int32_t found = FindNextOccurrence(Memo.GetText(), SearchText, from);
    if (found == 0) {
        MessageBox(KVSTRING("Cannot find \"") + SearchText + "\"", "Text not found", NotFoundFlags);
        return;
    }
    Memo.SetSelStart(found - 1);
    Memo.SetSelLength(Length(SearchText) + 1);
    Lazy::SendMessageA(Memo.GetHandle(), EM_SCROLLCARET, 0, 0);
}
