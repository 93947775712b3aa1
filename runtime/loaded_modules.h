// The module stack: every system library that the lazy binder loads is
// pushed here and released, last loaded first, when the main procedure returns.
#pragma once

#ifdef _WIN32
#include <windows.h>
using ModuleHandle = HMODULE;
#else
using ModuleHandle = void *;
#endif

// Releasing one loaded system library, the platform's way.
void ReleaseModule(ModuleHandle module);

constexpr int LoadedModulesCapacity = 32768;

extern ModuleHandle LoadedModules[LoadedModulesCapacity];
extern ModuleHandle *LoadedModulesTop;

void PushLoadedModule(ModuleHandle module);
// Releases every pushed handle in reverse order and empties the stack.
void ReleaseLoadedModules(void (*release)(ModuleHandle) = ReleaseModule);
// How many handles the stack holds.
int LoadedModuleCount();
