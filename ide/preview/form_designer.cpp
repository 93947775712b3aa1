#include "form_designer.h"

#include <cstdlib>

#include "drag_geometry.h"
#include "editor_messages.h"
#include "preview_builder.h"
#include "preview_placeholder.h"
#include "text_view.h"

namespace {

// Pixels the mouse moves with the button down before a press becomes a
// drag, so that a click to select leaves the control where it is.
constexpr int32_t DragThreshold = 3;

// A key message's flag for a key that was already down.
constexpr LPARAM KeyRepeated = 1 << 30;

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

bool Held(int key) { return Lazy::GetKeyState(key) < 0; }

bool operator!=(const PlaceRect &a, const PlaceRect &b)
{
    return a.left != b.left || a.top != b.top || a.width != b.width || a.height != b.height;
}

std::string DescribeSelection(const OutlineObject &object, const PlaceRect &place)
{
    return EditorMessage::DesignSelection(object.name, object.type, place.left, place.top, place.width,
                                          place.height);
}

std::string DescribeRefusal(const OutlineObject &object, const DesignChange &change, bool resizing)
{
    return EditorMessage::PlaceRefused(object.name, change.refusal, change.refusedLine, resizing);
}

LPCSTR HandleCursor(int32_t handle)
{
    switch (static_cast<Handle>(handle)) {
    case Handle::TopLeft:
    case Handle::BottomRight:
        return IDC_SIZENWSE;
    case Handle::TopRight:
    case Handle::BottomLeft:
        return IDC_SIZENESW;
    case Handle::Top:
    case Handle::Bottom:
        return IDC_SIZENS;
    default:
        return IDC_SIZEWE;
    }
}

} // namespace

FormDesigner::FormDesigner(DesignHost host) : host(std::move(host)) {}

FormDesigner::~FormDesigner() { Detach(); }

void FormDesigner::Attach(PreviewObjects &built, FormOutline read, const EventTable &table)
{
    Detach();
    if (read.Objects().size() != built.Declared().size())
        return;
    objects = &built;
    outline = std::move(read);
    events = table;
    KVPREVIEWFORM &form = built.Form();
    form.SetMessageFilter([this](MSG &message) { return Filter(message); });
    form.FrameResized = [this] { FormResized(); };
    selected = 0;
    const std::vector<OutlineObject> &declared = outline->Objects();
    for (size_t k = 0; k < declared.size(); ++k) {
        if (Window(static_cast<int32_t>(k)) && SameIgnoringCase(declared[k].name, selectedName)) {
            selected = static_cast<int32_t>(k);
            break;
        }
    }
    selectedName = declared[static_cast<size_t>(selected)].name;
    ShowSelection();
    if (announceOnAttach)
        Announce();
    announceOnAttach = false;
}

void FormDesigner::Detach()
{
    if (!objects)
        return;
    KVPREVIEWFORM &form = objects->Form();
    if (drag && form.GetHandle() && Lazy::GetCapture() == form.GetHandle())
        Lazy::ReleaseCapture();
    form.SetMessageFilter(nullptr);
    form.FrameResized = nullptr;
    if (form.GetHandle())
        frame.Clear();
    else
        frame.Forget();
    drag.reset();
    outline.reset();
    objects = nullptr;
    lastPressObject = -1;
}

KVCONTROL *FormDesigner::Window(int32_t object) const
{
    if (!objects || object < 0 || static_cast<size_t>(object) >= objects->Declared().size())
        return nullptr;
    KVCONTROL *window = objects->Declared()[static_cast<size_t>(object)];
    return window && window->GetHandle() ? window : nullptr;
}

PlaceRect FormDesigner::PlaceOf(int32_t object) const
{
    KVCONTROL *window = Window(object);
    return {window->GetLeft(), window->GetTop(), window->GetWidth(), window->GetHeight()};
}

bool FormDesigner::IsContainer(int32_t object) const
{
    return object == 0 || dynamic_cast<KVPLACEHOLDER *>(Window(object)) != nullptr;
}

