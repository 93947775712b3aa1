#include "edit_offsets.h"

#include <algorithm>
#include <vector>

namespace {

bool OneByteCodePage()
{
    CPINFO info{};
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
}

// The end of the text in the control's units: the last row's start and
// length.
LRESULT ControlLength(HWND edit)
{
    const LRESULT rows = Lazy::SendMessageA(edit, EM_GETLINECOUNT, 0, 0);
    const LRESULT lastRow =
        Lazy::SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(std::max<LRESULT>(rows - 1, 0)), 0);
    return lastRow + Lazy::SendMessageA(edit, EM_LINELENGTH, static_cast<WPARAM>(lastRow), 0);
}

} // namespace

EditOffsets::EditOffsets(HWND edit)
{
    static const bool oneByte = OneByteCodePage();
    if (oneByte)
        return;
    std::vector<char> buffer(static_cast<size_t>(Lazy::GetWindowTextLengthA(edit)) + 1, '\0');
    const int copied = Lazy::GetWindowTextA(edit, buffer.data(), static_cast<int>(buffer.size()));
    if (copied <= 0 || ControlLength(edit) == copied)
        return;
    text.assign(buffer.data(), static_cast<size_t>(copied));
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), copied, nullptr, 0);
    wide.resize(static_cast<size_t>(units));
    MultiByteToWideChar(CP_ACP, 0, text.data(), copied, wide.data(), units);
}

int32_t EditOffsets::ToControl(int32_t byteOffset) const
{
    if (text.empty() || byteOffset <= 0)
        return byteOffset;
    const int bytes = static_cast<int>(std::min<size_t>(static_cast<size_t>(byteOffset), text.size()));
    return MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0) +
           static_cast<int32_t>(static_cast<size_t>(byteOffset) - static_cast<size_t>(bytes));
}

int32_t EditOffsets::ToBytes(int32_t controlOffset) const
{
    if (wide.empty() || controlOffset <= 0)
        return controlOffset;
    const int units = static_cast<int>(std::min<size_t>(static_cast<size_t>(controlOffset), wide.size()));
    return WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr, nullptr) +
           static_cast<int32_t>(static_cast<size_t>(controlOffset) - static_cast<size_t>(units));
}
