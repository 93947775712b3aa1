#include "form_preview.h"

#include <optional>

#include "form_outline.h"
#include "form_reader.h"
#include "kvmemorystream.h"
#include "preview_builder.h"
#include "win32_api.h"

std::string PreviewReport::Summary() const
{
    if (!Shown()) {
        if (errorLine > 0)
            return "Preview: line " + std::to_string(errorLine) + ": " + error;
        return "Preview: " + error;
    }
    std::string summary = "Preview: ";
    if (skippedLines == 0)
        summary += "every property shown";
    else
        summary += std::to_string(skippedLines) + " line(s) not previewed, the first at line " +
                   std::to_string(firstSkippedLine);
    if (!notShown.empty()) {
        summary += "; not shown:";
        for (const std::string &object : notShown)
            summary += " " + object;
    }
    return summary;
}

FormPreview::FormPreview(KVFORM &owner) : owner(owner) {}

FormPreview::~FormPreview() = default;

// The previous preview goes first: it is replaced whatever the outcome, and
// its windows would only slow the building of the new ones.
PreviewReport FormPreview::Show(const KVSTRING &text, const EventTable &events)
{
    std::optional<POINT> place;
    if (KVFORM *previous = Window())
        place = POINT{previous->GetLeft(), previous->GetTop()};
    Close();

    KVMEMORYSTREAM input(text.Len(), 64);
    input.Write(text.Data(), text.Len());
    input.Seek(0);
    auto objects = std::make_unique<PreviewObjects>();
    PreviewBuilder builder(*objects);
    PreviewReport report;
    std::optional<FormError> error = ReadForm(input, events, builder);
    if (!error && !builder.FormSeen())
        error = FormError{NoFormDeclaration, 0};
    if (error) {
        report.error = error->message;
        report.errorLine = error->line;
        return report;
    }
    report.skippedLines = builder.SkippedLines();
    report.firstSkippedLine = builder.FirstSkippedLine();
    report.notShown = builder.NotShown();

    KVFORM &form = objects->Form();
    SetWindowLongPtrA(form.GetHandle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner.GetHandle()));
    if (place)
        form.SetBounds(place->x, place->y, form.GetWidth(), form.GetHeight());
    current = std::move(objects);
    // Shown without taking the focus: the editor keeps the keyboard, so that
    // typing and F12 go on there.
    Lazy::ShowWindow(form.GetHandle(), SW_SHOWNOACTIVATE);
    return report;
}

void FormPreview::Close() { current.reset(); }

KVFORM *FormPreview::Window()
{
    if (current == nullptr || current->Form().GetHandle() == nullptr)
        return nullptr;
    return &current->Form();
}
