// The windowed program's entry: record the instance, run the program,
// release the loaded libraries.
#include "app_instance.h"
#include "loaded_modules.h"
#include "startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    AppInstanceHandle = instance;
    KvMain();
    ReleaseLoadedModules();
    return 0;
}
