// Components without a window of their own (KVINVISIBLECONTROL) and the
// periodic timer built on them (KVTIMER). They sit in a form's children and
// fire their events to it like any control.
#pragma once

#include <cstdint>

#include "kvcontrol.h"

class KVINVISIBLECONTROL : public KVCONTROL {
  public:
    // Joins the new parent's children; no window is created or moved.
    void SetParent(KVCONTROL *parent) override;
    void CreateWnd(HWND parent) override;
    // Having no window to take the focus, passes it on to the next sibling.
    void SetFocus() override;
    void SetLeft(int32_t left) override;
    void SetTop(int32_t top) override;
    void SetWidth(int32_t width) override;
    void SetHeight(int32_t height) override;
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    void SetCaption(const KVSTRING &caption) override;
    void SetVisible(KvBool visible) override;
    void SetEnabled(KvBool enabled) override;
    void SetTextColor(uint32_t color) override;
    void SetColor(uint32_t color) override;
    int32_t GetLeft() override;
    int32_t GetTop() override;
    int32_t GetWidth() override;
    int32_t GetHeight() override;
    KVSTRING GetCaption() override;
    KvBool GetVisible() override;
    KvBool GetEnabled() override;
    COLORREF GetTextColor() override;
    COLORREF GetColor() override;
};

// Fires eClick every Interval milliseconds while enabled. The system timer
// runs on the parent's window, which hands WM_TIMER to TimerDispatch; while
// it runs, Handle holds the identifier SetTimer answered.
class KVTIMER : public KVINVISIBLECONTROL {
  public:
    // Stopped, with a 1000 ms interval and the next timer identifier; joins
    // the end of TimerList.
    KVTIMER();
    // Stops and leaves TimerList, so that no tick reaches the object.
    ~KVTIMER() override;

    // A running timer moves its system timer to the new parent's window.
    void SetParent(KVCONTROL *parent) override;
    // Without a parent nothing changes, not even the stored flag. Otherwise
    // true (re)starts the system timer with the current interval, false
    // stops it.
    void SetEnabled(KvBool enabled) override;
    KvBool GetEnabled() override;

    // Fires eClick with this timer as sender.
    virtual void Tick();
    // Takes effect at once on a running timer.
    virtual void SetInterval(uint32_t milliseconds);
    virtual uint32_t GetInterval();
    virtual void Restart();

    uint32_t GetTimerID() const { return TimerID; }
    // The next timer of TimerList, for walks of all timers.
    KVTIMER *NextInTimerList() const { return NextTimer; }

  protected:
    uint32_t TimerID;
    KvBool Enabled = KvFalse;
    uint32_t Interval = 1000;
    KVTIMER *NextTimer = nullptr;

  private:
    void Stop();

    // The window the system timer runs on while Handle is set.
    HWND TimerWindow = nullptr;
};

// The identifier the next KVTIMER takes; 1 at program start.
extern uint32_t NextTimerID;
// Head of the list of all existing timers, in order of construction.
extern KVTIMER *TimerList;

// Ticks the running timer with this identifier; an identifier that no
// running timer has is ignored. Installed as TimerTickHandler by the first
// KVTIMER constructed.
bool TimerDispatch(uint32_t identifier);
