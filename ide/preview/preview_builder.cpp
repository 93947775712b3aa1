#include "preview_builder.h"

#include "preview_placeholder.h"
#include "win32_api.h"

PreviewObjects::PreviewObjects() : form(std::make_unique<KVPREVIEWFORM>()) {}

PreviewObjects::~PreviewObjects()
{
    if (HWND window = form->GetHandle(); window && Lazy::IsWindow(window))
        form->Close();
    while (!menus.empty())
        menus.pop_back();
    while (!controls.empty())
        controls.pop_back();
}

KVCONTROL &PreviewObjects::Keep(std::unique_ptr<KVCONTROL> control)
{
    controls.push_back(std::move(control));
    return *controls.back();
}

KVPOPUP &PreviewObjects::Keep(std::unique_ptr<KVPOPUP> menu)
{
    menus.push_back(std::move(menu));
    return *menus.back();
}

PreviewBuilder::PreviewBuilder(PreviewObjects &objects) : objects(objects) {}

void PreviewBuilder::PassThrough(std::string_view) {}

void PreviewBuilder::FormOpened(std::string_view)
{
    formSeen = true;
    objects.Declare(&objects.Form());
    levels.push_back(Level{&FormPreviewClass(), PreviewTarget{&objects.Form(), nullptr}, nullptr});
}

void PreviewBuilder::ControlOpened(std::string_view, std::string_view name, std::string_view type,
                                   const FormNesting &)
{
    PlaceGathered();
    levels.push_back(Make(name, type, levels.back()));
    objects.Declare(levels.back().target.control);
}

// A control goes into a windowed parent, the menu bar onto the form, an
// item into a menu; whatever has no such place is listed. Past the limit,
// and inside what was left out, nothing is built.
PreviewBuilder::Level PreviewBuilder::Make(std::string_view name, std::string_view type, const Level &parent)
{
    // What stands for an object left out: nothing of it is built or counted.
    const Level omitted{nullptr, PreviewTarget{}, nullptr, true};
    if (parent.leftOut) {
        ++leftOut;
        return omitted;
    }
    const PreviewClass *known = FindPreviewClass(type);
    KVCONTROL *parentControl = parent.target.control;
    if (known == nullptr) {
        if (parentControl == nullptr)
            return Listed(name, type);
        if (!Room())
            return omitted;
        const std::string label = std::string(name) + ": " + std::string(type);
        KVCONTROL &box = objects.Keep(
            std::make_unique<KVPLACEHOLDER>(KVSTRING(label.data(), static_cast<int32_t>(label.size()))));
        box.SetParent(parentControl);
        return Level{&PlaceholderPreviewClass(), PreviewTarget{&box, nullptr}, nullptr};
    }
    switch (known->kind) {
    case PreviewKind::Control:
        if (parentControl != nullptr) {
            if (!Room())
                return omitted;
            KVCONTROL &control = objects.Keep(known->make());
            control.SetParent(parentControl);
            return Level{known, PreviewTarget{&control, nullptr}, nullptr};
        }
        break;
    case PreviewKind::MainMenu:
        if (parentControl == &objects.Form()) {
            if (!Room())
                return omitted;
            KVPOPUP &bar = objects.Keep(std::make_unique<KVMAINMENU>(&objects.Form()));
            return Level{known, PreviewTarget{}, &bar};
        }
        break;
    case PreviewKind::MenuItem:
        if (parent.menu != nullptr) {
            if (!Room())
                return omitted;
            auto owned = std::make_unique<KVMENUITEM>();
            KVMENUITEM &item = *owned;
            objects.Keep(std::move(owned));
            item.SetParent(parent.menu);
            return Level{known, PreviewTarget{nullptr, &item}, &item};
        }
        break;
    case PreviewKind::Invisible:
        break;
    }
    return Listed(name, type);
}

bool PreviewBuilder::Room()
{
    if (built >= PreviewObjectLimit) {
        ++leftOut;
        return false;
    }
    ++built;
    return true;
}

PreviewBuilder::Level PreviewBuilder::Listed(std::string_view name, std::string_view type)
{
    notShown.push_back(std::string(name) + " (" + std::string(type) + ")");
    return Level{nullptr, PreviewTarget{}, nullptr};
}

void PreviewBuilder::Closed(const FormNesting &)
{
    PlaceGathered();
    levels.pop_back();
}

void PreviewBuilder::Property(std::string_view, std::string_view line, int32_t lineNumber)
{
    const Level &level = levels.back();
    if (level.leftOut)
        return;
    if (level.type != nullptr) {
        const std::optional<LiteralAssignment> assignment = ParseLiteralAssignment(line);
        if (assignment && GatherPlace(level, assignment->property, assignment->value))
            return;
        // The setters run in the order of the lines.
        PlaceGathered();
        if (assignment && ApplyProperty(*level.type, level.target, assignment->property, assignment->value))
            return;
    }
    ++skippedLines;
    if (firstSkippedLine == 0)
        firstSkippedLine = lineNumber;
}

void PreviewBuilder::EventHandler(std::string_view, std::string_view, const EventSlot &) {}

bool PreviewBuilder::GatherPlace(const Level &level, std::string_view property, const Literal &value)
{
    KVCONTROL *control = level.target.control;
    const std::optional<PlaceField> field = FindPlaceProperty(*level.type, property);
    if (control == nullptr || !field || value.kind != LiteralKind::Number)
        return false;
    if (pendingPlace && pendingPlace->control != control)
        PlaceGathered();
    if (!pendingPlace)
        pendingPlace = PendingPlace{
            control, {control->GetLeft(), control->GetTop(), control->GetWidth(), control->GetHeight()}};
    pendingPlace->bounds[static_cast<int>(*field)] = value.number;
    return true;
}

void PreviewBuilder::PlaceGathered()
{
    if (!pendingPlace)
        return;
    const int32_t *bounds = pendingPlace->bounds;
    pendingPlace->control->SetBounds(bounds[0], bounds[1], bounds[2], bounds[3]);
    pendingPlace.reset();
}
