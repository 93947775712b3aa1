#include "text_line_reader.h"

#include <algorithm>
#include <cstring>

#include "text_line.h"

namespace {

constexpr size_t ChunkSize = 1 << 20;

}  // namespace

// A small stream gets a buffer of its own size.
TextLineReader::TextLineReader(KVSTREAM &source)
    : source(source),
      buffer(std::min(ChunkSize, static_cast<size_t>(std::max(source.Size() - source.Position(), 0))) +
             LinePieceLimit)
{
}

void TextLineReader::Fill()
{
    if (exhausted || end - begin >= static_cast<size_t>(LinePieceLimit))
        return;
    std::memmove(buffer.data(), buffer.data() + begin, end - begin);
    end -= begin;
    begin = 0;
    while (end < buffer.size()) {
        const int32_t count = source.Read(buffer.data() + end, static_cast<int32_t>(buffer.size() - end));
        if (count <= 0) {
            exhausted = true;
            break;
        }
        end += static_cast<size_t>(count);
    }
}

bool TextLineReader::Next(std::string_view &line)
{
    Fill();
    if (begin == end)
        return false;
    char *piece = buffer.data() + begin;
    const size_t window = std::min(end - begin, static_cast<size_t>(LinePieceLimit));
    const void *lineFeed = std::memchr(piece, '\n', window);
    const size_t length = lineFeed == nullptr ? window : static_cast<size_t>(static_cast<const char *>(lineFeed) - piece) + 1;
    begin += length;
    // C text: a NUL ends what the line holds.
    const void *nul = std::memchr(piece, '\0', length);
    const size_t text = nul == nullptr ? length : static_cast<size_t>(static_cast<const char *>(nul) - piece);
    line = std::string_view(piece, static_cast<size_t>(TrimLineEnd(piece, static_cast<int32_t>(text))));
    return true;
}
