// KVEDITORMEMO, the editor's memo: a KVMEMO that tells its owner whenever
// the caret may have moved (keys, mouse, text and selection changes), since
// an edit control reports no caret moves of its own.
#pragma once

#include <functional>

#include "kvedit.h"

class KVEDITORMEMO : public KVMEMO {
  public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Called after each message that can move the caret has been processed.
    std::function<void()> CaretMoved;
};
