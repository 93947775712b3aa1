// Helpers of the GUI tests: real windows, real messages, pumped through the
// library's own message loop with a time limit.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "kvform.h"
#include "message_loop.h"
#include "real_input.h"

// Shows runtime strings as text in failure messages.
void PrintTo(const KVSTRING &text, std::ostream *out);

// Pumps messages until `done` answers true or `timeoutMs` passes; answers
// `done`. A thread timer keeps the loop awake.
bool PumpUntil(const std::function<bool()> &done, DWORD timeoutMs = 3000);

// Runs `action` once, from the message loop, after `delayMs`.
void AfterDelay(DWORD delayMs, std::function<void()> action);

// Presses `button` (IDOK, IDYES, ...) of the next message box or dialog that
// this thread shows, from a timer that its modal loop runs.
void AnswerDialog(int button);

// Whether the process runs under code page 932, whose characters take one
// or two bytes; a failure besides when the run was started for it
// (KELVO_CODE_PAGE_932 set) and it is not.
bool UnderCodePage932();

// The characters an edit control shows selected, counted by the control
// itself: independent of the library's offsets.
std::wstring ShownSelection(HWND edit);

// Sets or clears the Ctrl key in the thread's keyboard state, which posted
// key messages do not carry.
class HeldControlKey {
  public:
    HeldControlKey();
    ~HeldControlKey();
};

struct RecordedEvent {
    int32_t code;
    void *sender;
    uint32_t keyCode;
};

// A form that records its events and the commands its window receives.
class RecorderForm : public KVFORM {
  public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void EventHandler(void *sender, KvEvent &event) override;

    // Posts markers behind everything queued so far (and behind the
    // characters that translating it adds) and pumps until they arrive.
    void Flush();
    // The recorded events with one of `codes`, in order.
    std::vector<RecordedEvent> EventsOf(std::initializer_list<int32_t> codes) const;
    void SetModalResult(int32_t result) { ModalResult = result; }
    KvBool IsPressed() const { return Pressed; }

    std::vector<RecordedEvent> events;
    std::vector<WPARAM> commands;

  private:
    int markers = 0;
};

// A standard edit control, subclassed by the library, that records the
// messages that reach it.
class TestEdit : public KVCONTROL {
  public:
    explicit TestEdit(DWORD editStyle = ES_AUTOHSCROLL) : editStyle(editStyle) {}
    void CreateWnd(HWND parent) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void SetTabStop(KvBool on) { TabStop = on; }
    void SetWantTabs(KvBool on) { WantTabs = on; }
    WNDPROC GetOldWindowProc() const { return OldWindowProc; }

    std::vector<UINT> messages;

  private:
    DWORD editStyle;
};

// Shows the form and makes it the active, foreground window.
void Activate(KVFORM &form);

// Keys held down together (Ctrl, Tab), released in the reverse order, as
// real input; returns once this thread has taken the messages of all the
// keys.
void PressKeys(const std::vector<WORD> &keys);

// The full name of a program built beside the running test.
std::string ProgramBeside(const char *fileName);
