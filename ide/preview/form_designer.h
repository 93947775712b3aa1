// The form designer in the preview: the user selects, moves, resizes, adds
// and deletes controls in the preview's window, and each action becomes one
// small edit of the form's text, which stays the only source of the form.
// The designer reaches the editor only through a DesignHost.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design_edits.h"
#include "event_table.h"
#include "form_outline.h"
#include "selection_frame.h"
#include "system_headers.h"

class PreviewObjects;
class KVCONTROL;

// What the designer asks of the editor that holds the text.
struct DesignHost {
    // The form's text as the editor has it now.
    std::function<std::string()> text;
    // Makes the edit in one step that Undo takes back; the user's selection
    // stays on the same characters.
    std::function<void(const TextEdit &edit)> edit;
    std::function<void(const std::string &message)> status;
    // Selects the line in the editor and gives the editor the keyboard.
    std::function<void(int32_t line)> showLine;
    // Makes the preview anew from the text (a control came or went).
    std::function<void()> rebuild;
};

// The grid that the mouse snaps to and Ctrl+arrows move by, in pixels of
// the parent's client area.
constexpr int32_t DesignGrid = 8;

class FormDesigner {
  public:
    explicit FormDesigner(DesignHost host);
    FormDesigner(const FormDesigner &) = delete;
    FormDesigner &operator=(const FormDesigner &) = delete;
    ~FormDesigner();

    // Designs the preview built from the outline's text: the mouse and keys
    // of its window come to the designer, and the object selected before
    // (by name, as the text still declares it) is selected again, else the
    // form.
    void Attach(PreviewObjects &objects, FormOutline outline, const EventTable &events);
    // The preview goes; what was selected is remembered by name.
    void Detach();
    bool Attached() const { return objects != nullptr; }
    // A press of the mouse on a control has not ended yet.
    bool Dragging() const { return drag.has_value(); }

    // Index of the selected object in the outline (0, the form, at least).
    int32_t Selected() const { return selected; }
    // Selects an object that has a window; says which in the status bar.
    void Select(int32_t object);
    // The next (previous) object with a window in the order of the text,
    // wrapping around.
    void SelectNext(bool backward);
    void SelectParent();
    // Moves the selected control by (dx, dy), or resizes it when `resize`.
    void MoveSelection(int32_t dx, int32_t dy, bool resize);
    // A new control of `type` at the end of the selected container's block
    // (the form's, or the block around the selected control), on a free
    // place of the grid; selected once the preview is made anew.
    void AddControl(std::string_view type, std::string_view textProperty, int32_t width, int32_t height);
    void DeleteSelection();
    // The selection's declaration selected in the editor, which takes the
    // keyboard.
    void ShowDeclaration();
    // The user has sized the preview's frame: the form's Width and Height.
    void FormResized();
    // The mouse and keys of the preview's windows; true for what the
    // designer used.
    bool Filter(MSG &message);

    bool SnapToGrid = true;

  private:
    struct Drag {
        int32_t object;
        // -1 moves the control; else the handle dragged.
        int32_t handle;
        POINT start;
        PlaceRect origin;
        PlaceRect now;
        // The mouse went past the threshold: the control follows it.
        bool started;
    };

    KVCONTROL *Window(int32_t object) const;
    PlaceRect PlaceOf(int32_t object) const;
    // The outline read anew when the editor's text changed meanwhile;
    // false when it no longer matches the preview's objects (the preview
    // is then being made anew).
    bool InStep();
    // Makes the edit in the editor and in the outline.
    void Commit(const TextEdit &edit);
    // Writes the control's new place into its lines and moves its window;
    // a place set by an expression stays, and the status bar says why.
    // `from` is where the text has it, the window may be elsewhere already.
    bool Place(int32_t object, const PlaceRect &from, const PlaceRect &to, bool resizing);
    void ShowSelection();
    void Announce();
    // The object whose window lies at a point of the screen on top; 0, the
    // form, where there is none.
    int32_t ObjectAt(POINT screen) const;
    bool IsContainer(int32_t object) const;
    // `repeated`: the key was already down (held, repeating).
    bool KeyDown(WPARAM key, bool repeated);
    // Whether the text gives the object's place (and size, when resizing)
    // as whole numbers; if not the status bar says which line does not.
    bool Movable(int32_t object, bool resizing);
    bool MouseMessage(const MSG &message);
    void Press(const MSG &message);
    void DragTo(POINT screen);
    void Release();

    DesignHost host;
    PreviewObjects *objects = nullptr;
    std::optional<FormOutline> outline;
    EventTable events;
    int32_t selected = 0;
    std::string selectedName;
    SelectionFrame frame;
    std::optional<Drag> drag;
    // The last press, to tell a double-click whatever the window's class.
    int32_t lastPressObject = -1;
    DWORD lastPressTime = 0;
    // The preview is made anew after an action of the designer's, which the
    // status bar then reports.
    bool announceOnAttach = false;
};
