// Why the editor could not read or write a document, and the sentence that
// tells the user.
#pragma once

#include <windows.h>

#include <cstdint>

#include "kvstring.h"

struct FileFailure {
    enum class Cause {
        None,
        // The system refused: `systemError` says why.
        System,
        ReadOnly,
        Folder,
        TooLarge,
        NulBytes,
        CodePage,
        // The copy of the old text, made before a file is written over,
        // could not be written: `systemError` says why, and `neededBytes`
        // is the size of that copy.
        SafetyCopy,
    };
    Cause cause = Cause::None;
    DWORD systemError = ERROR_SUCCESS;
    int64_t neededBytes = 0;

    bool Failed() const { return cause != Cause::None; }
    // The system's error code of the last call that failed.
    static FileFailure FromSystem(DWORD error);
};

// One sentence, for the line below "Cannot open NAME" or "Cannot save NAME".
KVSTRING Explain(const FileFailure &failure);
