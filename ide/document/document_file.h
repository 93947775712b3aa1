// Reading and writing the editor's documents as raw bytes: what is on disk
// is exactly what the memo shows, with no conversion of line ends or
// character set.
#pragma once

#include <windows.h>

#include <functional>

#include "file_failure.h"
#include "kvstring.h"

// Reads the whole file into `text`. Answers why, and leaves `text` as it
// was, when the file cannot be opened or read in full, or when the memo
// could not give its bytes back as they are, so that a later save would
// change lines the user never touched: a NUL byte (the edit control cuts
// its text there), or bytes that the system's code page cannot carry.
FileFailure ReadDocument(const KVSTRING &fileName, KVSTRING &text);

// Whether the bytes come back unchanged from the code page's characters,
// as the edit control, which holds its text in UTF-16, hands them back: in
// a double-byte code page (932, 936, ...) a byte that starts a character
// the next byte does not finish would be replaced and take that byte with
// it.
bool CodePageKeepsBytes(const KVSTRING &text, UINT codePage);

struct SaveResult {
    bool saved = false;
    // After a failed save whose previous contents could not be put back
    // into the file: the file beside it that holds them.
    KVSTRING previousTextCopy;
    // Why the save failed.
    FileFailure failure;
};

// Writes all `count` bytes at the file's position; false when the system
// took fewer, with the reason as the thread's last error.
using ByteWriter = std::function<bool(HANDLE file, const char *bytes, DWORD count)>;

// Makes the file hold exactly the characters of `text`.
//
// An existing file is written in place, so that it stays the same file: a
// symbolic link's target receives the text, and hard links, permissions
// (a private or an executable file), attributes and security descriptor
// stay. Replacing it with a new file, by a rename or by ReplaceFileA, loses
// those: under Wine ReplaceFileA leaves a plain 0644 file in place of a
// link, and a hard link's other names keep the old text. Writing in place
// must never lose the old text, so it is first copied to a file beside the
// target and flushed (the way of editors that write files in place); if
// writing the target then fails, the old text is written back, and only
// when that fails too the copy is kept and named in the result.
//
// A new file is written to a temporary file beside it, flushed, and moved
// to its name, so that no half-written file ever carries the name.
//
// A read-only file and a folder are refused and left alone. When the copy
// of the old text cannot be written the file is not touched, and the
// failure says so, with the room the copy needs.
SaveResult SaveDocument(const KVSTRING &fileName, const KVSTRING &text);

// The same, with every write done by `write`: tests make it fail as a full
// disk does.
SaveResult SaveDocument(const KVSTRING &fileName, const KVSTRING &text, const ByteWriter &write);
