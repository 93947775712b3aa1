// Where the caret of the editor's memo stands in the file's lines.
//
// An edit control answers the selection only as its lower and upper ends;
// the caret is the end the user moved, which the tracker tells from the
// end that stayed (the anchor) over the messages that change the
// selection. The caret's line counts line feeds, also when the memo wraps
// lines into several rows: the tracker keeps one line start whose number
// it knows and counts from there with the control's row functions, which
// copy no text, as long as no change of the text reached before that
// start. Only a jump of more than a hundred rows, a line of more rows than
// that, or such a change copies the text up to the caret.
#pragma once

#include <cstdint>
#include <vector>

#include "kvedit.h"
#include "text_lines.h"

// Whether the message can move the caret or the selection: keys, the
// mouse, text and selection changes.
bool MayMoveCaret(UINT message, WPARAM wParam);

class CaretTracker {
  public:
    explicit CaretTracker(KVMEMO &memo) : memo(memo) {}

    // Around each message the memo handles: before it, what a change of
    // the text it makes leaves of the known line start; after it, the
    // selection's ends when the message may have moved them.
    void BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The control reported a change of its text (EN_CHANGE).
    void TextChanged();

    // The caret's 1-based line and column; `wrapping` says whether the
    // memo's rows may be parts of lines.
    TextPosition Position(bool wrapping);

    // The selection with the caret at the end where it was, once the
    // control lost the direction (a window made anew).
    void SelectAgain();

    // What the tracker knows, kept while the memo's window is made anew
    // with the same text.
    struct Knowledge {
        int32_t low = 0;
        int32_t high = 0;
        int32_t anchor = 0;
        int32_t caret = 0;
        // A line start and its 1-based number, when known.
        bool lineKnown = true;
        int32_t lineStart = 0;
        int32_t line = 1;
    };
    Knowledge Save() const { return known; }
    void Restore(const Knowledge &saved);

  private:
    // What a change of the text by the message being handled does to the
    // known line start.
    enum class Change { Keeps, Loses, Restarts };
    Change ChangeBy(UINT message, WPARAM wParam);
    // Makes the start of the line before the known one the known start;
    // false when that line is too long to walk.
    bool StepBackOneLine();
    // Takes the control's selection as it is after the message.
    void TakeSelection(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int32_t RowOf(int32_t offset) const;
    int32_t RowStart(int32_t row) const;
    // Whether the row begins a line, that is whether the text before it
    // ends with a line break rather than a wrap; `start` is the row's
    // offset.
    bool BeginsLine(int32_t row, int32_t &start) const;
    // The number of the line that starts at the row, counted from the known
    // line start; 0 when that is too far off to count row by row.
    int32_t LineNumberOf(int32_t startRow, int32_t start) const;
    // Counted in the text itself, copied up to the offset.
    TextPosition CountedInText(int32_t offset) const;

    KVMEMO &memo;
    Knowledge known;
    // One entry per message being handled, innermost last.
    std::vector<Change> changes;
    // Counts changes of the text; with the caret it keys the last answer.
    uint64_t textVersion = 0;
    struct Answer {
        bool valid = false;
        uint64_t textVersion = 0;
        int32_t caret = 0;
        TextPosition position{1, 1};
    } last;
};
