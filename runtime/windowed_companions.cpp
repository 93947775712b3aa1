#include "windowed_companions.h"

#include "win32_api.h"

int32_t TickCount() { return static_cast<int32_t>(Lazy::GetTickCount()); }

void ProcessOneMessage()
{
    MSG message;
    // 0 is WM_QUIT and -1 a failure; neither carries a message to pass on.
    if (Lazy::GetMessageA(&message, nullptr, 0, 0) > 0) {
        Lazy::TranslateMessage(&message);
        Lazy::DispatchMessageA(&message);
    }
}

int32_t ShowMessage(const KVSTRING &text, const KVSTRING &caption, uint32_t flags)
{
    return Lazy::MessageBoxA(nullptr, text.Data(), caption.Data(), flags);
}
