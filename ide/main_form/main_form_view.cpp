// The View menu, Select All and the caret position in the status bar.
#include "main_form.h"
#include "wait_cursor.h"

// The memo's window is made anew and lays out the whole text again.
void KVMAINFORM::ViewWordWrap(KvEvent &)
{
    {
        const WaitCursor wait;
        Memo.SetWordWrap(ToKvBool(!Memo.GetWordWrap()));
    }
    WordWrapItem.SetChecked(Memo.GetWordWrap());
    UpdateCaretPosition();
}

void KVMAINFORM::ViewStatusBar(KvEvent &)
{
    StatusBar.SetVisible(ToKvBool(!StatusBar.GetVisible()));
    StatusBarItem.SetChecked(StatusBar.GetVisible());
    ResizeEditor();
    UpdateCaretPosition();
}

void KVMAINFORM::EditSelectAll(KvEvent &) { Lazy::SendMessageA(Memo.GetHandle(), EM_SETSEL, 0, -1); }

void KVMAINFORM::UpdateCaretPosition()
{
    if (!StatusBar.GetVisible())
        return;
    const TextPosition position = Memo.CaretPosition();
    StatusBar.ShowPosition(position.line, position.column);
}