bool FormDesigner::InStep()
{
    std::string text = host.text();
    if (text == outline->Text())
        return true;
    std::optional<FormOutline> fresh = FormOutline::Read(std::move(text), events);
    if (!fresh || fresh->Objects().size() != objects->Declared().size()) {
        host.status(EditorMessage::DesignTextChanged);
        return false;
    }
    outline = std::move(fresh);
    return true;
}

void FormDesigner::Commit(const TextEdit &edit)
{
    std::string changed = ApplyEdit(outline->Text(), edit);
    host.edit(edit);
    if (std::optional<FormOutline> fresh = FormOutline::Read(std::move(changed), events))
        outline = std::move(fresh);
}

void FormDesigner::Select(int32_t object)
{
    if (!Window(object))
        return;
    selected = object;
    selectedName = outline->Objects()[static_cast<size_t>(object)].name;
    ShowSelection();
    Announce();
}

void FormDesigner::ShowSelection()
{
    if (selected == 0)
        frame.MarkClientArea(*Window(0));
    else
        frame.Mark(*Window(selected));
}

void FormDesigner::Announce()
{
    host.status(DescribeSelection(outline->Objects()[static_cast<size_t>(selected)], PlaceOf(selected)));
}

void FormDesigner::SelectNext(bool backward)
{
    const auto count = static_cast<int32_t>(objects->Declared().size());
    for (int32_t step = 1; step <= count; ++step) {
        const int32_t object = ((selected + (backward ? -step : step)) % count + count) % count;
        if (Window(object)) {
            Select(object);
            return;
        }
    }
}

void FormDesigner::SelectParent()
{
    int32_t object = outline->Objects()[static_cast<size_t>(selected)].parent;
    while (object > 0 && !Window(object))
        object = outline->Objects()[static_cast<size_t>(object)].parent;
    Select(object < 0 ? 0 : object);
}

bool FormDesigner::Place(int32_t object, const PlaceRect &from, const PlaceRect &to, bool resizing)
{
    std::vector<WholeNumberProperty> changed;
    if (to.left != from.left)
        changed.push_back({"Left", to.left});
    if (to.top != from.top)
        changed.push_back({"Top", to.top});
    if (to.width != from.width)
        changed.push_back({"Width", to.width});
    if (to.height != from.height)
        changed.push_back({"Height", to.height});
    const DesignChange change = SetWholeNumbers(*outline, object, changed);
    if (change.Refused()) {
        Window(object)->SetBounds(from.left, from.top, from.width, from.height);
        host.status(DescribeRefusal(outline->Objects()[static_cast<size_t>(object)], change, resizing));
        return false;
    }
    if (change.edit)
        Commit(*change.edit);
    if (PlaceOf(object) != to)
        Window(object)->SetBounds(to.left, to.top, to.width, to.height);
    ShowSelection();
    Announce();
    return true;
}

bool FormDesigner::Movable(int32_t object, bool resizing)
{
    const PlaceRect place = PlaceOf(object);
    std::vector<WholeNumberProperty> bounds = {{"Left", place.left}, {"Top", place.top}};
    if (resizing) {
        bounds.push_back({"Width", place.width});
        bounds.push_back({"Height", place.height});
    }
    const DesignChange check = SetWholeNumbers(*outline, object, bounds);
    if (check.Refused())
        host.status(DescribeRefusal(outline->Objects()[static_cast<size_t>(object)], check, resizing));
    return !check.Refused();
}

void FormDesigner::MoveSelection(int32_t dx, int32_t dy, bool resize)
{
    if (selected == 0 || !InStep() || !Movable(selected, resize))
        return;
    const PlaceRect from = PlaceOf(selected);
    PlaceRect to = from;
    if (resize) {
        to.width = std::max(from.width + dx, 1);
        to.height = std::max(from.height + dy, 1);
    } else {
        to.left += dx;
        to.top += dy;
    }
    Place(selected, from, to, resize);
}

