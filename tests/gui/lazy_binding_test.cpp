// The lazy binder in a fresh process: the tests run in file order and each
// builds on the module stack the previous ones left.
#include <gtest/gtest.h>

#include <vector>

#include "loaded_modules.h"
#include "win32_api.h"

namespace {

std::vector<ModuleHandle> Released;

void RecordAndRelease(ModuleHandle module)
{
    Released.push_back(module);
    FreeLibrary(module);
}

std::vector<ModuleHandle> StackContents()
{
    return std::vector<ModuleHandle>(LoadedModules, LoadedModulesTop);
}

} // namespace

TEST(LazyBinding, AProgramThatBindsNothingReleasesNothing)
{
    EXPECT_EQ(LoadedModuleCount(), 0);
    Released.clear();
    ReleaseLoadedModules(RecordAndRelease);
    EXPECT_TRUE(Released.empty());
}

TEST(LazyBinding, TheFirstCallPushesOneHandleTheSecondNone)
{
    const int before = LoadedModuleCount();
    const DWORD first = Lazy::GetTickCount();
    EXPECT_EQ(LoadedModuleCount(), before + 1);
    EXPECT_EQ(LoadedModulesTop[-1], GetModuleHandleA("kernel32"));
    const DWORD second = Lazy::GetTickCount();
    EXPECT_EQ(LoadedModuleCount(), before + 1);
    EXPECT_GE(second, first);
}

TEST(LazyBinding, TwoWrappersOfOneLibraryPushTwoHandlesReleasedInReverse)
{
    const int before = LoadedModuleCount();
    Lazy::ShowWindow(nullptr, SW_HIDE);
    Lazy::UpdateWindow(nullptr);
    ASSERT_EQ(LoadedModuleCount(), before + 2);
    HMODULE user32 = GetModuleHandleA("user32");
    EXPECT_EQ(LoadedModulesTop[-1], user32);
    EXPECT_EQ(LoadedModulesTop[-2], user32);

    std::vector<ModuleHandle> pushed = StackContents();
    Released.clear();
    ReleaseLoadedModules(RecordAndRelease);
    EXPECT_EQ(Released, std::vector<ModuleHandle>(pushed.rbegin(), pushed.rend()));
    EXPECT_EQ(LoadedModuleCount(), 0);
}

TEST(LazyBinding, ArgumentsAndResultsPassUnchanged)
{
    EXPECT_EQ(Lazy::GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW));
    HWND window = Lazy::CreateWindowExA(0, "static", "pass through", WS_POPUP, 3, 4, 150, 60, nullptr,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindow(window));
    RECT client = {};
    EXPECT_TRUE(Lazy::GetClientRect(window, &client));
    EXPECT_EQ(client.right, 150);
    EXPECT_EQ(client.bottom, 60);
    char text[32] = {};
    EXPECT_EQ(Lazy::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 12);
    EXPECT_STREQ(text, "pass through");
    EXPECT_EQ(Lazy::GetWindowTextLengthA(window), 12);
    EXPECT_EQ(static_cast<DWORD>(Lazy::GetWindowLongA(window, GWL_STYLE)) & WS_POPUP,
              static_cast<DWORD>(WS_POPUP));
    EXPECT_TRUE(Lazy::DestroyWindow(window));
    EXPECT_FALSE(Lazy::IsWindow(window));
}
