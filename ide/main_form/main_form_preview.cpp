// Build > Preview form: the memo's current text, previewed.
#include "form_line_selection.h"
#include "main_form.h"
#include "preview_event_table.h"

// After the designer gave the editor the keyboard, the preview takes it
// back; otherwise the keyboard stays where it is.
void KVMAINFORM::BuildPreviewForm(KvEvent &)
{
    FollowTimer.SetEnabled(KvFalse);
    const bool giveKeyboard = KeyboardBackToPreview && Preview.Window() != nullptr;
    KeyboardBackToPreview = false;
    EventTable events;
    PreviewReport report;
    if (const char *message = LoadPreviewEventTable(events)) {
        Preview.Close();
        report.error = message;
    } else {
        report = Preview.Show(Memo.GetText(), events);
    }
    AnnouncePreview(report);
    if (giveKeyboard)
        Preview.TakeKeyboard();
}

// The status bar says how the preview went; an error selects its line.
void KVMAINFORM::AnnouncePreview(const PreviewReport &report)
{
    LastPreviewReport = report;
    if (!report.Shown() && report.errorLine > 0)
        SelectFormLine(Memo, report.errorLine);
    StatusBar.ShowMessage(report.Summary().c_str());
}

void KVMAINFORM::ForgetPreview()
{
    FollowTimer.SetEnabled(KvFalse);
    KeyboardBackToPreview = false;
    Preview.Close();
    StatusBar.ShowMessage("");
}
