#include "form_preview.h"

#include <optional>

#include "editor_messages.h"
#include "form_outline.h"
#include "form_reader.h"
#include "kvmemorystream.h"
#include "preview_builder.h"
#include "win32_api.h"

namespace {

// The frame the window has when it is neither minimised nor maximised (in
// the coordinates of the window placement, which the next preview is given
// back in).
RECT RestoredFrame(KVFORM &form)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    Lazy::GetWindowPlacement(form.GetHandle(), &placement);
    return placement.rcNormalPosition;
}

// Moves the hidden form to the frame's corner, keeping its own size.
void PlaceRestored(KVFORM &form, const RECT &frame)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    Lazy::GetWindowPlacement(form.GetHandle(), &placement);
    placement.rcNormalPosition = {frame.left, frame.top, frame.left + form.GetWidth(),
                                  frame.top + form.GetHeight()};
    placement.showCmd = SW_HIDE;
    Lazy::SetWindowPlacement(form.GetHandle(), &placement);
}

} // namespace

std::string PreviewReport::Summary() const
{
    if (!Shown())
        return EditorMessage::PreviewFailed(error, errorLine);
    std::string summary = EditorMessage::PreviewShown;
    if (skippedLines == 0)
        summary += EditorMessage::EveryPropertyShown;
    else
        summary += EditorMessage::LinesNotPreviewed(skippedLines, firstSkippedLine);
    if (!notShown.empty()) {
        summary += EditorMessage::NotShown;
        for (const std::string &object : notShown)
            summary += " " + object;
    }
    if (leftOut > 0)
        summary += EditorMessage::LeftOut(leftOut, PreviewObjectLimit);
    return summary;
}

FormPreview::FormPreview(KVFORM &owner) : owner(owner) {}

FormPreview::~FormPreview() = default;

// The previous preview goes first: it is replaced whatever the outcome, and
// its windows would only slow the building of the new ones.
PreviewReport FormPreview::Show(const KVSTRING &text, const EventTable &events)
{
    std::optional<RECT> frame;
    if (KVFORM *previous = Window())
        frame = RestoredFrame(*previous);
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
    report.leftOut = builder.LeftOut();

    KVFORM &form = objects->Form();
    SetWindowLongPtrA(form.GetHandle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner.GetHandle()));
    form.SetShortcutForm(&owner);
    if (frame)
        PlaceRestored(form, *frame);
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
