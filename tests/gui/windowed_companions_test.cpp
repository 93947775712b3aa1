// TickCount, ProcessOneMessage and ShowMessage with real messages.
#include <gtest/gtest.h>

#include <vector>

#include "gui_test_support.h"
#include "windowed_companions.h"

namespace {

std::vector<UINT> Seen;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN || message == WM_CHAR || message == WM_APP)
        Seen.push_back(message);
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND RecordingWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecordingProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "kv_recording_window";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "kv_recording_window", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

} // namespace

TEST(WindowedCompanions, TickCountIsTheSystemsMilliseconds)
{
    const DWORD before = GetTickCount();
    const int32_t ticks = TickCount();
    const DWORD after = GetTickCount();
    EXPECT_GE(static_cast<DWORD>(ticks), before);
    EXPECT_LE(static_cast<DWORD>(ticks), after);
}

TEST(WindowedCompanions, ProcessOneMessageTranslatesAndDispatchesOneMessage)
{
    HWND window = RecordingWindow();
    ASSERT_NE(window, nullptr);
    Seen.clear();
    PostMessageA(window, WM_KEYDOWN, 'A', 1);
    PostMessageA(window, WM_APP, 0, 0);
    ProcessOneMessage();
    EXPECT_EQ(Seen, (std::vector<UINT>{WM_KEYDOWN}));
    ProcessOneMessage();
    ProcessOneMessage();
    // The translated character follows the messages queued before it.
    EXPECT_EQ(Seen, (std::vector<UINT>{WM_KEYDOWN, WM_APP, WM_CHAR}));
    DestroyWindow(window);
}

TEST(WindowedCompanions, ShowMessageAnswersThePressedButton)
{
    bool found = false;
    AfterDelay(100, [&] {
        HWND box = FindWindowA("#32770", "Companion caption");
        found = box != nullptr;
        char text[64] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        EXPECT_STREQ(text, "Save changes?");
        PostMessageA(box, WM_COMMAND, IDNO, 0);
    });
    EXPECT_EQ(ShowMessage("Save changes?", "Companion caption", MB_YESNO), IDNO);
    EXPECT_TRUE(found);
}
