// A size that cannot be represented or allocated ends the program the way a
// failed allocation does (the runtime catches neither), never with a short
// buffer.
#pragma once

#include <new>

[[noreturn]] inline void FailAllocation() { throw std::bad_alloc(); }
