// KVEDITORMEMO, the editor's memo: a KVMEMO that keeps the tabs typed into
// it (Ctrl+Tab moves on), knows where its caret stands in the file's lines
// and tells its owner whenever the caret may have moved (keys, mouse, text
// and selection changes), since an edit control reports no caret moves of
// its own.
#pragma once

#include <cstdint>
#include <functional>

#include "caret_tracker.h"
#include "kvedit.h"

class KVEDITORMEMO : public KVMEMO {
  public:
    using KVEDIT::Selection;

    KVEDITORMEMO();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The selection stays shown while a dialog has the keyboard, so that
    // the user sees what Find and Replace selected.
    void CreateWnd(HWND parent) override;
    // The window made anew keeps the caret at the end of the selection
    // where it was.
    void SetScrollBars(KvBool on) override;
    void SetWordWrap(KvBool on) override;

    // The caret's line and column in the file's lines.
    TextPosition CaretPosition();
    // The selection's 0-based offsets, start first.
    Selection Selected() { return CurrentSelection(); }
    // Selects from `start` to `end` (0-based, the end excluded) and scrolls
    // the caret into view.
    void SelectAndShow(int32_t start, int32_t end);
    // Replaces the selection with text that Undo can take back.
    void ReplaceSelection(const KVSTRING &text);
    // Replaces the characters from `start` to `end` (0-based, the end
    // excluded) in one step that Undo takes back, keeping the user's
    // selection on the same characters (moved by the edit before it) and
    // the view where it is.
    void ReplaceRange(int32_t start, int32_t end, const KVSTRING &text);
    // Replaces the whole text in one step that Undo takes back; false, with
    // the old text back, when the control could not take all of the new.
    bool ReplaceAllText(const KVSTRING &text);

    // Called after each message that can move the caret has been processed.
    std::function<void()> CaretMoved;

  private:
    void RemakeKeepingCaret(const std::function<void()> &remake);

    CaretTracker Tracker{*this};
};
