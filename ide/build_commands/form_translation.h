// Build > Translate form: the form compiler kvf run on the current file
// as a child process with its output captured (no command processor, no
// console window), and what its output says.
#pragma once

#include <cstdint>
#include <string>

#include "kvstring.h"

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

// Runs the form compiler on the file, named as one argument whatever it
// holds, and collects what it prints.
CapturedRun RunFormCompiler(const KVSTRING &compiler, const KVSTRING &fileName);
