// Reading and writing the editor's documents as raw bytes: what is on disk
// is exactly what the memo shows, with no conversion of line ends or
// character set.
#pragma once

#include "kvstring.h"

// Reads the whole file into `text`. Answers false, and leaves `text` as it
// was, when the file cannot be opened or read in full, or when it holds a
// NUL byte: the edit control would cut its text there and a later save would
// lose the rest.
bool ReadDocument(const KVSTRING &fileName, KVSTRING &text);

// Replaces the file with exactly the characters of `text`. The bytes go to a
// temporary file in the target's folder, every write checked and flushed to
// the disk, which is then moved over the target; a failure at any step
// leaves the target as it was and removes the temporary file. Answers
// whether the target now holds the text.
bool SaveDocument(const KVSTRING &fileName, const KVSTRING &text);
