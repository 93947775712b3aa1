// Where the menu and timer modules plug into the window procedure: WM_COMMAND
// from a menu or an accelerator hands its command identifier to
// MenuCommandHandler, WM_TIMER its timer identifier to TimerTickHandler.
// A hook answers whether the identifier was one of its own; a timer message
// that no hook claims belongs to the window itself (an edit scrolling while a
// selection is dragged) and gets default processing.
#pragma once

#include <cstdint>

using IdentifierHandler = bool (*)(uint32_t identifier);

extern IdentifierHandler MenuCommandHandler;
extern IdentifierHandler TimerTickHandler;
