#include "preview_placeholder.h"

#include "window_class.h"

namespace {

constexpr DWORD PlaceholderStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

} // namespace

KVPLACEHOLDER::KVPLACEHOLDER(const KVSTRING &label) : Label(label)
{
    // Its controls' notifications and colour requests reach them as on a
    // form.
    IsContainer = KvTrue;
    TabStop = KvFalse;
}

void KVPLACEHOLDER::CreateWnd(HWND parent)
{
    RegisterLibraryWindowClass();
    CreateHandle(parent, LibraryWindowClass, 100, 50, PlaceholderStyle, 0);
}

LRESULT KVPLACEHOLDER::OnPaint()
{
    const LRESULT result = DefaultHandler();
    Canvas.TextOut(4, 2, Label);
    return result;
}
