#include "text_search.h"

int32_t FindNextOccurrence(const KVSTRING &text, const KVSTRING &pattern, int32_t from)
{
    if (Length(pattern) == 0)
        return 1;
    const int32_t found = Find(text, pattern, from);
    return found > 0 ? found : Find(text, pattern, 1);
}
