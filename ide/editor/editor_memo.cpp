#include "editor_memo.h"

KVEDITORMEMO::KVEDITORMEMO() { WantTabs = KvTrue; }

// The control's change notification comes back to the memo inside the
// message that made the change.
LRESULT KVEDITORMEMO::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) {
        if (HIWORD(wParam) == EN_CHANGE)
            Tracker.TextChanged();
        return KVMEMO::WindowProc(message, wParam, lParam);
    }
    Tracker.BeforeMessage(message, wParam, lParam);
    const LRESULT result = KVMEMO::WindowProc(message, wParam, lParam);
    Tracker.AfterMessage(message, wParam, lParam);
    if (MayMoveCaret(message, wParam) && CaretMoved)
        CaretMoved();
    return result;
}

void KVEDITORMEMO::SetScrollBars(KvBool on)
{
    RemakeKeepingCaret([this, on] { KVMEMO::SetScrollBars(on); });
}

void KVEDITORMEMO::SetWordWrap(KvBool on)
{
    RemakeKeepingCaret([this, on] { KVMEMO::SetWordWrap(on); });
}

// The new window gets the same text, so what the tracker knew of it holds.
void KVEDITORMEMO::RemakeKeepingCaret(const std::function<void()> &remake)
{
    const CaretTracker::Knowledge kept = Tracker.Save();
    remake();
    if (!GetHandle())
        return;
    Tracker.Restore(kept);
    Tracker.SelectAgain();
}

TextPosition KVEDITORMEMO::CaretPosition() { return Tracker.Position(GetWordWrap() != KvFalse); }

void KVEDITORMEMO::CreateWnd(HWND parent) { CreateEditWindow(parent, MemoStyle() | ES_NOHIDESEL); }

void KVEDITORMEMO::SelectAndShow(int32_t start, int32_t end)
{
    SetSelection(start, end);
    Send(EM_SCROLLCARET);
}

void KVEDITORMEMO::ReplaceSelection(const KVSTRING &text)
{
    Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.Data()));
}

void KVEDITORMEMO::ReplaceRange(int32_t start, int32_t end, const KVSTRING &text)
{
    const Selection user = CurrentSelection();
    const int32_t shift = text.Len() - (end - start);
    // An offset after the edit moves with it; one inside goes to its end.
    const auto moved = [&](int32_t offset) {
        if (offset >= end)
            return offset + shift;
        return offset > start ? start + text.Len() : offset;
    };
    const LRESULT firstLine = Send(EM_GETFIRSTVISIBLELINE);
    SetSelection(start, end);
    // The control would join an edit next to the one before into one undo
    // step (two neighbouring blocks deleted); each edit is a step of its own.
    Send(EM_EMPTYUNDOBUFFER);
    ReplaceSelection(text);
    SetSelection(moved(user.start), moved(user.end));
    Send(EM_LINESCROLL, 0, static_cast<LPARAM>(firstLine - Send(EM_GETFIRSTVISIBLELINE)));
}

bool KVEDITORMEMO::ReplaceAllText(const KVSTRING &text)
{
    Send(EM_SETSEL, 0, -1);
    ReplaceSelection(text);
    if (Lazy::GetWindowTextLengthA(Handle) == text.Len())
        return true;
    Undo();
    return false;
}
