// A windowed program whose first bound function cannot be bound.
#include "lazy_binder.h"
#include "startup.h"

void KvMain() { BindFunction("kernel32", "KvNoSuchFunction"); }
