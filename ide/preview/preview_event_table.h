// The event table a form preview checks event lines against: "kvf.evt"
// beside the editor, else the one beside the kvf that Translate form runs,
// which is the table that kvf itself uses.
#pragma once

#include "event_table.h"

// Answers null, or the form compiler's message for a missing or malformed
// table.
const char *LoadPreviewEventTable(EventTable &events);
