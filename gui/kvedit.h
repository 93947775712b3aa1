// KVEDIT and KVMEMO, the library's single-line and multi-line text controls:
// subclassed standard "edit" windows with text, selection, clipboard, undo
// and line operations. A change of the text raises eChange, through the
// notification that the form reflects back to the control.
#pragma once

#include <cstdint>

#include "kvcontrol.h"

class KVEDIT : public KVCONTROL {
  public:
    KVEDIT() = default;
    // Assigns the parent (which creates the window), then the caption and
    // the geometry.
    KVEDIT(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
           int32_t height);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateWnd(HWND parent) override;
    KvBool IsA(const KVSTRING &className) override;

    // Hook for a change of the text; the base runs default processing.
    virtual LRESULT OnChange();
    virtual void SetText(const KVSTRING &text);
    // The first character of `character` hides what is typed; an empty
    // string shows the text again.
    virtual void SetPasswordChar(const KVSTRING &character);
    virtual void SetModified(KvBool modified);
    // Selection offsets are 0-based. A selection length counts one more
    // than the characters selected (an empty selection has length 1), so a
    // length set is the length read back. A new start keeps the length.
    virtual void SetSelStart(int32_t start);
    // Lengths below 1 select nothing.
    virtual void SetSelLength(int32_t length);
    // Replaces the selection.
    virtual void SetSelText(const KVSTRING &text);
    virtual void SetMaxLength(int32_t count);
    virtual void SetReadOnly(KvBool readOnly);
    virtual void SetHideSelection(KvBool hide);
    virtual KVSTRING GetText();
    // One character, or empty when the text is shown.
    virtual KVSTRING GetPasswordChar();
    virtual KvBool GetModified();
    virtual int32_t GetSelStart();
    virtual int32_t GetSelLength();
    // The selected characters.
    virtual KVSTRING GetSelText();
    virtual int32_t GetMaxLength();
    virtual KvBool GetReadOnly();
    virtual KvBool GetHideSelection();
    virtual void Undo();
    virtual void Cut();
    virtual void Copy();
    virtual void Paste();
    virtual void Clear();

  protected:
    // Creates the edit window with `style` and paints it with the window
    // background colour.
    void CreateEditWindow(HWND parent, DWORD style);
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    struct Selection {
        int32_t start;
        int32_t end;
    };
    // Both offsets in full, not the 16-bit halves of the packed answer;
    // offsets here are bytes of the text GetText answers, whatever the
    // control counts (see edit_offsets.h).
    Selection CurrentSelection();
    // The caret goes to `end`.
    void SetSelection(int32_t start, int32_t end);

  private:
    void Select(int32_t start, int32_t length);
};

class KVMEMO : public KVEDIT {
  public:
    KVMEMO() = default;
    KVMEMO(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
           int32_t height);

    void CreateWnd(HWND parent) override;
    KvBool IsA(const KVSTRING &className) override;

    // Line numbers and character positions of a memo are 1-based.
    // One tab stop every `width` dialog units.
    virtual void SetTabWidth(int32_t width);
    virtual int32_t GetTabWidth();
    virtual int32_t GetLineCount();
    // The line's text without its line break; empty past the last line.
    virtual KVSTRING GetLine(int32_t line);
    virtual int32_t LineFromChar(int32_t position);
    // The position of the line's first character.
    virtual int32_t LineIndex(int32_t line);
    // Scroll bars (vertical, and horizontal when not wrapping) and word
    // wrap are styles that an edit control reads only when it is created:
    // set before the window exists they come with it; set afterwards the
    // window is made anew, keeping the text, the selection, the modified
    // flag, the font and the geometry. The undo step belonged to the old
    // window and goes with it. By default a memo wraps and has no scroll
    // bars.
    virtual void SetScrollBars(KvBool on);
    virtual void SetWordWrap(KvBool on);
    virtual KvBool GetScrollBars();
    virtual KvBool GetWordWrap();

  protected:
    DWORD MemoStyle() const;
    void RecreateWindow();

    // The edit control's own default until SetTabWidth is called.
    int32_t TabWidth = 32;
    KvBool ScrollBars = KvFalse;
    KvBool WordWrap = KvTrue;
};
