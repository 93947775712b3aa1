// Consoles of a test's own, so that console tests need no real terminal and
// leave the one they run in alone. Each platform's console test file
// implements these.
#pragma once

#include <memory>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

// While it lives, standard output shows a fresh console of Columns x Rows
// cells with the whole buffer in view: a console screen buffer of its own on
// Windows, a pseudo-terminal elsewhere.
class ScratchConsole {
  public:
    static constexpr int Columns = 80;
    static constexpr int Rows = 25;

    ScratchConsole();
    ~ScratchConsole();
    ScratchConsole(const ScratchConsole &) = delete;
    ScratchConsole &operator=(const ScratchConsole &) = delete;

#ifdef _WIN32
    HANDLE Buffer() const;
#else
    // Every byte written to the terminal since the last call.
    std::string TakeOutput();
#endif

  private:
    struct Parts;
    std::unique_ptr<Parts> parts;
};
