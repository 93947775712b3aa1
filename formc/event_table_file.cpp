#include "event_table_file.h"

#include "form_messages.h"
#include "kvfile.h"

const char *LoadEventTableFile(const KVSTRING &path, EventTable &events)
{
    KVFILE file;
    if (file.Open(path, 0) == 0)
        return FormMessage::EventTableMissing;
    // A read error is no end of the table: the events after it are missing.
    if (events.Load(file) == EventTableLoad::BadFormat || file.ReadFailed())
        return FormMessage::EventTableBadFormat;
    return nullptr;
}
