#include "form_preview.h"

#include <optional>

#include "editor_messages.h"
#include "form_outline.h"
#include "form_reader.h"
#include "kvmemorystream.h"
#include "preview_builder.h"
#include "win32_api.h"

namespace {

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

FormPreview::FormPreview(KVFORM &owner, DesignHost host) : owner(owner), designer(std::move(host)) {}

FormPreview::~FormPreview() = default;

PreviewReport FormPreview::Show(const KVSTRING &text, const EventTable &events)
{
    return Build(text, events, false);
}

PreviewReport FormPreview::Follow(const KVSTRING &text, const EventTable &events)
{
    return Build(text, events, true);
}

// The text is read whole before anything is built, so that an error can
// leave the last preview standing. The previous preview goes before the new
// one is built: it is replaced whatever the outcome, and its windows would
// only slow the building of the new ones.
PreviewReport FormPreview::Build(const KVSTRING &text, const EventTable &events, bool keepOnError)
{
    PreviewReport report;
    FormError outlineError{};
    std::optional<FormOutline> outline =
        FormOutline::Read(std::string(text.Data(), static_cast<size_t>(text.Len())), events, &outlineError);
    if (!outline) {
        if (!keepOnError)
            Close();
        report.error = outlineError.message;
        report.errorLine = outlineError.line;
        return report;
    }
    KVFORM *previous = Window();
    const bool hadKeyboard = previous && Lazy::GetActiveWindow() == previous->GetHandle();
    Close();

    KVMEMORYSTREAM input(text.Len(), 64);
    input.Write(text.Data(), text.Len());
    input.Seek(0);
    auto objects = std::make_unique<PreviewObjects>();
    PreviewBuilder builder(*objects);
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
    if (lastFrame)
        PlaceRestored(form, *lastFrame);
    current = std::move(objects);
    designer.Attach(*current, std::move(*outline), events);
    // Shown without taking the focus: the editor keeps the keyboard, so that
    // typing and F12 go on there.
    Lazy::ShowWindow(form.GetHandle(), SW_SHOWNOACTIVATE);
    if (hadKeyboard)
        TakeKeyboard();
    return report;
}

void FormPreview::Close()
{
    designer.Detach();
    if (!current)
        return;
    KVPREVIEWFORM &form = current->Form();
    if (form.GetHandle())
        form.Close();
    if (form.FrameWhenDestroyed())
        lastFrame = form.FrameWhenDestroyed();
    current.reset();
}

KVFORM *FormPreview::Window()
{
    if (current == nullptr || current->Form().GetHandle() == nullptr)
        return nullptr;
    return &current->Form();
}

FormDesigner *FormPreview::Designer() { return Window() && designer.Attached() ? &designer : nullptr; }

bool FormPreview::Busy() { return Window() && (designer.Dragging() || current->Form().Sizing()); }

void FormPreview::TakeKeyboard()
{
    if (KVFORM *form = Window()) {
        Lazy::SetForegroundWindow(form->GetHandle());
        Lazy::SetActiveWindow(form->GetHandle());
        Lazy::SetFocus(form->GetHandle());
    }
}
