// The console program's entry: capture the arguments, run the program,
// release the loaded libraries.
#include "loaded_modules.h"
#include "startup.h"

int main(int argc, char **argv)
{
    CaptureArguments(argc, argv);
    KvMain();
    ReleaseLoadedModules();
    return 0;
}
