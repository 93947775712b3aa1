// The one pass over the lines of a form file that every reader of forms
// shares: lines of at most 1022 characters, trimmed, classified, checked
// against the nesting rules and the event table, and counted. What a line
// means is handed to a FormVisitor: the translator writes class source from
// it, the editor's preview builds windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "event_table.h"
#include "form_messages.h"
#include "form_nesting.h"
#include "kvstream.h"

class FormVisitor {
  public:
    virtual ~FormVisitor() = default;

    // Told where each line begins (its number, and its offset from where
    // the reading started) before the calls about that line.
    virtual void NextLine(int32_t /*number*/, size_t /*start*/) {}
    virtual void PassThrough(std::string_view line) = 0;
    virtual void FormOpened(std::string_view name) = 0;
    // `declaration` is the whole trimmed line; the nesting holds the control
    // at its top, its parent below.
    virtual void ControlOpened(std::string_view declaration, std::string_view name, std::string_view type,
                               const FormNesting &nesting) = 0;
    // An accepted END; the nesting tells whether it closed the form.
    virtual void Closed(const FormNesting &nesting) = 0;
    virtual void Property(std::string_view owner, std::string_view line, int32_t lineNumber) = 0;
    virtual void EventHandler(std::string_view event, std::string_view handler, const EventSlot &slot) = 0;
    // Asked after every line: an error that ends the reading, as when
    // written output is lost.
    virtual std::optional<FormError> Failure() { return std::nullopt; }
};

// Reads `input` to its end, or to its first error, which it returns: the
// form compiler's messages with their line numbers.
std::optional<FormError> ReadForm(KVSTREAM &input, const EventTable &events, FormVisitor &visitor);
