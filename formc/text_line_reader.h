// Reads a stream line by line, exactly as KVFILE.ReadLine delivers the
// lines (pieces of at most LinePieceLimit characters, line ends removed, NULs
// kept), but from a large buffer: no allocation per line.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "kvstream.h"

class TextLineReader {
  public:
    explicit TextLineReader(KVSTREAM &source);

    // The next line; false at the end of the stream. The view stays valid
    // until the next call.
    bool Next(std::string_view &line);
    // Where the line that Next gave last begins in the stream, counted from
    // where the reading started.
    size_t LineStart() const { return passed + lineBegin; }

  private:
    // Reads on, so that at least one whole piece is available unless the
    // stream ends first.
    void Fill();

    KVSTREAM &source;
    std::vector<char> buffer;
    size_t begin = 0;
    size_t end = 0;
    // Bytes moved out of the buffer before `begin`, and the start of the
    // last line in the buffer.
    size_t passed = 0;
    size_t lineBegin = 0;
    bool exhausted = false;
};
