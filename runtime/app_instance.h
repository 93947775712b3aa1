// The module instance handle that the windowed entry records; the GUI
// library passes it when it registers its window class and creates windows.
#pragma once

#include <windows.h>

extern HINSTANCE AppInstanceHandle;

HINSTANCE AppInstance();
