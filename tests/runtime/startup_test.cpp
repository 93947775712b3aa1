#include <gtest/gtest.h>

#include <vector>

#include "loaded_modules.h"
#include "startup.h"

namespace {

TEST(Arguments, NoArgumentsGiveTheProgramPathAndThenEmpty)
{
    char program[] = "C:\\tools\\kvf.exe";
    char *argv[] = {program, nullptr};
    CaptureArguments(1, argv);
    EXPECT_EQ(ArgCount(), 0);
    EXPECT_EQ(Arg(0), "C:\\tools\\kvf.exe");
    EXPECT_EQ(Arg(1), "");
    EXPECT_EQ(Arg(255), "");
}

TEST(Arguments, ArgumentsInCommandLineOrder)
{
    char program[] = "prog", a[] = "alpha", b[] = "beta", c[] = "gamma delta";
    char *argv[] = {program, a, b, c, nullptr};
    CaptureArguments(4, argv);
    EXPECT_EQ(ArgCount(), 3);
    EXPECT_EQ(Arg(1), "alpha");
    EXPECT_EQ(Arg(2), "beta");
    EXPECT_EQ(Arg(static_cast<uint8_t>(static_cast<int32_t>(2.9))), "beta");
    EXPECT_EQ(Arg(3), "gamma delta");
    EXPECT_EQ(Arg(4), "");
    EXPECT_EQ(Arg(200), "");

    // Capturing again replaces every element.
    char *fewer[] = {program, c, nullptr};
    CaptureArguments(2, fewer);
    EXPECT_EQ(ArgCount(), 1);
    EXPECT_EQ(Arg(1), "gamma delta");
    EXPECT_EQ(Arg(2), "");
}

std::vector<ModuleHandle> released;

void RecordRelease(ModuleHandle module) { released.push_back(module); }

TEST(LoadedModules, ReleasedLastPushedFirst)
{
    int a = 0, b = 0, c = 0;
    released.clear();
    PushLoadedModule(reinterpret_cast<ModuleHandle>(&a));
    PushLoadedModule(reinterpret_cast<ModuleHandle>(&b));
    PushLoadedModule(reinterpret_cast<ModuleHandle>(&c));
    EXPECT_EQ(LoadedModuleCount(), 3);
    ReleaseLoadedModules(RecordRelease);
    EXPECT_EQ(LoadedModuleCount(), 0);
    const std::vector<ModuleHandle> expected = {reinterpret_cast<ModuleHandle>(&c),
                                                reinterpret_cast<ModuleHandle>(&b),
                                                reinterpret_cast<ModuleHandle>(&a)};
    EXPECT_EQ(released, expected);

    released.clear();
    ReleaseLoadedModules(RecordRelease);
    EXPECT_TRUE(released.empty());
}

#ifdef _WIN32
TEST(LoadedModules, RealLibrariesAreFreedOncePerLoad)
{
    ASSERT_EQ(GetModuleHandleA("comdlg32.dll"), nullptr);
    PushLoadedModule(LoadLibraryA("comdlg32.dll"));
    PushLoadedModule(LoadLibraryA("comdlg32.dll"));
    ASSERT_NE(GetModuleHandleA("comdlg32.dll"), nullptr);
    ReleaseLoadedModules();
    EXPECT_EQ(LoadedModuleCount(), 0);
    EXPECT_EQ(GetModuleHandleA("comdlg32.dll"), nullptr);
}
#endif

}  // namespace
