#include "status_bar.h"

#include <string>

#include "editor_messages.h"

namespace {

constexpr int32_t StripHeight = 20;
constexpr int32_t PositionWidth = 160;
constexpr int32_t Gap = 4;

} // namespace

void EditorStatusBar::Attach(KVCONTROL *form)
{
    Position.SetParent(form);
    Message.SetParent(form);
    // File names may hold an ampersand, which a label would take for a
    // mnemonic.
    Message.SetStyle(SS_NOPREFIX, KvTrue);
    ShowPosition(1, 1);
}

void EditorStatusBar::Place(int32_t clientWidth, int32_t clientHeight)
{
    const int32_t top = clientHeight - StripHeight;
    Position.SetLeft(Gap);
    Position.SetTop(top + 2);
    Position.SetWidth(PositionWidth);
    Position.SetHeight(StripHeight - 2);
    Message.SetLeft(Gap + PositionWidth + Gap);
    Message.SetTop(top + 2);
    Message.SetWidth(clientWidth > PositionWidth + 3 * Gap ? clientWidth - PositionWidth - 3 * Gap : 1);
    Message.SetHeight(StripHeight - 2);
}

void EditorStatusBar::SetVisible(KvBool visible)
{
    Visible = ToKvBool(visible);
    Position.SetVisible(Visible);
    Message.SetVisible(Visible);
}

int32_t EditorStatusBar::Height() const { return Visible ? StripHeight : 0; }

void EditorStatusBar::ShowPosition(int32_t line, int32_t column)
{
    const std::string text = EditorMessage::CaretPosition(line, column);
    // Unchanged text is not set again: every key would repaint the label.
    if (Position.GetCaption() != text.c_str())
        Position.SetCaption(text.c_str());
}

void EditorStatusBar::ShowMessage(const KVSTRING &text) { Message.SetCaption(text); }
