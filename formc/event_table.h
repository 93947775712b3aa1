// The event table: which event names a form may attach handlers to, and the
// record class each handler receives. Loaded once from "kvf.evt", whose
// lines read "name, name, ... : RecordClass".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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
    // One place of the index: a slot, its name upper-cased and that name's
    // hash.
    struct IndexEntry {
        size_t slot = NoSlot;
        uint32_t hash = 0;
        std::string upperName;
    };
    static constexpr size_t NoSlot = SIZE_MAX;

    void Add(std::string_view name, std::string_view recordClass);
    // Puts `entry` into the index, which has room for it.
    void Index(IndexEntry &&entry);

    std::vector<EventSlot> slots;
    // The first slot of every name, found by its hash without regard to case
    // (open addressing, at most half full); looked up without copying the
    // name.
    std::vector<IndexEntry> index;
};
