// A system handle closed when it goes out of scope: a kernel handle with
// CloseHandle, a registry key with RegCloseKey.
#pragma once

#include <windows.h>

template <typename Handle, auto Close> struct ScopedHandle {
    Handle handle = nullptr;
    ScopedHandle() = default;
    ScopedHandle(const ScopedHandle &) = delete;
    ScopedHandle &operator=(const ScopedHandle &) = delete;
    ~ScopedHandle()
    {
        if (handle)
            Close(handle);
    }
};
