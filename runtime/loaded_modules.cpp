#include "loaded_modules.h"

#include <cstdio>
#include <cstdlib>


ModuleHandle LoadedModules[LoadedModulesCapacity];
ModuleHandle *LoadedModulesTop = LoadedModules;

void PushLoadedModule(ModuleHandle module)
{
    // Each wrapper pushes at most once, so a full stack means a broken binder.
    if (LoadedModulesTop == LoadedModules + LoadedModulesCapacity) {
        std::fputs("module stack overflow\n", stderr);
        std::exit(1);
    }
    *LoadedModulesTop++ = module;
}

void ReleaseLoadedModules(void (*release)(ModuleHandle))
{
    while (LoadedModulesTop > LoadedModules) {
        --LoadedModulesTop;
        release(*LoadedModulesTop);
    }
}

int LoadedModuleCount() { return static_cast<int>(LoadedModulesTop - LoadedModules); }
