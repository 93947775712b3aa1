// Where the menu and timer modules plug into the window procedure: WM_COMMAND
// from a menu or an accelerator hands its command identifier to
// MenuCommandHandler, WM_TIMER its timer identifier to TimerTickHandler.
// While a hook is unset the identifiers are ignored.
#pragma once

#include <cstdint>

using IdentifierHandler = void (*)(uint32_t identifier);

extern IdentifierHandler MenuCommandHandler;
extern IdentifierHandler TimerTickHandler;
