#include "preview_event_table.h"

#include "event_table_file.h"
#include "kvf_location.h"
#include "program_location.h"

// Beside the editor, else beside the kvf that Translate form runs.
const char *LoadPreviewEventTable(EventTable &events)
{
    KVSTRING path = ProgramDirectory() + "kvf.evt";
    if (!IsFile(path)) {
        const KVSTRING kvf = FormCompilerDirectory();
        if (Length(kvf) > 0)
            path = kvf + "kvf.evt";
    }
    return LoadEventTableFile(path, events);
}
