// The editor's side of the form designer: the Design menu, the designer's
// edits made in the memo, and the open preview following the text.
#include "editor_messages.h"
#include "form_line_selection.h"
#include "main_form.h"
#include "preview_event_table.h"

namespace {

// The pause after the last change of the text before the preview follows.
constexpr uint32_t FollowDelay = 300;

} // namespace

DesignHost KVMAINFORM::DesignHostOfEditor()
{
    return DesignHost{
        [this] {
            const KVSTRING text = Memo.GetText();
            return std::string(text.Data(), static_cast<size_t>(text.Len()));
        },
        [this](const TextEdit &edit) { ApplyDesignEdit(edit); },
        [this](const std::string &message) {
            StatusBar.ShowMessage(KVSTRING(message.data(), static_cast<int32_t>(message.size())));
        },
        [this](int32_t line) { ShowDesignedLine(line); },
        [this] { FollowText(false); },
    };
}

void KVMAINFORM::ApplyDesignEdit(const TextEdit &edit)
{
    const auto start = static_cast<int32_t>(edit.offset);
    DesignEditing = true;
    Memo.ReplaceRange(start, start + static_cast<int32_t>(edit.removed),
                      KVSTRING(edit.inserted.data(), static_cast<int32_t>(edit.inserted.size())));
    Memo.SetModified(KvTrue);
    DesignEditing = false;
    UpdateCaption();
}

void KVMAINFORM::ShowDesignedLine(int32_t line)
{
    SelectFormLine(Memo, line);
    Lazy::SetForegroundWindow(GetHandle());
    Lazy::SetActiveWindow(GetHandle());
    Memo.SetFocus();
    KeyboardBackToPreview = true;
}

void KVMAINFORM::AddDesignedControl(const char *type, const char *textProperty, int32_t width, int32_t height)
{
    if (FormDesigner *designer = Preview.Designer())
        designer->AddControl(type, textProperty, width, height);
    else
        StatusBar.ShowMessage(EditorMessage::DesignWithoutPreview);
}

// The sizes the library gives each control.
void KVMAINFORM::DesignAddButton(KvEvent &) { AddDesignedControl("KvButton", "Caption", 75, 25); }

void KVMAINFORM::DesignAddLabel(KvEvent &) { AddDesignedControl("KvLabel", "Caption", 100, 20); }

void KVMAINFORM::DesignAddEdit(KvEvent &) { AddDesignedControl("KvEdit", "Text", 120, 20); }

void KVMAINFORM::DesignAddMemo(KvEvent &) { AddDesignedControl("KvMemo", "Text", 120, 80); }

void KVMAINFORM::DesignDelete(KvEvent &)
{
    if (FormDesigner *designer = Preview.Designer())
        designer->DeleteSelection();
    else
        StatusBar.ShowMessage(EditorMessage::DesignWithoutPreview);
}

void KVMAINFORM::DesignSnapToGrid(KvEvent &)
{
    const KvBool snap = ToKvBool(!SnapToGridItem.GetChecked());
    SnapToGridItem.SetChecked(snap);
    Preview.SnapToGrid(snap != KvFalse);
}

void KVMAINFORM::TextChanged()
{
    if (DesignEditing || Preview.Window() == nullptr)
        return;
    FollowTimer.SetInterval(FollowDelay);
    FollowTimer.SetEnabled(KvTrue);
}

void KVMAINFORM::FollowText(bool announce)
{
    FollowTimer.SetEnabled(KvFalse);
    if (Preview.Window() == nullptr)
        return;
    EventTable events;
    PreviewReport report;
    if (const char *message = LoadPreviewEventTable(events))
        report.error = message;
    else
        report = Preview.Follow(Memo.GetText(), events);
    LastPreviewReport = report;
    if (announce || !report.Shown())
        StatusBar.ShowMessage(report.Summary().c_str());
}
