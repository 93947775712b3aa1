#include "text_line_reader.h"

#include <algorithm>
#include <cstring>

#include "text_line.h"

namespace {

constexpr size_t ChunkSize = 1 << 20;

} // namespace

// A small stream gets a buffer of its own size.
TextLineReader::TextLineReader(KVSTREAM &source)
    : source(source),
      buffer(std::min(ChunkSize, static_cast<size_t>(std::max(source.Size() - source.Position(), 0))) +
             LinePieceLimit)
{
}

void TextLineReader::Fill()
{
    std::memmove(buffer.data(), buffer.data() + begin, end - begin);
    passed += begin;
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
    if (!exhausted && end - begin < static_cast<size_t>(LinePieceLimit))
        Fill();
    if (begin == end)
        return false;
    const size_t start = begin;
    lineBegin = start;
    char *piece = buffer.data() + start;
    const size_t window = std::min(end - start, static_cast<size_t>(LinePieceLimit));
    const void *lineFeed = std::memchr(piece, '\n', window);
    const size_t length =
        lineFeed == nullptr ? window : static_cast<size_t>(static_cast<const char *>(lineFeed) - piece) + 1;
    begin = start + length;
    line = std::string_view(piece, static_cast<size_t>(TrimLineEnd(piece, static_cast<int32_t>(length))));
    return true;
}
