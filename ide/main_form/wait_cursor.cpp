#include "wait_cursor.h"

#include "win32_api.h"

WaitCursor::WaitCursor() : previous(Lazy::SetCursor(Lazy::LoadCursorA(nullptr, IDC_WAIT))) {}

WaitCursor::~WaitCursor() { Lazy::SetCursor(previous); }
