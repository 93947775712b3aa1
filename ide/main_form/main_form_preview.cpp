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
    Preview.Close();
    StatusBar.ShowMessage("");
}
