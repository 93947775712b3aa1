// The editor's live preview of the form being edited: built from the text
// by the form compiler's own reading, shown in a modeless window that the
// editor owns, and rebuilt in place on every request.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "event_table.h"
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
    // `owner` is the editor's form, which owns the preview window.
    explicit FormPreview(KVFORM &owner);
    ~FormPreview();

    // Builds the preview of `text` and shows it, without taking the
    // activation, where the previous one was when it was last restored (not
    // minimised or maximised); on an error nothing is shown and an open
    // preview is closed. While the keyboard is in the preview, the owner's
    // shortcuts act, and the preview's menus have none of their own.
    PreviewReport Show(const KVSTRING &text, const EventTable &events);
    // Closes the preview window, if one is open.
    void Close();
    // The open preview's form, or null.
    KVFORM *Window();

  private:
    KVFORM &owner;
    std::unique_ptr<PreviewObjects> current;
};
