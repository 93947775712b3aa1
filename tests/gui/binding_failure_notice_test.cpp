// A windowed program tells its user of a failed binding in a message box.
#include <gtest/gtest.h>

#include <string>

#include <windows.h>

#include "gui_test_support.h"

namespace {

struct BoxSearch {
    DWORD process;
    HWND box;
};

BOOL CALLBACK FindBoxOfProcess(HWND window, LPARAM parameter)
{
    auto &search = *reinterpret_cast<BoxSearch *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner != search.process || std::string(className) != "#32770")
        return TRUE;
    search.box = window;
    return FALSE;
}

} // namespace

TEST(BindingFailure, AWindowedProgramShowsTheFailureAndEndsWithStatusOne)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const std::string probe = ProgramBeside("windowed_bind_failure_probe.exe");
    ASSERT_TRUE(CreateProcessA(probe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    // The box is found as soon as it exists; its text comes a moment later.
    BoxSearch search = {process.dwProcessId, nullptr};
    char text[256] = {};
    const DWORD start = GetTickCount();
    while (!text[0] && GetTickCount() - start < 20000) {
        EnumWindows(FindBoxOfProcess, reinterpret_cast<LPARAM>(&search));
        if (search.box)
            GetDlgItemTextA(search.box, 65535, text, sizeof text);
        if (!text[0])
            Sleep(20);
    }
    ASSERT_NE(search.box, nullptr);
    EXPECT_STREQ(text, "cannot load KvNoSuchFunction from kernel32");
    PostMessageA(search.box, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    EXPECT_EQ(status, 1u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