void FormDesigner::AddControl(std::string_view type, std::string_view textProperty, int32_t width,
                              int32_t height)
{
    if (!InStep())
        return;
    int32_t container = selected;
    while (container > 0 && !IsContainer(container))
        container = outline->Objects()[static_cast<size_t>(container)].parent;
    if (container < 0 || !Window(container))
        container = 0;
    std::vector<PlaceRect> taken;
    const std::vector<OutlineObject> &declared = outline->Objects();
    for (size_t k = 1; k < declared.size(); ++k) {
        if (declared[k].parent == container && Window(static_cast<int32_t>(k)))
            taken.push_back(PlaceOf(static_cast<int32_t>(k)));
    }
    KVCONTROL &holder = *Window(container);
    const PlaceRect place =
        FindFreePlace(taken, holder.GetClientWidth(), holder.GetClientHeight(), width, height, DesignGrid);
    const AddedControl added = ::AddControl(*outline, container, type, textProperty, place);
    if (!added.change.edit)
        return;
    selectedName = added.name;
    announceOnAttach = true;
    host.edit(*added.change.edit);
    // Made anew, the preview shows the control; this one is gone.
    host.rebuild();
}

void FormDesigner::DeleteSelection()
{
    if (!InStep())
        return;
    const DesignChange change = DeleteControl(*outline, selected);
    if (change.Refused()) {
        host.status(EditorMessage::FormNotDeleted);
        return;
    }
    const int32_t parent = outline->Objects()[static_cast<size_t>(selected)].parent;
    selectedName = outline->Objects()[static_cast<size_t>(parent)].name;
    announceOnAttach = true;
    host.edit(*change.edit);
    host.rebuild();
}

void FormDesigner::ShowDeclaration()
{
    if (InStep())
        host.showLine(outline->Objects()[static_cast<size_t>(selected)].declarationLine);
}

void FormDesigner::FormResized()
{
    if (!objects || !InStep())
        return;
    KVCONTROL &form = *Window(0);
    const DesignChange change =
        SetWholeNumbers(*outline, 0, {{"Width", form.GetWidth()}, {"Height", form.GetHeight()}});
    if (change.Refused()) {
        // The window keeps the size the text gives it.
        const SIZE before = objects->Form().SizeBeforeResize();
        form.SetBounds(form.GetLeft(), form.GetTop(), before.cx, before.cy);
        host.status(DescribeRefusal(outline->Objects().front(), change, true));
        return;
    }
    if (change.edit)
        Commit(*change.edit);
    if (selected == 0) {
        ShowSelection();
        Announce();
    }
}

bool FormDesigner::Filter(MSG &message)
{
    if (!objects)
        return false;
    if (IsMouseMessage(message.message))
        return MouseMessage(message);
    if (message.message == WM_KEYDOWN) {
        // The drag decides the place until the button goes up.
        if (drag)
            return true;
        return KeyDown(message.wParam, (message.lParam & KeyRepeated) != 0);
    }
    // Alt held for a drag without the grid must not open the menu bar.
    if (drag && (message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP) &&
        message.wParam == VK_MENU)
        return true;
    return false;
}

// Keys the designer does not use go on to the editor's shortcuts.
bool FormDesigner::KeyDown(WPARAM key, bool repeated)
{
    const bool control = Held(VK_CONTROL), shift = Held(VK_SHIFT);
    switch (key) {
    case VK_TAB:
        SelectNext(shift);
        return true;
    case VK_ESCAPE:
        SelectParent();
        return true;
    // Held down, Del would go on to delete the parent that the deletion
    // selects, and Enter would type into the declaration it selected.
    case VK_RETURN:
        if (!repeated)
            ShowDeclaration();
        return true;
    case VK_DELETE:
        if (!repeated)
            DeleteSelection();
        return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
        const int32_t step = control && !shift ? DesignGrid : 1;
        const int32_t dx = key == VK_LEFT ? -step : key == VK_RIGHT ? step : 0;
        const int32_t dy = key == VK_UP ? -step : key == VK_DOWN ? step : 0;
        MoveSelection(dx, dy, shift);
        return true;
    }
    case 'A':
    case 'C':
    case 'V':
    case 'X':
        // The editor's editing shortcuts would act on the memo, which the
        // user does not see from here: Select All and Cut would take the
        // whole text.
        return control;
    default:
        return false;
    }
}

