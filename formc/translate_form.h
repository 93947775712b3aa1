// Translates one form description into the source of its class: the whole
// pass over the lines, from the header comment to END CLASS. Errors are
// returned, never printed, so the translation can run any number of times.
#pragma once

#include <optional>

#include "event_table.h"
#include "form_messages.h"
#include "kvstream.h"

// Reads `input` to its end, or to its first error, writing to `output` as it
// goes; what was written before an error stays written.
std::optional<FormError> TranslateForm(KVSTREAM &input, KVSTREAM &output, const EventTable &events);
