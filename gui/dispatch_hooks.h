// Where the menu, timer and form modules plug into the window procedure,
// which knows none of them: WM_COMMAND from a menu or an accelerator hands
// its command identifier to MenuCommandHandler, WM_TIMER its timer
// identifier to TimerTickHandler, and Enter or Escape that a control's
// handlers left goes to DialogKeyHandler. A hook answers whether the
// identifier or the key was one of its own; a timer message that no hook
// claims belongs to the window itself (an edit scrolling while a selection
// is dragged) and gets default processing.
#pragma once

#include <cstdint>

class KVCONTROL;

using IdentifierHandler = bool (*)(uint32_t identifier);
using DialogKeyUser = bool (*)(KVCONTROL &focused, uint32_t keyCode);

extern IdentifierHandler MenuCommandHandler;
extern IdentifierHandler TimerTickHandler;
extern DialogKeyUser DialogKeyHandler;
