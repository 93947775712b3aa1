#include "loaded_modules.h"

void ReleaseModule(ModuleHandle module) { FreeLibrary(module); }
