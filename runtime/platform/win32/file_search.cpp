#include <io.h>

#include "file_name_pattern.h"
#include "file_search.h"

namespace {

intptr_t SearchHandle = 0; // 0: no search yet; -1: the last search failed
// A pattern ending in a dot takes only names without an extension, as
// Windows itself matches; Wine's search gives every name for it.
bool OnlyWithoutExtension = false;

bool Wanted(const _finddata_t &found) { return !OnlyWithoutExtension || !HasExtension(found.name); }

KVFILEINFO Describe(const _finddata_t &found)
{
    return KVFILEINFO{KVSTRING(found.name), static_cast<int32_t>(found.size),
                      static_cast<int32_t>(found.attrib)};
}

KVFILEINFO NextWanted()
{
    _finddata_t found;
    while (_findnext(SearchHandle, &found) == 0) {
        if (Wanted(found))
            return Describe(found);
    }
    // The search is over: let the directory go now.
    _findclose(SearchHandle);
    SearchHandle = -1;
    return KVFILEINFO();
}

} // namespace

KVFILEINFO FileSearchFirst(const KVSTRING &pattern)
{
    if (SearchHandle != 0 && SearchHandle != -1)
        _findclose(SearchHandle);
    OnlyWithoutExtension = AsksForNoExtension(pattern.Data());
    _finddata_t found;
    SearchHandle = _findfirst(pattern.Data(), &found);
    if (SearchHandle == -1)
        return KVFILEINFO();
    return Wanted(found) ? Describe(found) : NextWanted();
}

KVFILEINFO FileSearchNext()
{
    if (SearchHandle == 0 || SearchHandle == -1)
        return KVFILEINFO();
    return NextWanted();
}
