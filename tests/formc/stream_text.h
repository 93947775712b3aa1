// Memory streams holding, or holding back, test text.
#pragma once

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
