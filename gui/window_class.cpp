#include "window_class.h"

#include "app_instance.h"
#include "kvcontrol.h"

namespace {

bool ClassPending = true;

} // namespace

void RegisterLibraryWindowClass()
{
    if (!ClassPending)
        return;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS | CS_CLASSDC | CS_PARENTDC;
    windowClass.lpfnWndProc = LibraryWindowProc;
    windowClass.hInstance = AppInstance();
    windowClass.hIcon = Lazy::LoadIconA(nullptr, IDI_WINLOGO);
    windowClass.hCursor = Lazy::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = LibraryWindowClass;
    windowClass.hIconSm = Lazy::LoadIconA(nullptr, IDI_WINLOGO);
    Lazy::RegisterClassExA(&windowClass);
    ClassPending = false;
}
