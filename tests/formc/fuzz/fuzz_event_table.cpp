// Loads any bytes as an event table; every name it stores must be found
// again, in its first slot.
#include <cstdint>
#include <cstdlib>

#include "event_table.h"
#include "kvmemorystream.h"
#include "text_view.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    KVMEMORYSTREAM source(0, 4096);
    source.Write(data, static_cast<int32_t>(size));
    source.Seek(0);
    EventTable table;
    if (table.Load(source) == EventTableLoad::BadFormat)
        return 0;
    for (const EventSlot &slot : table.Slots()) {
        if (slot.Name.find(',') != std::string::npos || TrimBlanks(slot.Name) != slot.Name ||
            TrimBlanks(slot.RecordClass) != slot.RecordClass)
            std::abort();
        const EventSlot *found = table.FindEvent(slot.Name);
        if (slot.Name.empty() ? found != nullptr : found == nullptr || found > &slot)
            std::abort();
    }
    return 0;
}
