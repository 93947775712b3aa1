#include "caret_tracker.h"

#include <cstdlib>
#include <string>

#include "edit_offsets.h"

namespace {

// Rows looked at one by one before the text is copied and counted instead:
// each look asks the control questions whose cost grows with the rows
// before the one asked about.
constexpr int32_t RowsWalked = 100;

// Ctrl+Backspace: deletes the word before the caret.
constexpr WPARAM WordBackspace = 0x7F;

bool KeyHeld(int key) { return (Lazy::GetKeyState(key) & 0x8000) != 0; }

// Keys that delete the character before an empty selection: Backspace,
// and Shift+Delete, which cuts a selection but has nothing to cut.
bool DeletesBackward(UINT message, WPARAM wParam)
{
    if (wParam == VK_BACK)
        return true;
    return message == WM_KEYDOWN && wParam == VK_DELETE && KeyHeld(VK_SHIFT) && !KeyHeld(VK_CONTROL);
}

} // namespace

bool MayMoveCaret(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_CHAR:
    // An input method's characters and finished compositions are typed
    // at the selection as WM_CHAR is.
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    // The control extends a drag's selection on a timer while the mouse
    // is outside it.
    case WM_TIMER:
    case WM_SETTEXT:
    case WM_UNDO:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case EM_UNDO:
    case EM_SETSEL:
    case EM_REPLACESEL:
        return true;
    case WM_MOUSEMOVE:
        // A drag with the button down extends the selection.
        return (wParam & MK_LBUTTON) != 0;
    default:
        return false;
    }
}

void CaretTracker::BeforeMessage(UINT message, WPARAM wParam, LPARAM)
{
    changes.push_back(ChangeBy(message, wParam));
}

void CaretTracker::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!changes.empty())
        changes.pop_back();
    // A multi-line edit control reports no change for its whole text set.
    if (message == WM_SETTEXT) {
        changes.push_back(Change::Restarts);
        TextChanged();
        changes.pop_back();
    }
    if (MayMoveCaret(message, wParam))
        TakeSelection(message, wParam, lParam);
}

void CaretTracker::TextChanged()
{
    ++textVersion;
    switch (changes.empty() ? Change::Loses : changes.back()) {
    case Change::Keeps:
        break;
    case Change::Loses:
        known.lineKnown = false;
        break;
    case Change::Restarts:
        known.lineKnown = true;
        known.lineStart = 0;
        known.line = 1;
        break;
    }
}

// The user's edits happen at the selection (Backspace and Shift+Delete just
// before it); an undo or any other change may happen anywhere.
CaretTracker::Change CaretTracker::ChangeBy(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_SETTEXT:
        return Change::Restarts;
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case WM_CUT:
    case WM_CLEAR:
    case WM_PASTE:
    case EM_REPLACESEL: {
        if (!known.lineKnown)
            return Change::Loses;
        DWORD low = 0;
        DWORD high = 0;
        Send(EM_GETSEL, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        const auto start = static_cast<int32_t>(low);
        if (low == high && (message == WM_CHAR || message == WM_KEYDOWN)) {
            if (wParam == WordBackspace && message == WM_CHAR)
                return Change::Loses;
            // At a line's start it joins the line to the one before.
            if (DeletesBackward(message, wParam))
                return start > known.lineStart || StepBackOneLine() ? Change::Keeps : Change::Loses;
        }
        return start >= known.lineStart ? Change::Keeps : Change::Loses;
    }
    default:
        return Change::Loses;
    }
}

// A selection the program sets puts the caret at its second offset; a
// double click selects a word with the caret at its end; otherwise the end
// that stayed where it was is the anchor and the other one the caret.
void CaretTracker::TakeSelection(UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD lowEnd = 0;
    DWORD highEnd = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&lowEnd), reinterpret_cast<LPARAM>(&highEnd));
    const auto low = static_cast<int32_t>(lowEnd);
    const auto high = static_cast<int32_t>(highEnd);
    known.low = low;
    known.high = high;
    bool caretLow = false;
    if (low == high) {
        caretLow = true;
    } else if (message == EM_SETSEL) {
        const auto first = static_cast<int32_t>(wParam);
        const auto second = static_cast<int32_t>(lParam);
        caretLow = second >= 0 && first > second;
    } else if (message != WM_LBUTTONDBLCLK && (low == known.anchor || high == known.anchor)) {
        caretLow = high == known.anchor;
    }
    known.caret = caretLow ? low : high;
    known.anchor = caretLow ? high : low;
}

