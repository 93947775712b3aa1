// A console program that reports what the runtime made of its command line.
// "end" as the first argument ends the program through the end statement,
// with the status given as the second argument, if any.
#include <cstdio>

#include "startup.h"

void KvMain()
{
    std::printf("count=%d\n", static_cast<int>(ArgCount()));
    for (int i = 1; i <= ArgCount() + 1; ++i)
        std::printf("arg%d=[%s]\n", i, Arg(static_cast<uint8_t>(i)).Data());
    if (Arg(1) == "end") {
        if (ArgCount() >= 2)
            EndProgram(static_cast<uint8_t>(static_cast<int32_t>(ToNumber(Arg(2)))));
        EndProgram();
    }
    std::printf("main returned\n");
}
