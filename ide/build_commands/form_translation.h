// Build > Translate form: the form compiler kvf run on the current file
// as a child process with its output captured (no command processor, no
// console window), and what its output says.
#pragma once

#include <cstdint>
#include <string>

#include "kvstring.h"

// Whether the path names a file (not a folder).
bool IsFile(const KVSTRING &path);

// The folder of kvf.exe, with its separator: the running program's when
// kvf.exe is beside it, else the one of the kvf.exe the search path finds;
// empty when there is none.
KVSTRING FormCompilerDirectory();

// The kvf.exe in that folder; empty when there is none.
KVSTRING FindFormCompiler();

struct CapturedRun {
    // False when the program could not be started.
    bool started;
    uint32_t exitCode;
    // Standard output and standard error, as written.
    std::string output;
};

// Runs `program` with the command line (which names the program first)
// and waits for it, collecting what it prints.
CapturedRun RunCaptured(const KVSTRING &program, const std::string &commandLine);

// What kvf printed when it failed without a form error (its event table
// missing, say), without its banner and on one line; empty when it printed
// nothing else.
std::string KvfFailure(const std::string &output);

struct TranslationError {
    // 0 when the message names no line.
    int32_t line;
    // The error line as kvf printed it, without its line break.
    std::string message;
};

// The "Error in file '...' [at line #N]: ..." line of kvf's output; false
// when there is none.
bool FindTranslationError(const std::string &output, TranslationError &error);
