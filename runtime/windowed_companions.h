// Operations a windowed program offers beside AppInstance; each calls its
// system functions through the lazily bound wrappers.
#pragma once

#include <cstdint>

#include "kvstring.h"

// Milliseconds since the system started.
int32_t TickCount();
// Waits for one message of the thread and translates and dispatches it
// (no accelerator tables).
void ProcessOneMessage();
// A message box without owner window; answers the identifier of the button
// that was pressed.
int32_t ShowMessage(const KVSTRING &text, const KVSTRING &caption, uint32_t flags);
