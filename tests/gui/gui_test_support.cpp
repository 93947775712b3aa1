#include "gui_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>

#include "app_instance.h"

namespace {

constexpr UINT MarkerMessage = WM_APP + 17;

// Test programs start at main, not WinMain: record the instance the way the
// windowed entry does.
class InstanceEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { AppInstanceHandle = GetModuleHandleA(nullptr); }
};

const auto *const Environment = ::testing::AddGlobalTestEnvironment(new InstanceEnvironment);

std::map<UINT_PTR, std::function<void()>> &DelayedActions()
{
    static std::map<UINT_PTR, std::function<void()>> actions;
    return actions;
}

void CALLBACK RunDelayedAction(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    auto found = DelayedActions().find(timer);
    if (found == DelayedActions().end())
        return;
    std::function<void()> action = std::move(found->second);
    DelayedActions().erase(found);
    action();
}

void SetControlKey(bool down)
{
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = down ? 0x80 : 0;
    state[VK_LCONTROL] = down ? 0x80 : 0;
    SetKeyboardState(state);
}

} // namespace

void PrintTo(const KVSTRING &text, std::ostream *out) { *out << '"' << text.Data() << '"'; }

bool PumpUntil(const std::function<bool()> &done, DWORD timeoutMs)
{
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, nullptr);
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < timeoutMs)
        PumpMessage();
    KillTimer(nullptr, timer);
    return done();
}

void AfterDelay(DWORD delayMs, std::function<void()> action)
{
    const UINT_PTR timer = SetTimer(nullptr, 0, delayMs, RunDelayedAction);
    DelayedActions()[timer] = std::move(action);
}

namespace {

int AnswerButton = 0;

BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND *>(found) = window;
    return FALSE;
}

void CALLBACK AnswerWhenShown(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    KillTimer(nullptr, timer);
    PostMessageA(dialog, WM_COMMAND, AnswerButton, 0);
}

} // namespace

void AnswerDialog(int button)
{
    AnswerButton = button;
    SetTimer(nullptr, 0, 20, AnswerWhenShown);
}

HeldControlKey::HeldControlKey() { SetControlKey(true); }

HeldControlKey::~HeldControlKey() { SetControlKey(false); }

LRESULT RecorderForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = KVFORM::WindowProc(message, wParam, lParam);
    if (message == WM_COMMAND && lParam == 0)
        commands.push_back(wParam);
    if (message == MarkerMessage)
        ++markers;
    return result;
}

void RecorderForm::EventHandler(void *sender, KvEvent &event)
{
    uint32_t keyCode = 0;
    if (event.Event >= eKeyPress && event.Event <= eKeyUp)
        keyCode = static_cast<KvKeyEvent &>(event).KeyCode;
    events.push_back({event.Event, sender, keyCode});
}

void RecorderForm::Flush()
{
    for (int round = 0; round < 2; ++round) {
        const int expected = markers + 1;
        PostMessageA(GetHandle(), MarkerMessage, 0, 0);
        ASSERT_TRUE(PumpUntil([&] { return markers >= expected; }));
    }
}

std::vector<RecordedEvent> RecorderForm::EventsOf(std::initializer_list<int32_t> codes) const
{
    std::vector<RecordedEvent> chosen;
    for (const RecordedEvent &event : events) {
        for (int32_t code : codes) {
            if (event.code == code)
                chosen.push_back(event);
        }
    }
    return chosen;
}

void TestEdit::CreateWnd(HWND parent)
{
    CreateHandle(parent, "edit", 120, 20, WS_CHILD | WS_VISIBLE | WS_TABSTOP | editStyle, WS_EX_CLIENTEDGE);
}

LRESULT TestEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    messages.push_back(message);
    return KVCONTROL::WindowProc(message, wParam, lParam);
}

void Activate(KVFORM &form)
{
    form.Show();
    SetForegroundWindow(form.GetHandle());
    SetActiveWindow(form.GetHandle());
    PumpUntil([&] { return GetActiveWindow() == form.GetHandle(); }, 1000);
}

std::string ProgramBeside(const char *fileName)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + fileName;
}

namespace {

int KeysReleased = 0;

LRESULT CALLBACK CountReleasedKeys(int code, WPARAM key, LPARAM flags)
{
    // Bit 31: the key goes up.
    if (code == HC_ACTION && (flags & 0x80000000) != 0)
        ++KeysReleased;
    return CallNextHookEx(nullptr, code, key, flags);
}

} // namespace

void PressKeys(const std::vector<WORD> &keys)
{
    KeysReleased = 0;
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD, CountReleasedKeys, nullptr, GetCurrentThreadId());
    for (WORD key : keys)
        SendKey(key, 0);
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
        SendKey(*key, KEYEVENTF_KEYUP);
    PumpUntil([&] { return KeysReleased == static_cast<int>(keys.size()); });
    UnhookWindowsHookEx(hook);
}

bool UnderCodePage932()
{
    const bool underIt = GetACP() == 932;
    if (!underIt && std::getenv("KELVO_CODE_PAGE_932"))
        ADD_FAILURE() << "started for code page 932, runs under " << GetACP();
    return underIt;
}

std::wstring ShownSelection(HWND edit)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return text.substr(std::min<size_t>(start, text.size()), end - start);
}
