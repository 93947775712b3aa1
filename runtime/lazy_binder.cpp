#include "lazy_binder.h"

#include <cstdio>
#include <cstdlib>

#include "loaded_modules.h"

namespace {

[[noreturn]] void FailBinding(const char *library, const char *name)
{
    char text[512];
    std::snprintf(text, sizeof text, "cannot load %s from %s", name, library);
    std::fprintf(stderr, "%s\n", text);
    if (BindingFailureNotice)
        BindingFailureNotice(text);
    std::exit(1);
}

} // namespace

void (*BindingFailureNotice)(const char *text) = nullptr;

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
