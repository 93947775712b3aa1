#include "main_form.h"

#include <memory>

#include "about_form.h"
#include "menu_table.h"
#include "wait_cursor.h"

KVMAINFORM *TheMainForm = nullptr;

namespace {

KVSTRING DialogFilter()
{
    const KVSTRING nul = CharString(0);
    return KVSTRING("KVO files (*.kvo)") + nul + "*.kvo" + nul + "KVO forms (no extension)" + nul + "*.*";
}

} // namespace

KVMAINFORM::KVMAINFORM() : MainMenu(nullptr)
{
    MainMenu.SetOwnerForm(this);
    for (const MenuRow &row : MenuTable) {
        KVMENUITEM &item = this->*row.item;
        if (row.parent == nullptr)
            item.SetParent(&MainMenu);
        else
            item.SetParent(&(this->*row.parent));
        if (row.caption == nullptr)
            item.SetSeparator(KvTrue);
        else
            item.SetCaption(row.caption);
        if (row.shortcut != nullptr) {
            KVSTRING shortcut = row.shortcut;
            item.SetShortcut(shortcut);
        }
    }

    FileDialog.SetParent(this);
    FileDialog.Filter = DialogFilter();
    FileDialog.DefaultExt = "kvo";

    const WindowSettings settings = LoadWindowSettings();
    // Styles the edit control reads when it is made: set before its window.
    Memo.SetScrollBars(KvTrue);
    Memo.SetWordWrap(ToKvBool(settings.wordWrap));
    Memo.SetParent(this);
    Memo.SetLeft(0);
    Memo.SetTop(0);
    ControlFont *font = Memo.GetFont();
    font->SetName("Courier New");
    font->SetSize(14);
    font->SetBold(KvFalse);
    // Where the system lacks the face, a fixed-pitch one stands in.
    font->SetFixedPitch(KvTrue);
    // Typing and pasting may go up to the control's maximum, not only the
    // 30000 characters it allows by default.
    Memo.SetMaxLength(0);
    Memo.CaretMoved = [this] { UpdateCaretPosition(); };
    FollowTimer.SetParent(this);
    SnapToGridItem.SetChecked(KvTrue);
    StatusBar.Attach(this);
    ApplyWindowSettings(settings);
    // The memo fills the client area before any text arrives: a large file
    // opened before the window is first shown is then laid out once, at
    // its final width.
    ResizeEditor();

    OnCreate();
    KvEvent created(eCreate);
    Fire(created);
}

void KVMAINFORM::EventHandler(void *sender, KvEvent &event)
{
    if (sender == this) {
        if (event.Event == eCreate)
            FileNew(event);
        else if (event.Event == eResize)
            ResizeEditor();
        return;
    }
    if (sender == &Memo && event.Event == eChange) {
        TextChanged();
        return;
    }
    if (sender == &FollowTimer) {
        // Not while a modal dialog runs (a preview made then would not be
        // disabled with the editor) nor in the middle of a drag or a
        // frame's sizing: the timer comes again.
        if (GetEnabled() != KvFalse && !Preview.Busy())
            FollowText(true);
        return;
    }
    if (event.Event != eClick)
        return;
    for (const MenuRow &row : MenuTable) {
        if (sender == &(this->*row.item)) {
            if (row.action != nullptr)
                (this->*row.action)(event);
            return;
        }
    }
}

// Changed text is saved or given up first; Cancel keeps the window open.
// Otherwise default processing destroys the window, as for any form (the
// save prompt's messages in between do not replace the close).
LRESULT KVMAINFORM::OnClose()
{
    if (!AskSaveChanges())
        return 0;
    return KVFORM::OnClose();
}

// However the window goes (Exit, the close box), it still has its
// placement here.
LRESULT KVMAINFORM::OnDestroy()
{
    SaveWindowSettings(CurrentWindowSettings());
    return KVFORM::OnDestroy();
}

void KVMAINFORM::ResizeEditor()
{
    const int32_t height = GetClientHeight() - StatusBar.Height();
    Memo.SetWidth(GetClientWidth());
    Memo.SetHeight(height > 0 ? height : 0);
    if (StatusBar.GetVisible())
        StatusBar.Place(GetClientWidth(), GetClientHeight());
}

void KVMAINFORM::FileExit(KvEvent &)
{
    if (AskSaveChanges())
        Close();
}

// Undoing a Replace All or a large paste puts the whole text back.
void KVMAINFORM::EditUndo(KvEvent &)
{
    const WaitCursor wait;
    Memo.Undo();
}

void KVMAINFORM::EditCut(KvEvent &) { Memo.Cut(); }

void KVMAINFORM::EditCopy(KvEvent &) { Memo.Copy(); }

void KVMAINFORM::EditPaste(KvEvent &)
{
    const WaitCursor wait;
    Memo.Paste();
}

void KVMAINFORM::HelpAbout(KvEvent &)
{
    const auto box = std::make_unique<KVABOUTFORM>();
    TheAboutForm = box.get();
    box->ShowModal();
    TheAboutForm = nullptr;
}
