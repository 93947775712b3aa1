#include <io.h>

#include "file_search.h"

namespace {

intptr_t SearchHandle = 0; // 0: no search yet; -1: the last search failed

KVFILEINFO Match(int status, const _finddata_t &found)
{
    if (status != 0)
        return KVFILEINFO();
    return KVFILEINFO{KVSTRING(found.name), static_cast<int32_t>(found.size),
                      static_cast<int32_t>(found.attrib)};
}

} // namespace

KVFILEINFO FileSearchFirst(const KVSTRING &pattern)
{
    if (SearchHandle != 0 && SearchHandle != -1)
        _findclose(SearchHandle);
    _finddata_t found;
    SearchHandle = _findfirst(pattern.Data(), &found);
    return Match(SearchHandle == -1 ? -1 : 0, found);
}

KVFILEINFO FileSearchNext()
{
    if (SearchHandle == 0 || SearchHandle == -1)
        return KVFILEINFO();
    _finddata_t found;
    const int status = _findnext(SearchHandle, &found);
    if (status != 0) {
        // The search is over: let the directory go now.
        _findclose(SearchHandle);
        SearchHandle = -1;
    }
    return Match(status, found);
}
