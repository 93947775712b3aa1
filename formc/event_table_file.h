// Loading the event table from its file, with the form compiler's messages
// for a table that is missing or malformed.
#pragma once

#include "event_table.h"
#include "kvstring.h"

// Adds the events of the file at `path`; answers null, or the message that
// says why the table cannot be used.
const char *LoadEventTableFile(const KVSTRING &path, EventTable &events);
