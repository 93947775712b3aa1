// KVFORM, the top-level window of the library and the base of every form.
// A form is a container: it forwards the focus to its first control,
// reflects notifications and colour requests to its controls, and receives
// every event of the controls inside it in its EventHandler.
#pragma once

#include <cstdint>
#include <functional>

#include "kvcontrol.h"

// Values of SetBorderStyle.
constexpr int32_t BorderNone = 0;
constexpr int32_t BorderDialog = 1;
constexpr int32_t BorderSizeable = 2;
constexpr int32_t BorderFixedDialog = 3;

// Values of SetWindowState and GetWindowState.
constexpr int32_t WindowNormal = 0;
constexpr int32_t WindowMaximized = 1;
constexpr int32_t WindowMinimized = 2;

class KVBUTTON;

class KVFORM : public KVCONTROL {
  public:
    // Creates the hidden 400 x 300 window with an empty caption at the
    // system's default position and fires eCreate.
    KVFORM();
    // Leaves the window alone but releases the mouse capture that the form
    // took for a press; a modal loop running for the form ends, and
    // ShowModal answers the ModalResult the form had.
    ~KVFORM() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int32_t GetClientWidth() override;
    int32_t GetClientHeight() override;
    KvBool IsA(const KVSTRING &className) override;

    // Loads the icon from a file; a file that cannot be loaded sets no icon.
    virtual void SetIcon(const KVSTRING &fileName);
    virtual void SetIconHandle(HICON icon);
    virtual void SetBorderStyle(int32_t style);
    virtual void SetMinimizeBox(KvBool on);
    virtual void SetMaximizeBox(KvBool on);
    virtual void SetControlBox(KvBool on);
    virtual void SetClientWidth(int32_t width);
    virtual void SetClientHeight(int32_t height);
    virtual void SetWindowState(int32_t state);
    virtual HICON GetIconHandle();
    virtual int32_t GetBorderStyle();
    virtual KvBool GetMinimizeBox();
    virtual KvBool GetMaximizeBox();
    virtual KvBool GetControlBox();
    virtual int32_t GetWindowState();
    // Destroys the window.
    virtual void Close();
    // Shows the form; when it is then the active window, FocusTarget has the
    // focus (unless one of its controls has it).
    virtual void Show();
    // Shows the form with every other form disabled and pumps messages
    // until the window is destroyed, then enables again the forms it
    // disabled; answers ModalResult. Escape closes the form, as its close
    // box does, when the loop runs inside another form's modal loop (a
    // dialog in front of the window that opened it); the form of the
    // outermost loop, the program's message loop, is never closed by Escape.
    virtual int32_t ShowModal();
    virtual void Hide();
    virtual KVFORM *GetForm();
    virtual int32_t MessageBox(const KVSTRING &text, const KVSTRING &title, uint32_t flags);
    // A message box titled with the form's caption.
    virtual int32_t Message(const KVSTRING &text, uint32_t flags);
    // The session is about to end (log-off, shut-down): answers whether
    // the form lets it end; by default it does.
    virtual LRESULT OnQueryEndSession();
    // The session ends when `ending` is true (the process is ended after
    // this returns); by default the form lets that happen.
    virtual LRESULT OnEndSession(KvBool ending);
    // The button that Enter presses, drawn as the default push button; null
    // for none. The button has its window (a parent) already. Only a button
    // inside the form counts: one of another form, or one moved out of the
    // form, is not the default there (nor drawn as such) until it is back.
    virtual void SetDefaultButton(KVBUTTON *button);
    // Null when there is none, the button is gone or is not inside the form.
    virtual KVBUTTON *GetDefaultButton();
    // The form whose menu shortcuts act while the keyboard is in this one,
    // in place of this form's own (a tool window that lends the keys to the
    // window it serves); null, the default, for this form's own. The other
    // form's shortcuts act only while it is enabled; meanwhile this form's
    // own act, so a modal form that disabled it keeps its keys.
    virtual void SetShortcutForm(KVFORM *form);
    // Null when it is this form's own, or the other form is gone.
    virtual KVFORM *GetShortcutForm();
    // Offered the mouse and key messages of every window inside the form
    // as the message loop takes them, before shortcuts translate them and
    // before any window sees them; it answers true for a message it used,
    // which then goes no further. While a filter is set the form keeps the
    // keyboard itself: the focus it gets goes to none of its controls, and
    // no control added takes it (a form designer's surface). An empty
    // filter ends it.
    using MessageFilter = std::function<bool(MSG &message)>;
    virtual void SetMessageFilter(MessageFilter filter);
    // Whether the form's filter used the message; false without a filter.
    bool FilterMessage(MSG &message);
    bool KeepsKeyboard() const { return static_cast<bool>(Filter); }

    // Enter or Escape that reached `focused` and that its hooks and
    // handlers left: Escape closes a modal dialog (see ShowModal); Enter
    // presses the focused push button, or else the default button unless the
    // focused control takes Enter itself (a multi-line edit that wants
    // Return). Answers whether the form used the key; a form without a
    // default button leaves Enter alone.
    bool UseDialogKey(uint32_t keyCode, KVCONTROL &focused);

    // A control inside the form has gained the focus: the form gives it
    // back whenever the form itself gets the focus (activated again after a
    // message box, a modal form or another window).
    void RememberFocus(KVCONTROL &control);
    // Where the focus that the form gets goes: the control that had it last
    // while it still exists, is inside the form, visible and enabled; else
    // the first control that takes the focus; null for none, and while the
    // form keeps the keyboard (a message filter is set).
    KVCONTROL *FocusTarget();

  protected:
    bool InClientArea(LPARAM position);

    // What ShowModal answers; form code sets it before closing the form.
    int32_t ModalResult = 0;
    int32_t BorderStyle = BorderNone;
    // The left button went down in the client area and has not come up; the
    // form holds the mouse capture meanwhile.
    KvBool Pressed = KvFalse;

  private:
    // A running modal loop; the loop it runs inside is `outer`.
    struct ModalLoopState {
        // Null once the destructor has stored the form's last ModalResult.
        KVFORM *form;
        ModalLoopState *outer;
        // The loop runs inside another form's: Escape closes this one.
        bool closedByEscape = false;
        int32_t result = 0;
    };
    // The innermost of the modal loops of all forms.
    static ModalLoopState *InnermostLoop;

    // The focus goes to FocusTarget, or to the form itself when there is
    // none, unless a control of the form has it.
    void RestoreFocus();

    ControlRef DefaultButton;
    ControlRef ShortcutForm;
    ControlRef LastFocused;
    MessageFilter Filter;
};
