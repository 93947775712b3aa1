// KVBUTTON, a push button that raises eClick when it is pressed, and
// KVLABEL, a static text that shows its caption and never keeps the focus.
// Both are subclassed standard windows.
#pragma once

#include <cstdint>

#include "kvcontrol.h"

class KVBUTTON : public KVCONTROL {
  public:
    KVBUTTON() = default;
    // Assigns the parent (which creates the window), then the caption and
    // the geometry.
    KVBUTTON(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
             int32_t height);

    // The click notification, reflected by the form, raises eClick.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateWnd(HWND parent) override;
    KvBool IsA(const KVSTRING &className) override;
    // Also draws the button as its new form's default button, or not.
    void SetParent(KVCONTROL *parent) override;

    // The check state (BST_ values).
    virtual void SetState(int32_t state);
    virtual void SetValue(int32_t value);
    virtual void SetPushLike(KvBool pushLike);
    virtual void SetFlat(KvBool flat);
    virtual int32_t GetState();
    virtual int32_t GetValue();
    virtual KvBool GetPushLike();
    virtual KvBool GetFlat();

    // Draws the button as the default push button exactly while it is its
    // form's default button; the other style bits stay.
    void UpdateDefaultLook();
};

class KVLABEL : public KVCONTROL {
  public:
    KVLABEL() = default;
    KVLABEL(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
            int32_t height);

    // A label takes no part in Tab navigation: once its window exists, the
    // focus it receives goes on to the next control.
    void CreateWnd(HWND parent) override;
    KvBool IsA(const KVSTRING &className) override;
};
