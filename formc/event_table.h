// The event table: which event names a form may attach handlers to, and the
// record class each handler receives. Loaded once from "kvf.evt", whose
// lines read "name, name, ... : RecordClass".
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "kvstream.h"

struct EventSlot {
    std::string Name;        // as written in the table
    std::string RecordClass; // the text after the first colon
};

enum class EventTableLoad { Loaded, BadFormat };

class EventTable {
  public:
    // Adds the events of `source`; BadFormat at the first non-blank line
    // without a colon.
    EventTableLoad Load(KVSTREAM &source);

    // The first slot whose name equals `event` in any case; null when there
    // is none. An empty name is never an event.
    const EventSlot *FindEvent(std::string_view event) const;

    const std::vector<EventSlot> &Slots() const { return slots; }

  private:
    void Add(std::string_view name, std::string_view recordClass);

    std::vector<EventSlot> slots;
    // Upper-cased name to the index of its first slot.
    std::unordered_map<std::string, size_t> index;
    mutable std::string lookupKey;
};
