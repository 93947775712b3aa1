#include "window_settings.h"

#include <cstdint>

#include "scoped_handle.h"

std::string WindowSettingsKey = "Software\\Kelvo\\kvide";

namespace {

// Every setting is a DWORD value of the key; numbers may be negative
// (a window left of the primary screen).
struct Value {
    const char *name;
    int32_t (*get)(const WindowSettings &settings);
    void (*set)(WindowSettings &settings, int32_t value);
    // One of the four sides of the frame, which is used only when all four
    // are there.
    bool side = false;
};

const Value Values[] = {
    {"Left", [](const WindowSettings &s) -> int32_t { return s.normal.left; },
     [](WindowSettings &s, int32_t v) { s.normal.left = v; }, true},
    {"Top", [](const WindowSettings &s) -> int32_t { return s.normal.top; },
     [](WindowSettings &s, int32_t v) { s.normal.top = v; }, true},
    {"Right", [](const WindowSettings &s) -> int32_t { return s.normal.right; },
     [](WindowSettings &s, int32_t v) { s.normal.right = v; }, true},
    {"Bottom", [](const WindowSettings &s) -> int32_t { return s.normal.bottom; },
     [](WindowSettings &s, int32_t v) { s.normal.bottom = v; }, true},
    {"Maximized", [](const WindowSettings &s) -> int32_t { return s.maximized; },
     [](WindowSettings &s, int32_t v) { s.maximized = v != 0; }},
    {"WordWrap", [](const WindowSettings &s) -> int32_t { return s.wordWrap; },
     [](WindowSettings &s, int32_t v) { s.wordWrap = v != 0; }},
    {"StatusBar", [](const WindowSettings &s) -> int32_t { return s.statusBar; },
     [](WindowSettings &s, int32_t v) { s.statusBar = v != 0; }},
};

using OpenKey = ScopedHandle<HKEY, RegCloseKey>;

} // namespace

WindowSettings LoadWindowSettings()
{
    WindowSettings settings;
    OpenKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, WindowSettingsKey.c_str(), 0, KEY_QUERY_VALUE, &key.handle) !=
        ERROR_SUCCESS)
        return settings;
    int sides = 0;
    for (const Value &value : Values) {
        DWORD data = 0;
        DWORD type = 0;
        DWORD size = sizeof data;
        // A value of another type (a string, a number of 8 bytes) is no
        // setting of this editor: it counts as missing.
        if (RegQueryValueExA(key.handle, value.name, nullptr, &type, reinterpret_cast<BYTE *>(&data), &size) ==
                ERROR_SUCCESS &&
            type == REG_DWORD && size == sizeof data) {
            value.set(settings, static_cast<int32_t>(data));
            sides += value.side ? 1 : 0;
        }
    }
    settings.hasPlacement =
        sides == 4 && settings.normal.right > settings.normal.left && settings.normal.bottom > settings.normal.top;
    return settings;
}

bool SaveWindowSettings(const WindowSettings &settings)
{
    OpenKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, WindowSettingsKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key.handle, nullptr) != ERROR_SUCCESS)
        return false;
    bool written = true;
    for (const Value &value : Values) {
        const DWORD data = static_cast<DWORD>(value.get(settings));
        written &= RegSetValueExA(key.handle, value.name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&data),
                                  sizeof data) == ERROR_SUCCESS;
    }
    return written;
}
