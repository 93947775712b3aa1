#include "lazy_binder.h"

#include <cstdio>
#include <cstdlib>

#include "loaded_modules.h"

namespace {

[[noreturn]] void FailBinding(const char *library, const char *name)
{
    std::fprintf(stderr, "cannot load %s from %s\n", name, library);
    std::exit(1);
}

} // namespace

void *BindFunction(const char *library, const char *name)
{
    HMODULE module = LoadLibraryA(library);
    if (!module)
        FailBinding(library, name);
    PushLoadedModule(module);
    FARPROC function = GetProcAddress(module, name);
    if (!function)
        FailBinding(library, name);
    return reinterpret_cast<void *>(function);
}
