// The windowed program's entry: record the instance, run the program,
// release the loaded libraries.
#include "app_instance.h"
#include "lazy_binder.h"
#include "loaded_modules.h"
#include "startup.h"

namespace {

// The user of a windowed program sees no standard error: a failed binding is
// shown in a message box too. user32 is bound here directly, for this one
// call, since the failed binding may be one of its wrappers; when user32
// itself cannot be loaded there is nothing to show the box with.
void ShowBindingFailure(const char *text)
{
    HMODULE user32 = LoadLibraryA("user32");
    if (!user32)
        return;
    using MessageBoxFunction = int(WINAPI *)(HWND, LPCSTR, LPCSTR, UINT);
    auto messageBox = reinterpret_cast<MessageBoxFunction>(
        reinterpret_cast<void *>(GetProcAddress(user32, "MessageBoxA")));
    if (messageBox)
        messageBox(nullptr, text, "Program error", MB_OK | MB_ICONERROR);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    AppInstanceHandle = instance;
    BindingFailureNotice = ShowBindingFailure;
    KvMain();
    ReleaseLoadedModules();
    return 0;
}
