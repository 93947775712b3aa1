// Program start-up, arguments and shutdown. A program links one entry
// (console_entry or windowed_entry) and defines KvMain, its main procedure.
#pragma once

#include <cstdint>

#include "kvarray.h"
#include "kvstring.h"

// The program's own main procedure; every program defines it.
void KvMain();

// Console programs: the command line as the C runtime passed it to main.
extern KVARRAY<KVSTRING> ArgVector;
extern int32_t ArgVectorCount;

// Copies the argument vector into ArgVector (what main does before KvMain).
void CaptureArguments(int argc, char **argv);
// The number of arguments after the program's name.
int32_t ArgCount();
// Element `index` of the arguments: 0 is the program's path, ArgCount() + 1
// and above are empty.
KVSTRING Arg(uint8_t index);

// The end statement: ends the process at once, without the module release.
[[noreturn]] void EndProgram();
[[noreturn]] void EndProgram(uint8_t status);
