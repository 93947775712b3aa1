// The Search menu: the Find, Replace and Go To dialogs opened, and what
// Find Next, Find Previous and the Replace dialog's buttons do in the memo.
#include <memory>
#include <string>

#include "dialog_fields.h"
#include "editor_messages.h"
#include "goto_form.h"
#include "main_form.h"
#include "replace_form.h"
#include "search_form.h"
#include "text_lines.h"
#include "text_search.h"
#include "wait_cursor.h"

namespace {

void ReportNotFound(KVFORM &reporter, const KVSTRING &text)
{
    reporter.MessageBox(EditorMessage::CannotFind(text), EditorMessage::TextNotFoundTitle,
                        MB_OK | MB_ICONINFORMATION);
}

} // namespace

void KVMAINFORM::SearchFindNext(KvEvent &event)
{
    if (Length(SearchText) == 0)
        SearchFind(event);
    else
        FindOccurrence(false, *this);
}

void KVMAINFORM::SearchFindPrevious(KvEvent &event)
{
    if (Length(SearchText) == 0)
        SearchFind(event);
    else
        FindOccurrence(true, *this);
}

void KVMAINFORM::FindOccurrence(bool upward, KVFORM &reporter)
{
    const TextSearch search(SearchText, SearchMatchCase);
    const KVEDITORMEMO::Selection selection = Memo.Selected();
    const KVSTRING text = Memo.GetText();
    const int32_t found = upward ? search.Previous(text, selection.start) : search.Next(text, selection.end);
    if (found < 0)
        ReportNotFound(reporter, SearchText);
    else
        Memo.SelectAndShow(found, found + search.PatternLength());
}

// The search after a replacement goes round to the text before it, but an
// occurrence inside the new text is no occurrence of the old one: taking
// it would replace the replacement again, for ever.
void KVMAINFORM::ReplaceOccurrence(KVFORM &reporter)
{
    const TextSearch search(SearchText, SearchMatchCase);
    if (!search.Matches(Memo.GetSelText())) {
        FindOccurrence(false, reporter);
        return;
    }
    const int32_t replacedStart = Memo.Selected().start;
    Memo.ReplaceSelection(Replacement);
    const int32_t replacedEnd = replacedStart + Length(Replacement);
    const int32_t found = search.Next(Memo.GetText(), replacedEnd);
    if (found < 0 || (found >= replacedStart && found < replacedEnd)) {
        ReportNotFound(reporter, SearchText);
        return;
    }
    Memo.SelectAndShow(found, found + search.PatternLength());
}

// The new text goes in as one replacement of the whole text: a single step
// for Undo, and one pass however many occurrences there are.
void KVMAINFORM::ReplaceAllOccurrences(KVFORM &reporter)
{
    std::optional<TextSearch::Replaced> replaced;
    bool changed = false;
    {
        const WaitCursor wait;
        replaced = TextSearch(SearchText, SearchMatchCase).ReplaceAll(Memo.GetText(), Replacement);
        changed = replaced && replaced->count > 0 && Memo.ReplaceAllText(replaced->text);
    }
    if (changed) {
        Memo.SelectAndShow(replaced->first, replaced->first);
        StatusBar.ShowMessage(EditorMessage::Replaced(replaced->count).c_str());
    } else if (replaced && replaced->count == 0) {
        ReportNotFound(reporter, SearchText);
    } else {
        reporter.MessageBox(EditorMessage::ReplacedTextTooLong, EditorMessage::ReplaceAllTitle,
                            MB_OK | MB_ICONEXCLAMATION);
    }
}

void KVMAINFORM::SearchFind(KvEvent &)
{
    const auto dialog = std::make_unique<KVSEARCHFORM>();
    TheSearchForm = dialog.get();
    dialog->Offer(SearchText, SearchMatchCase, SearchUpward);
    const bool confirmed = dialog->ShowModal() != 0;
    TheSearchForm = nullptr;
    if (!confirmed)
        return;
    SearchText = dialog->FoundText;
    SearchMatchCase = dialog->MatchCase;
    SearchUpward = dialog->Upward;
    FindOccurrence(SearchUpward, *this);
}

void KVMAINFORM::SearchReplace(KvEvent &)
{
    const auto dialog = std::make_unique<KVREPLACEFORM>(
        ReplaceTarget{SearchText, SearchMatchCase, Replacement,
                      [this](KVFORM &reporter) { FindOccurrence(false, reporter); },
                      [this](KVFORM &reporter) { ReplaceOccurrence(reporter); },
                      [this](KVFORM &reporter) { ReplaceAllOccurrences(reporter); }});
    TheReplaceForm = dialog.get();
    dialog->ShowModal();
    TheReplaceForm = nullptr;
}

void KVMAINFORM::SearchGoTo(KvEvent &)
{
    const auto dialog = std::make_unique<KVGOTOFORM>();
    TheGoToForm = dialog.get();
    OfferText(dialog->LineEdit, std::to_string(Memo.CaretPosition().line).c_str());
    const bool confirmed = dialog->ShowModal() != 0;
    TheGoToForm = nullptr;
    if (confirmed)
        GoToLine(dialog->Line);
}

void KVMAINFORM::GoToLine(int32_t line)
{
    const int32_t start = LineStart(Memo.GetText(), line);
    Memo.SelectAndShow(start, start);
}
