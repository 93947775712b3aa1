#include "event_table.h"

#include "text_line_reader.h"
#include "text_view.h"

namespace {

void UpperCaseInto(std::string &target, std::string_view text)
{
    target.assign(text);
    for (char &c : target)
        c = UpperCase(c);
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
    slots.push_back(EventSlot{std::string(name), std::string(recordClass)});
    UpperCaseInto(lookupKey, name);
    index.emplace(lookupKey, slots.size() - 1);
}

const EventSlot *EventTable::FindEvent(std::string_view event) const
{
    if (event.empty())
        return nullptr;
    UpperCaseInto(lookupKey, event);
    const auto found = index.find(lookupKey);
    return found == index.end() ? nullptr : &slots[found->second];
}
