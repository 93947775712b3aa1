// Memory streams holding, or holding back, test text.
#pragma once

#include <algorithm>
#include <string>

#include "kvmemorystream.h"

// A memory stream holding `text`, positioned at its start.
class TextStream : public KVMEMORYSTREAM {
  public:
    explicit TextStream(const std::string &text = std::string()) : KVMEMORYSTREAM(0, 64)
    {
        Write(text.data(), static_cast<int32_t>(text.size()));
        Seek(0);
    }

    std::string Text()
    {
        const int32_t position = Position();
        Seek(0);
        const KVSTRING all = ReadChars(Size());
        Seek(position);
        return std::string(all.Data(), static_cast<size_t>(all.Len()));
    }
};

// Takes `room` bytes, then nothing, like a full disk.
class ShortStream : public TextStream {
  public:
    explicit ShortStream(int32_t room) : room(room) {}

    int32_t Write(const void *buffer, int32_t count) override
    {
        const int32_t accepted = std::min(count, std::max(room, 0));
        room -= accepted;
        return TextStream::Write(buffer, accepted);
    }

  private:
    int32_t room;
};
