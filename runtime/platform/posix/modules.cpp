#include <dlfcn.h>

#include "loaded_modules.h"

void ReleaseModule(ModuleHandle module)
{
    if (module != nullptr)
        dlclose(module);
}
