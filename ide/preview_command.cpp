// Build > Preview form: the memo's current text, previewed.
#include "form_line_selection.h"
#include "main_form.h"
#include "preview_event_table.h"

void KVMAINFORM::BuildPreviewForm(KvEvent &)
{
    EventTable events;
    PreviewReport report;
    if (const char *message = LoadPreviewEventTable(events)) {
        Preview.Close();
        report.error = message;
    } else {
        report = Preview.Show(Memo.GetText(), events);
    }
    AnnouncePreview(report);
}

// An error selects its line and is said in a message box; a preview shown
// speaks for itself.
void KVMAINFORM::AnnouncePreview(const PreviewReport &report)
{
    LastPreviewReport = report;
    if (report.Shown())
        return;
    if (report.errorLine > 0)
        SelectFormLine(Memo, report.errorLine);
    Message(report.Summary().c_str(), MB_OK | MB_ICONERROR);
}