TextPosition CaretTracker::Position(bool wrapping)
{
    DWORD low = 0;
    DWORD high = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    if (static_cast<int32_t>(low) != known.low || static_cast<int32_t>(high) != known.high)
        TakeSelection(0, 0, 0);
    const int32_t caret = known.caret;
    if (last.valid && last.textVersion == textVersion && last.caret == caret)
        return last.position;

    TextPosition position{1, 1};
    const int32_t row = RowOf(caret);
    int32_t startRow = row;
    int32_t start = 0;
    bool lineFound = true;
    if (wrapping) {
        while (!BeginsLine(startRow, start)) {
            if (row - startRow == RowsWalked) {
                lineFound = false;
                break;
            }
            --startRow;
        }
    } else {
        start = RowStart(row);
    }
    if (lineFound) {
        int32_t line = wrapping ? LineNumberOf(startRow, start) : startRow + 1;
        if (line == 0)
            line = CountedInText(start).line;
        position = {line, caret - start + 1};
        known.lineKnown = true;
        known.lineStart = start;
        known.line = line;
    } else {
        // A line of more rows than are walked.
        position = CountedInText(caret);
    }
    last = {true, textVersion, caret, position};
    return position;
}

void CaretTracker::SelectAgain()
{
    Send(EM_SETSEL, static_cast<WPARAM>(known.anchor), static_cast<LPARAM>(known.caret));
    Send(EM_SCROLLCARET);
}

void CaretTracker::Restore(const Knowledge &saved)
{
    known = saved;
    last.valid = false;
}

LRESULT CaretTracker::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return Lazy::SendMessageA(memo.GetHandle(), message, wParam, lParam);
}

int32_t CaretTracker::RowOf(int32_t offset) const
{
    return static_cast<int32_t>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(offset)));
}

int32_t CaretTracker::RowStart(int32_t row) const
{
    return static_cast<int32_t>(Send(EM_LINEINDEX, static_cast<WPARAM>(row)));
}

// A wrapped row goes on where the one before it stops; the characters of a
// line break lie between a row and the next line.
bool CaretTracker::BeginsLine(int32_t row, int32_t &start) const
{
    start = RowStart(row);
    if (row <= 0)
        return true;
    const int32_t previous = RowStart(row - 1);
    const auto length = static_cast<int32_t>(Send(EM_LINELENGTH, static_cast<WPARAM>(previous)));
    return start > previous + length;
}

bool CaretTracker::StepBackOneLine()
{
    if (known.line <= 1)
        return false;
    const int32_t lineRow = RowOf(known.lineStart);
    int32_t row = lineRow - 1;
    int32_t start = 0;
    while (!BeginsLine(row, start)) {
        if (lineRow - row == RowsWalked)
            return false;
        --row;
    }
    known.lineStart = start;
    --known.line;
    return true;
}

int32_t CaretTracker::LineNumberOf(int32_t startRow, int32_t start) const
{
    if (!known.lineKnown)
        return 0;
    if (start == known.lineStart)
        return known.line;
    const int32_t knownRow = RowOf(known.lineStart);
    if (std::abs(startRow - knownRow) > RowsWalked)
        return 0;
    int32_t line = known.line;
    int32_t rowStart = 0;
    for (int32_t row = knownRow + 1; row <= startRow; ++row)
        line += BeginsLine(row, rowStart) ? 1 : 0;
    for (int32_t row = startRow + 1; row <= knownRow; ++row)
        line -= BeginsLine(row, rowStart) ? 1 : 0;
    return line;
}

TextPosition CaretTracker::CountedInText(int32_t offset) const
{
    const EditOffsets offsets(memo.GetHandle());
    std::string before(static_cast<size_t>(offsets.ToBytes(offset)) + 1, '\0');
    const auto got = static_cast<int32_t>(Send(WM_GETTEXT, before.size(), reinterpret_cast<LPARAM>(before.data())));
    TextPosition position = PositionAt(before.data(), got);
    // The column as the caret's offset counts it.
    position.column = offset - offsets.ToControl(got - (position.column - 1)) + 1;
    return position;
}
