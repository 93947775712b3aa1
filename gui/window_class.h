// The library's one window class, "gcl_std_wndclass", whose window
// procedure is LibraryWindowProc, and the private colour request message.
#pragma once

#include "system_headers.h"

constexpr const char *LibraryWindowClass = "gcl_std_wndclass";

// A container asks a child for its colours with this message: wParam is the
// child's device context, the answer the brush to paint it with.
constexpr UINT WM_COLORREFLECT = 0xB001;

// Registers the class on the first call; later calls do nothing.
void RegisterLibraryWindowClass();
