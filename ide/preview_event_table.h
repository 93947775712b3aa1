// The event table a form preview checks event lines against: "kvf.evt"
// beside the editor, else the one beside the kvf found on the search path,
// which is the table that kvf itself would use.
#pragma once

#include "event_table.h"

// Answers null, or the form compiler's message for a missing or malformed
// table.
const char *LoadPreviewEventTable(EventTable &events);
