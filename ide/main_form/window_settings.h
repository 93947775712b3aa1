// What the editor remembers between runs: the window's normal position and
// size, whether it was maximized, word wrap and the status bar. Kept in the
// registry under HKEY_CURRENT_USER.
#pragma once

#include <string>

#include <windows.h>

struct WindowSettings {
    // False on a first start: the system's default position and size.
    bool hasPlacement = false;
    // The restored (not maximized) frame, in screen coordinates.
    RECT normal{};
    bool maximized = false;
    bool wordWrap = false;
    bool statusBar = true;
};

// The key under HKEY_CURRENT_USER; tests point it at a key of their own.
extern std::string WindowSettingsKey;

// The saved settings; missing values, and values of another type than a
// DWORD, keep their defaults, and a frame of no size or with a side missing
// is no placement.
WindowSettings LoadWindowSettings();
// False when the key cannot be written.
bool SaveWindowSettings(const WindowSettings &settings);
