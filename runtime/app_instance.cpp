#include "app_instance.h"

HINSTANCE AppInstanceHandle = nullptr;

HINSTANCE AppInstance() { return AppInstanceHandle; }
