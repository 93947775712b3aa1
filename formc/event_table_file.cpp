#include "event_table_file.h"

#include "form_messages.h"
#include "kvfile.h"

const char *LoadEventTableFile(const KVSTRING &path, EventTable &events)
{
    KVFILE file;
    if (file.Open(path, 0) == 0)
        return FormMessage::EventTableMissing;
    if (events.Load(file) == EventTableLoad::BadFormat)
        return FormMessage::EventTableBadFormat;
    return nullptr;
}
