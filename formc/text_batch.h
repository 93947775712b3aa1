// Text on its way to one stream, gathered so that the stream receives a few
// large writes instead of one per line.
#pragma once

#include <cstring>
#include <string_view>
#include <vector>

#include "kvstream.h"

class TextBatch {
  public:
    explicit TextBatch(KVSTREAM &stream) : stream(stream) {}

    TextBatch &operator<<(std::string_view part)
    {
        if (part.size() > text.size() - length)
            Enlarge(part.size());
        std::memcpy(text.data() + length, part.data(), part.size());
        length += part.size();
        return *this;
    }

    // Called after each line: sends the gathered text once there is enough.
    void LineDone()
    {
        if (length >= SendSize)
            Send();
    }

    // Sends all gathered text to the stream.
    void Send();

    // True once the stream has taken less than it was sent.
    bool Failed() const { return failed; }

  private:
    static constexpr size_t SendSize = 256 * 1024;

    void Enlarge(size_t needed);

    KVSTREAM &stream;
    std::vector<char> text; // grows to about SendSize and is reused
    size_t length = 0;
    bool failed = false;
};
