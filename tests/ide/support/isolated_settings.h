// Points the editor's remembered settings at a registry key of this test
// process, empty at the start and removed at the end, so that no test sees
// what another (or a person's editor) left there.
#pragma once

#include <windows.h>

#include <string>

#include "window_settings.h"

class IsolatedSettings {
  public:
    IsolatedSettings() : previous(WindowSettingsKey)
    {
        WindowSettingsKey = "Software\\Kelvo\\kvide-test-" + std::to_string(GetCurrentProcessId());
        RegDeleteTreeA(HKEY_CURRENT_USER, WindowSettingsKey.c_str());
    }
    IsolatedSettings(const IsolatedSettings &) = delete;
    IsolatedSettings &operator=(const IsolatedSettings &) = delete;
    ~IsolatedSettings()
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, WindowSettingsKey.c_str());
        WindowSettingsKey = previous;
    }

  private:
    std::string previous;
};
