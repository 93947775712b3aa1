#include "event_table.h"

#include <algorithm>
#include <utility>

#include "text_line_reader.h"
#include "text_view.h"

namespace {

// FNV-1a over the upper-cased characters.
uint32_t HashIgnoringCase(std::string_view name)
{
    uint32_t hash = 2166136261u;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(UpperCase(c))) * 16777619u;
    return hash;
}

} // namespace

EventTableLoad EventTable::Load(KVSTREAM &source)
{
    TextLineReader reader(source);
    std::string nameList;
    std::string_view line;
    while (reader.Next(line)) {
        line = TrimBlanks(line);
        if (line.empty())
            continue;
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return EventTableLoad::BadFormat;
        const std::string_view recordClass = TrimBlanks(line.substr(colon + 1));
        // Every comma ends a name, and one more is put after the list: "a,,b"
        // is three names, the middle one empty; "a," two; ": X" one empty.
        nameList.assign(line.substr(0, colon));
        nameList += ',';
        std::string_view names = TrimBlanks(nameList);
        while (!names.empty()) {
            const size_t comma = names.find(',');
            Add(TrimBlanks(names.substr(0, comma)), recordClass);
            names = TrimBlanks(names.substr(comma + 1));
        }
    }
    return EventTableLoad::Loaded;
}

void EventTable::Add(std::string_view name, std::string_view recordClass)
{
    // A name already in the table keeps its first slot.
    const bool known = FindEvent(name) != nullptr;
    slots.push_back(EventSlot{std::string(name), std::string(recordClass)});
    if (known || name.empty())
        return;
    if (2 * (slots.size() + 1) > index.size()) {
        std::vector<IndexEntry> old(std::max<size_t>(16, 2 * index.size()));
        old.swap(index);
        for (IndexEntry &entry : old) {
            if (entry.slot != NoSlot)
                Index(std::move(entry));
        }
    }
    std::string upperName(name);
    for (char &c : upperName)
        c = UpperCase(c);
    Index(IndexEntry{slots.size() - 1, HashIgnoringCase(name), std::move(upperName)});
}

void EventTable::Index(IndexEntry &&entry)
{
    const size_t mask = index.size() - 1;
    size_t place = entry.hash & mask;
    while (index[place].slot != NoSlot)
        place = (place + 1) & mask;
    index[place] = std::move(entry);
}

const EventSlot *EventTable::FindEvent(std::string_view event) const
{
    if (event.empty() || index.empty())
        return nullptr;
    const uint32_t hash = HashIgnoringCase(event);
    const size_t mask = index.size() - 1;
    for (size_t place = hash & mask; index[place].slot != NoSlot; place = (place + 1) & mask) {
        const IndexEntry &entry = index[place];
        if (entry.hash == hash && EqualsUpperCased(event, entry.upperName))
            return &slots[entry.slot];
    }
    return nullptr;
}
