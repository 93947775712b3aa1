// KVCONTROL, the base of every windowed control and of KVFORM. One object
// wraps one window: it caches the window's position and size, owns a font
// and a canvas, sits in the tree of parents and children and in the
// registry through which the window procedure finds it, and turns messages
// into calls of its handler hooks and into events.
#pragma once

#include <cstdint>

#include "control_font.h"
#include "events.h"
#include "kvbool.h"
#include "kvcanvas.h"
#include "kvstring.h"
#include "system_headers.h"

class KVCONTROL {
  public:
    KVCONTROL();
    KVCONTROL(const KVCONTROL &) = delete;
    KVCONTROL &operator=(const KVCONTROL &) = delete;

    virtual void SetHandle(HWND handle);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void SetMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's own processing of the current message, at most once per
    // message: the replaced window procedure of a subclassed control, else
    // the system's default.
    virtual LRESULT DefaultHandler();
    // Hands the event to the EventHandler of the nearest enclosing form, with
    // this control as sender; without a form the event is dropped.
    virtual void Fire(KvEvent &event);
    virtual void Register();
    virtual void Unregister();
    // Appends the child to the children (SetParent decides on the focus).
    virtual void AddChild(KVCONTROL *child);
    virtual void RemoveChild(KVCONTROL *child);
    virtual KvBool HasStyle(LONG_PTR mask);
    virtual void SetStyle(LONG_PTR mask, KvBool on);
    // Creates, registers and subclasses the window of a standard control.
    virtual void CreateHandle(HWND parent, const KVSTRING &className, int32_t width, int32_t height,
                              DWORD style, DWORD exStyle);
    // Creates this control's window; each control class overrides it.
    virtual void CreateWnd(HWND parent);
    // Gives the focus to the next sibling that takes part in Tab
    // navigation, wrapping around within a form once at most; when no other
    // control takes it, the focus stays or goes to the form itself.
    virtual void FocusNext();
    virtual void SetFocus();
    virtual LRESULT OnClick();
    virtual LRESULT OnMouseMove(uint32_t x, uint32_t y, uint32_t shift);
    virtual LRESULT OnMouseDown(uint32_t x, uint32_t y, uint32_t shift, uint32_t button);
    virtual LRESULT OnMouseUp(uint32_t x, uint32_t y, uint32_t shift, uint32_t button);
    // Tab moves the focus on unless the control keeps tabs or takes no part
    // in Tab navigation.
    virtual LRESULT OnKeyPress(const KVSTRING &key, uint32_t keyCode);
    // Ctrl+Tab moves the focus on from any control in Tab navigation, one
    // that keeps its tabs included.
    virtual LRESULT OnKeyDown(const KVSTRING &key, uint32_t keyCode);
    virtual LRESULT OnKeyUp(const KVSTRING &key, uint32_t keyCode);
    virtual LRESULT OnClose();
    virtual LRESULT OnDestroy();
    virtual LRESULT OnPaint();
    virtual LRESULT OnSetFocus();
    virtual LRESULT OnKillFocus();
    virtual void OnCreate();
    // The Parent property: moves this control into the new parent's
    // children, creating the window on first assignment. The focus and the
    // active window stay, unless the control joins the active form while
    // nothing in it has the focus: then the control takes it when it can.
    virtual void SetParent(KVCONTROL *parent);
    virtual void Reparent(KVCONTROL *parent);
    virtual void SetLeft(int32_t left);
    virtual void SetTop(int32_t top);
    virtual void SetWidth(int32_t width);
    virtual void SetHeight(int32_t height);
    virtual void SetCaption(const KVSTRING &caption);
    virtual void SetVisible(KvBool visible);
    virtual void SetEnabled(KvBool enabled);
    virtual void SetTextColor(uint32_t color);
    virtual void SetColor(uint32_t color);
    virtual KVCONTROL *GetParent();
    virtual HWND GetHandle();
    virtual int32_t GetLeft();
    virtual int32_t GetTop();
    virtual int32_t GetWidth();
    virtual int32_t GetHeight();
    virtual int32_t GetClientWidth();
    virtual int32_t GetClientHeight();
    virtual KVSTRING GetCaption();
    virtual KvBool GetVisible();
    virtual KvBool GetEnabled();
    virtual ControlFont *GetFont();
    virtual KVCANVAS *GetCanvas();
    virtual int32_t GetChildCount();
    virtual COLORREF GetTextColor();
    virtual COLORREF GetColor();
    virtual KvBool GetFocused();
    // Receives the events of the controls inside a form and of its menus;
    // forms override it. The sender is the control or menu item that raised
    // the event, to be compared with the form's members.
    virtual void EventHandler(void *sender, KvEvent &event);
    // Whether this control is of the named class or derives from it; the
    // name is compared in upper case.
    virtual KvBool IsA(const KVSTRING &className);
    // 1-based; an index below 1 gives the first child, past the end null.
    virtual KVCONTROL *GetChild(int32_t index);
    virtual void Update();
    // A control whose window still exists leaves the registry and gives a
    // subclassed window its own procedure back; the window stays.
    virtual ~KVCONTROL();
    // Left, top, width and height in one move of the window: the four
    // setters in turn would move it four times.
    virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);

    // The next control of the registry, for walks of all registered controls.
    KVCONTROL *NextInRegistry() const { return NextControl; }
    // Whether the control is this one or lies inside it.
    bool Contains(KVCONTROL *control);
    // Whether the control takes the focus when Tab navigation reaches it.
    virtual bool TakesTabFocus();

    // The message a control is processing, with its parameters; 0 once
    // default processing has run. The window procedure keeps it across
    // messages that a handler causes to be sent to the same control.
    struct MessageState {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    MessageState SaveMessage() const { return {CurrentMessage, CurrentWParam, CurrentLParam}; }
    void RestoreMessage(const MessageState &state);

  protected:
    // What the constructors with parent, caption and geometry do: assigns
    // the parent (which creates the window), then the caption and the
    // geometry. A derived class calls it at the end of its own constructor,
    // once its CreateWnd is the one that virtual calls reach.
    void Place(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
               int32_t height);
    RECT ClientRect();
    // Puts a subclassed window's own procedure back in place.
    void RestoreWindowProc();
    // Whether a control inside this one (not this one itself) has the focus.
    bool HasFocusedControl();
    // The first child that takes the focus when Tab navigation reaches it.
    KVCONTROL *FirstTabStop();
    // The nearest form around this control, or null.
    KVCONTROL *EnclosingForm();

    HWND Handle = nullptr;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    ControlFont Font;
    KVCANVAS Canvas;
    KvBool Focused = KvFalse;
    KVCONTROL *Parent = nullptr;
    KVCONTROL *FirstChild = nullptr;
    KVCONTROL *NextControl = nullptr;
    KVCONTROL *NextSibling = nullptr;
    // 0 once default processing has run for the current message.
    UINT CurrentMessage = 0;
    WPARAM CurrentWParam = 0;
    LPARAM CurrentLParam = 0;
    WNDPROC OldWindowProc = nullptr;
    KvBool IsContainer = KvFalse;
    KvBool WantTabs = KvFalse;
    KvBool TabStop = KvTrue;

  private:
    friend class ControlRef;
    // Tells this control from a later one made at the same address.
    const uint64_t Serial = TakeControlSerial();
    // Whether the parent lists this control among its children. A control
    // left without a window keeps its parent but is not listed, so the
    // parent, when deleted, cannot clear that pointer: it is not followed.
    bool InParentList = false;
    static uint64_t TakeControlSerial();
    // A control that joined the active form takes the focus when nothing in
    // that form has it.
    void TakeFocusIfFormHasNone();
};

