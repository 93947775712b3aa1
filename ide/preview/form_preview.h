// The editor's live preview of the form being edited: built from the text
// by the form compiler's own reading, shown in a modeless window that the
// editor owns, and rebuilt in place on every request.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "event_table.h"
#include "form_designer.h"
#include "kvform.h"
#include "kvstring.h"

class PreviewObjects;

// What one request came to, for the editor to announce.
struct PreviewReport {
    // Empty when the preview is shown; else the error, with the form file's
    // line (0 when it belongs to none).
    std::string error;
    int32_t errorLine = 0;
    // Property lines not applied, and the first of them.
    int32_t skippedLines = 0;
    int32_t firstSkippedLine = 0;
    // "Name (Type)" of the objects that have no place in the window.
    std::vector<std::string> notShown;
    // Controls and menu items not built past the preview's limit.
    int32_t leftOut = 0;

    bool Shown() const { return error.empty(); }
    // One line for the user.
    std::string Summary() const;
};

class FormPreview {
  public:
    // `owner` is the editor's form, which owns the preview window; the
    // designer in the preview changes the text through `host`.
    explicit FormPreview(KVFORM &owner, DesignHost host = {});
    ~FormPreview();

    // Builds the preview of `text` and shows it, without taking the
    // activation (unless the previous one had it), where the previous one
    // was when it was last restored (not minimised or maximised), also
    // when that one was closed or failed since; on an error nothing is
    // shown and an open preview is closed. While the keyboard is in the
    // preview, the owner's shortcuts act, and the preview's menus have none
    // of their own; the designer has its mouse and keys.
    PreviewReport Show(const KVSTRING &text, const EventTable &events);
    // As Show, for a text that changed while the preview is open: on an
    // error the last good preview stays.
    PreviewReport Follow(const KVSTRING &text, const EventTable &events);
    // Closes the preview window, if one is open.
    void Close();
    // The open preview's form, or null.
    KVFORM *Window();
    // The designer of the open preview, or null.
    FormDesigner *Designer();
    // The user is dragging in the preview or sizing its frame: a new
    // preview now would end that in the middle.
    bool Busy();
    // Activates the open preview, whose form then has the keyboard.
    void TakeKeyboard();
    // Whether the mouse snaps to the designer's grid, in every preview.
    void SnapToGrid(bool on) { designer.SnapToGrid = on; }

  private:
    PreviewReport Build(const KVSTRING &text, const EventTable &events, bool keepOnError);

    KVFORM &owner;
    std::unique_ptr<PreviewObjects> current;
    FormDesigner designer;
    // Where the last preview was when last restored, kept after it closed.
    std::optional<RECT> lastFrame;
};
