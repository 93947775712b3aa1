// Translates the form file `name` into `name` + ".kv".
#pragma once

#include <optional>

#include "event_table.h"
#include "form_messages.h"
#include "kvstring.h"

// Prints the name, indented, once both files are open. The output file is
// created (or emptied) first and stays, as far as it was written, after an
// error.
std::optional<FormError> CompileForm(const KVSTRING &name, const EventTable &events);
