// Binds a function that cannot be bound: a missing library ("library") or a
// missing function of a present one ("function"). Reaching the end is a
// fault, reported with status 0.
#include <cstdio>
#include <cstring>

#include "lazy_binder.h"

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "library") == 0)
        BindFunction("kv_no_such_library", "GetTickCount");
    else
        BindFunction("kernel32", "KvNoSuchFunction");
    std::puts("bound");
    return 0;
}
