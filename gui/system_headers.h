// The system headers as the class library sees them: the lazily bound
// wrappers, and none of the headers' A/W name macros that would rename the
// library's own operations (KVFORM::MessageBox, KVCANVAS::TextOut).
#pragma once

#include "win32_api.h"

#undef MessageBox
#undef TextOut
