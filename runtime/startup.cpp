#include "startup.h"

#include <cstdlib>
#include <cstring>

KVARRAY<KVSTRING> ArgVector;
int32_t ArgVectorCount = 0;

void CaptureArguments(int argc, char **argv)
{
    ArgVectorCount = argc;
    ArgVector.Resize(argc);
    for (int i = 0; i < argc; ++i)
        ArgVector.Item(i) = KVSTRING(argv[i]);
}

int32_t ArgCount() { return ArgVectorCount - 1; }

KVSTRING Arg(uint8_t index)
{
    if (index > ArgVectorCount)
        return KVSTRING();
    return ArgVector.Item(index);
}

void EndProgram() { std::exit(0); }

void EndProgram(uint8_t status) { std::exit(status); }
