#include "text_batch.h"

#include <algorithm>
#include <utility>

void TextBatch::Send()
{
    if (length == 0)
        return;
    text = queue.Write(stream, std::move(text), length);
    length = 0;
}

void TextBatch::Enlarge(size_t needed) { text.resize(std::max<size_t>(2 * (length + needed), 4096)); }
