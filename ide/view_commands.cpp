// The View menu, Select All and the caret position in the status bar.
#include <string>

#include "main_form.h"
#include "text_lines.h"
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

// Without wrapping the memo's rows are the file's lines and the control
// answers at once; with wrapping the line feeds before the caret are
// counted in the text up to it.
void KVMAINFORM::UpdateCaretPosition()
{
    if (!StatusBar.GetVisible())
        return;
    DWORD caret = 0;
    Lazy::SendMessageA(Memo.GetHandle(), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const auto offset = static_cast<int32_t>(caret);
    if (!Memo.GetWordWrap()) {
        const auto row =
            static_cast<int32_t>(Lazy::SendMessageA(Memo.GetHandle(), EM_LINEFROMCHAR, caret, 0));
        const auto rowStart =
            static_cast<int32_t>(Lazy::SendMessageA(Memo.GetHandle(), EM_LINEINDEX, row, 0));
        StatusBar.ShowPosition(row + 1, offset - rowStart + 1);
        return;
    }
    std::string before(static_cast<size_t>(offset) + 1, '\0');
    const auto got = static_cast<int32_t>(Lazy::SendMessageA(Memo.GetHandle(), WM_GETTEXT, before.size(),
                                                             reinterpret_cast<LPARAM>(before.data())));
    const TextPosition position = PositionAt(before.data(), got);
    StatusBar.ShowPosition(position.line, position.column);
}
