#include "text_batch.h"

#include <algorithm>
#include <cstdint>

void TextBatch::Send()
{
    const int32_t count = static_cast<int32_t>(length);
    length = 0;
    if (count > 0 && stream.Write(text.data(), count) != count)
        failed = true;
}

void TextBatch::Enlarge(size_t needed) { text.resize(std::max<size_t>(2 * (length + needed), 4096)); }
