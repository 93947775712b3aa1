// Text on its way to one stream, gathered so that the stream receives a few
// large writes instead of one per line; the writes go through a write queue.
#pragma once

#include <cstring>
#include <string_view>
#include <vector>

#include "kvstream.h"
#include "write_queue.h"

class TextBatch {
  public:
    TextBatch(KVSTREAM &stream, WriteQueue &queue) : stream(stream), queue(queue) {}

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

    // Queues all gathered text for the stream.
    void Send();

  private:
    static constexpr size_t SendSize = 256 * 1024;

    void Enlarge(size_t needed);

    KVSTREAM &stream;
    WriteQueue &queue;
    std::vector<char> text; // grows to about SendSize; buffers are reused
    size_t length = 0;
};
