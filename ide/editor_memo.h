// KVEDITORMEMO, the editor's memo: a KVMEMO that keeps the tabs typed into
// it (Ctrl+Tab moves on), knows where its caret stands in the file's lines
// and tells its owner whenever the caret may have moved (keys, mouse, text
// and selection changes), since an edit control reports no caret moves of
// its own.
#pragma once

#include <functional>

#include "caret_tracker.h"
#include "kvedit.h"

class KVEDITORMEMO : public KVMEMO {
  public:
    KVEDITORMEMO();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The window made anew keeps the caret at the end of the selection
    // where it was.
    void SetScrollBars(KvBool on) override;
    void SetWordWrap(KvBool on) override;

    // The caret's line and column in the file's lines.
    TextPosition CaretPosition();

    // Called after each message that can move the caret has been processed.
    std::function<void()> CaretMoved;

  private:
    void RemakeKeepingCaret(const std::function<void()> &remake);

    CaretTracker Tracker{*this};
};
