#include "kvcheckbox.h"

#include <vector>

namespace {

// Buttons that draw their own mark but leave its radio group to the class.
constexpr DWORD CheckBoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD RadioButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_RADIOBUTTON;
constexpr int32_t DefaultWidth = 120;
constexpr int32_t DefaultHeight = 20;

// The radio buttons among the children of `parent`, in their order.
std::vector<KVRADIOBUTTON *> RadioGroup(KVCONTROL *parent)
{
    std::vector<KVRADIOBUTTON *> group;
    if (!parent)
        return group;
    for (int32_t index = 1; index <= parent->GetChildCount(); ++index) {
        if (auto *radio = dynamic_cast<KVRADIOBUTTON *>(parent->GetChild(index)))
            group.push_back(radio);
    }
    return group;
}

} // namespace

KVCHECKBOX::KVCHECKBOX(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top, int32_t width,
                       int32_t height)
{
    Place(parent, caption, left, top, width, height);
}

void KVCHECKBOX::CreateWnd(HWND parent)
{
    CreateHandle(parent, "button", DefaultWidth, DefaultHeight, CheckBoxStyle, 0);
}

KvBool KVCHECKBOX::IsA(const KVSTRING &className)
{
    if (ToUpper(className) == "CHECKBOX")
        return KvTrue;
    return KVBUTTON::IsA(className);
}

KVRADIOBUTTON::KVRADIOBUTTON(KVCONTROL *parent, const KVSTRING &caption, int32_t left, int32_t top,
                             int32_t width, int32_t height)
{
    Place(parent, caption, left, top, width, height);
}

void KVRADIOBUTTON::CreateWnd(HWND parent)
{
    CreateHandle(parent, "button", DefaultWidth, DefaultHeight, RadioButtonStyle, 0);
}

KvBool KVRADIOBUTTON::IsA(const KVSTRING &className)
{
    if (ToUpper(className) == "RADIOBUTTON")
        return KvTrue;
    return KVBUTTON::IsA(className);
}

bool KVRADIOBUTTON::TakesTabFocus()
{
    if (!KVBUTTON::TakesTabFocus())
        return false;
    if (GetState() == BST_CHECKED)
        return true;
    for (KVRADIOBUTTON *radio : RadioGroup(Parent)) {
        if (radio != this && radio->GetState() == BST_CHECKED && radio->KVBUTTON::TakesTabFocus())
            return false;
    }
    // None can be reached checked: the first that can be reached at all.
    for (KVRADIOBUTTON *radio : RadioGroup(Parent)) {
        if (radio->KVBUTTON::TakesTabFocus())
            return radio == this;
    }
    return false;
}

LRESULT KVRADIOBUTTON::OnClick()
{
    for (KVRADIOBUTTON *radio : RadioGroup(Parent))
        radio->SetState(radio == this ? BST_CHECKED : BST_UNCHECKED);
    return KVBUTTON::OnClick();
}

LRESULT KVRADIOBUTTON::OnKeyDown(const KVSTRING &key, uint32_t keyCode)
{
    const int32_t step = keyCode == VK_UP || keyCode == VK_LEFT      ? -1
                         : keyCode == VK_DOWN || keyCode == VK_RIGHT ? 1
                                                                     : 0;
    KVRADIOBUTTON *next = step != 0 ? Neighbour(step) : nullptr;
    if (!next)
        return KVBUTTON::OnKeyDown(key, keyCode);
    // The key is used up by the move.
    CurrentMessage = 0;
    // Pressed as by a click: the notification its form would reflect to
    // it. Windows itself presses a radio button that gets the focus
    // unchecked; it is not pressed twice.
    const ControlRef target(next);
    next->SetFocus();
    if (!target.Get() || next->GetState() == BST_CHECKED)
        return 0;
    HWND window = next->GetHandle();
    Lazy::SendMessageA(window, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(window));
    return 0;
}

KVRADIOBUTTON *KVRADIOBUTTON::Neighbour(int32_t step)
{
    const std::vector<KVRADIOBUTTON *> group = RadioGroup(Parent);
    const auto count = static_cast<int32_t>(group.size());
    int32_t at = 0;
    while (at < count && group[static_cast<size_t>(at)] != this)
        ++at;
    for (int32_t moved = 1; moved < count; ++moved) {
        KVRADIOBUTTON *radio = group[static_cast<size_t>(((at + moved * step) % count + count) % count)];
        if (radio->KVBUTTON::TakesTabFocus())
            return radio;
    }
    return nullptr;
}
