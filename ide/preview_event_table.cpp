#include "preview_event_table.h"

#include <windows.h>

#include "event_table_file.h"
#include "program_location.h"

namespace {

bool FileExists(const KVSTRING &path)
{
    const DWORD attributes = GetFileAttributesA(path.Data());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The folder of kvf.exe on the search path, with its separator; empty when
// there is none.
KVSTRING KvfDirectory()
{
    char path[MAX_PATH];
    char *name = nullptr;
    const DWORD length = SearchPathA(nullptr, "kvf.exe", nullptr, MAX_PATH, path, &name);
    if (length == 0 || length >= MAX_PATH || name == nullptr)
        return KVSTRING();
    return KVSTRING(path, static_cast<int32_t>(name - path));
}

} // namespace

const char *LoadPreviewEventTable(EventTable &events)
{
    KVSTRING path = ProgramDirectory() + "kvf.evt";
    if (!FileExists(path)) {
        const KVSTRING kvf = KvfDirectory();
        if (kvf.Len() > 0 && FileExists(kvf + "kvf.evt"))
            path = kvf + "kvf.evt";
    }
    return LoadEventTableFile(path, events);
}
