#include "kvtimer.h"

#include "dispatch_hooks.h"

uint32_t NextTimerID = 1;
KVTIMER *TimerList = nullptr;

void KVINVISIBLECONTROL::SetParent(KVCONTROL *parent)
{
    if (Parent)
        Parent->RemoveChild(this);
    Parent = parent;
    if (parent)
        parent->AddChild(this);
}

void KVINVISIBLECONTROL::CreateWnd(HWND) {}

void KVINVISIBLECONTROL::SetFocus()
{
    if (!Parent)
        return;
    for (int32_t index = 1; KVCONTROL *child = Parent->GetChild(index); ++index) {
        if (child == this) {
            if (KVCONTROL *next = Parent->GetChild(index + 1))
                next->SetFocus();
            return;
        }
    }
}

void KVINVISIBLECONTROL::SetLeft(int32_t) {}

void KVINVISIBLECONTROL::SetTop(int32_t) {}

void KVINVISIBLECONTROL::SetWidth(int32_t) {}

void KVINVISIBLECONTROL::SetHeight(int32_t) {}

void KVINVISIBLECONTROL::SetBounds(int32_t, int32_t, int32_t, int32_t) {}

void KVINVISIBLECONTROL::SetCaption(const KVSTRING &) {}

void KVINVISIBLECONTROL::SetVisible(KvBool) {}

void KVINVISIBLECONTROL::SetEnabled(KvBool) {}

void KVINVISIBLECONTROL::SetTextColor(uint32_t) {}

void KVINVISIBLECONTROL::SetColor(uint32_t) {}

int32_t KVINVISIBLECONTROL::GetLeft() { return 0; }

int32_t KVINVISIBLECONTROL::GetTop() { return 0; }

int32_t KVINVISIBLECONTROL::GetWidth() { return 0; }

int32_t KVINVISIBLECONTROL::GetHeight() { return 0; }

KVSTRING KVINVISIBLECONTROL::GetCaption() { return KVSTRING(); }

KvBool KVINVISIBLECONTROL::GetVisible() { return KvFalse; }

KvBool KVINVISIBLECONTROL::GetEnabled() { return KvFalse; }

COLORREF KVINVISIBLECONTROL::GetTextColor() { return 0; }

COLORREF KVINVISIBLECONTROL::GetColor() { return 0; }

KVTIMER::KVTIMER() : TimerID(NextTimerID++)
{
    TimerTickHandler = TimerDispatch;
    KVTIMER **tail = &TimerList;
    while (*tail)
        tail = &(*tail)->NextTimer;
    *tail = this;
}

KVTIMER::~KVTIMER()
{
    Stop();
    for (KVTIMER **link = &TimerList; *link; link = &(*link)->NextTimer) {
        if (*link == this) {
            *link = NextTimer;
            break;
        }
    }
}

void KVTIMER::Stop()
{
    if (!Handle)
        return;
    Lazy::KillTimer(TimerWindow, reinterpret_cast<UINT_PTR>(Handle));
    SetHandle(nullptr);
    TimerWindow = nullptr;
}

void KVTIMER::SetParent(KVCONTROL *parent)
{
    Stop();
    KVINVISIBLECONTROL::SetParent(parent);
    Restart();
}

void KVTIMER::SetEnabled(KvBool enabled)
{
    KVCONTROL *parent = GetParent();
    if (!parent)
        return;
    Stop();
    // A timer on no window would tick nowhere: it stays stopped until the
    // parent has a window.
    HWND window = parent->GetHandle();
    if (enabled && window) {
        TimerWindow = window;
        SetHandle(reinterpret_cast<HWND>(Lazy::SetTimer(window, TimerID, GetInterval(), nullptr)));
    }
    Enabled = ToKvBool(enabled);
}

KvBool KVTIMER::GetEnabled() { return Enabled; }

void KVTIMER::Tick()
{
    KvEvent event(eClick);
    Fire(event);
}

void KVTIMER::SetInterval(uint32_t milliseconds)
{
    Interval = milliseconds;
    Restart();
}

uint32_t KVTIMER::GetInterval() { return Interval; }

void KVTIMER::Restart() { SetEnabled(GetEnabled()); }

bool TimerDispatch(uint32_t identifier)
{
    for (KVTIMER *timer = TimerList; timer; timer = timer->NextInTimerList()) {
        if (timer->GetTimerID() == identifier) {
            // A WM_TIMER queued before the timer stopped is not a tick.
            if (timer->GetHandle())
                timer->Tick();
            return true;
        }
    }
    return false;
}