// Head of the list of registered controls: the only way from a window to
// its object.
extern KVCONTROL *ControlRegistry;

// The registered control of a window, or null.
KVCONTROL *FindControl(HWND window);

// Whether a control is registered at this address, found by the address
// alone, so that a deleted control is never dereferenced. A handler may
// destroy its control or delete it; the dispatch asks (through ControlRef)
// after every handler and hook and touches the control no more once it has
// left the registry.
bool IsRegistered(const KVCONTROL *control);

// A control held by its address and by what it was made as: once a control
// is deleted, a new one may be made at its address, and a check by address
// alone would take the newcomer for it. Whoever keeps a control across a
// handler (the dispatch of a message, a form's default button, a menu's
// form) holds it this way.
class ControlRef {
  public:
    // Implicit, so that a control pointer can be stored as it is.
    ControlRef(KVCONTROL *control = nullptr);
    // The control while it is registered and is the one referred to; else
    // null.
    KVCONTROL *Get() const;

  private:
    KVCONTROL *Control;
    uint64_t Serial;
};

// Fires an event of `code` from the control unless it has left the registry:
// a hook that ran before may have deleted or destroyed it.
void FireIfRegistered(const ControlRef &control, int32_t code);

// The window procedure of the library's window class and of every
// subclassed standard control.
LRESULT CALLBACK LibraryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