bool FormDesigner::MouseMessage(const MSG &message)
{
    switch (message.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(message);
        break;
    case WM_MOUSEMOVE:
        if (drag) {
            DragTo(message.pt);
        } else {
            const int32_t handle = selected != 0 ? frame.HandleAt(message.pt) : -1;
            Lazy::SetCursor(Lazy::LoadCursorA(nullptr, handle >= 0 ? HandleCursor(handle) : IDC_ARROW));
        }
        break;
    case WM_LBUTTONUP:
        if (drag)
            Release();
        break;
    default:
        break;
    }
    // No click, wheel or movement reaches a previewed control.
    return true;
}

// By place, not by the window the message was sent to: a label (a static
// window) and a disabled control let the mouse through to what lies behind
// them. Blocks inside a block come after it in the text, so the last hit
// is the innermost.
int32_t FormDesigner::ObjectAt(POINT screen) const
{
    int32_t found = 0;
    const std::vector<KVCONTROL *> &declared = objects->Declared();
    for (size_t k = 1; k < declared.size(); ++k) {
        KVCONTROL *control = Window(static_cast<int32_t>(k));
        RECT place{};
        if (control && Lazy::IsWindowVisible(control->GetHandle()) &&
            Lazy::GetWindowRect(control->GetHandle(), &place) && screen.x >= place.left &&
            screen.x < place.right && screen.y >= place.top && screen.y < place.bottom)
            found = static_cast<int32_t>(k);
    }
    return found;
}

void FormDesigner::Press(const MSG &message)
{
    // The press never reaches a window that would activate the preview.
    HWND form = objects->Form().GetHandle();
    if (Lazy::GetActiveWindow() != form) {
        Lazy::SetForegroundWindow(form);
        Lazy::SetActiveWindow(form);
    }
    if (Lazy::GetFocus() != form)
        Lazy::SetFocus(form);
    // A drag whose capture went elsewhere ends where it got to.
    if (drag)
        Release();
    if (!InStep())
        return;
    const int32_t handle = selected != 0 ? frame.HandleAt(message.pt) : -1;
    const int32_t object = handle >= 0 ? selected : ObjectAt(message.pt);
    const bool second =
        handle < 0 && object == lastPressObject && message.time - lastPressTime <= Lazy::GetDoubleClickTime();
    lastPressObject = second || handle >= 0 ? -1 : object;
    lastPressTime = message.time;
    if (object != selected)
        Select(object);
    if (second) {
        ShowDeclaration();
        return;
    }
    if (object == 0)
        return;
    const PlaceRect place = PlaceOf(object);
    drag = Drag{object, handle, message.pt, place, place, false};
    Lazy::SetCapture(objects->Form().GetHandle());
}

void FormDesigner::DragTo(POINT screen)
{
    // The capture went elsewhere (another window activated): the drag ends.
    if (Lazy::GetCapture() != objects->Form().GetHandle()) {
        Release();
        return;
    }
    const int32_t dx = screen.x - drag->start.x, dy = screen.y - drag->start.y;
    if (!drag->started && std::abs(dx) < DragThreshold && std::abs(dy) < DragThreshold)
        return;
    // A place set by an expression is refused as the drag begins, not at
    // its end; a click only selects.
    if (!drag->started && !Movable(drag->object, drag->handle >= 0)) {
        drag.reset();
        Lazy::ReleaseCapture();
        return;
    }
    drag->started = true;
    const int32_t grid = SnapToGrid && !Held(VK_MENU) ? DesignGrid : 0;
    const PlaceRect now = DraggedPlace(drag->origin, drag->handle, dx, dy, grid);
    if (!(now != drag->now))
        return;
    drag->now = now;
    Window(drag->object)->SetBounds(now.left, now.top, now.width, now.height);
    frame.Mark(*Window(drag->object));
    host.status(DescribeSelection(outline->Objects()[static_cast<size_t>(drag->object)], now));
}

void FormDesigner::Release()
{
    const Drag ended = *drag;
    drag.reset();
    if (Lazy::GetCapture() == objects->Form().GetHandle())
        Lazy::ReleaseCapture();
    if (!(ended.now != ended.origin))
        return;
    if (InStep()) {
        Place(ended.object, ended.origin, ended.now, ended.handle >= 0);
        return;
    }
    const PlaceRect &back = ended.origin;
    Window(ended.object)->SetBounds(back.left, back.top, back.width, back.height);
    ShowSelection();
}
