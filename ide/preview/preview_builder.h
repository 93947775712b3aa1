// Builds the windows of a form preview from the lines the form reader
// accepts: the form, each control of a library class under the parent its
// nesting gives, placeholders for the types the library lacks, and the
// literal properties applied through their setters. Nothing else of the
// file is run: expressions and unknown properties are counted as skipped,
// event lines only checked by the reader.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form_reader.h"
#include "kvform.h"
#include "kvmenu.h"
#include "preview_classes.h"
#include "preview_form.h"

// One preview's objects, which go together: the form first, then the
// controls and menus in the order they were made.
class PreviewObjects {
  public:
    PreviewObjects();
    PreviewObjects(const PreviewObjects &) = delete;
    PreviewObjects &operator=(const PreviewObjects &) = delete;
    // Destroys the form's window, if the user has not closed it, then the
    // objects, the last made first.
    ~PreviewObjects();

    KVPREVIEWFORM &Form() { return *form; }
    KVCONTROL &Keep(std::unique_ptr<KVCONTROL> control);
    KVPOPUP &Keep(std::unique_ptr<KVPOPUP> menu);
    // The window of each declared object in the order of the declarations,
    // the form first; null for what has none (menus, timers, what was left
    // out).
    const std::vector<KVCONTROL *> &Declared() const { return declared; }
    void Declare(KVCONTROL *window) { declared.push_back(window); }

  private:
    std::unique_ptr<KVPREVIEWFORM> form;
    std::vector<KVCONTROL *> declared;
    std::vector<std::unique_ptr<KVCONTROL>> controls;
    std::vector<std::unique_ptr<KVPOPUP>> menus;
};

// The most windows and menu items one preview builds: a form of many
// thousands would hold the editor for many seconds, and the window system
// has a limit of its own (Windows gives a process 10,000 such objects; Wine's
// server has crashed near 33,000 windows). What comes after is left out.
constexpr int32_t PreviewObjectLimit = 2000;

class PreviewBuilder : public FormVisitor {
  public:
    explicit PreviewBuilder(PreviewObjects &objects);

    void PassThrough(std::string_view line) override;
    void FormOpened(std::string_view name) override;
    void ControlOpened(std::string_view declaration, std::string_view name, std::string_view type,
                       const FormNesting &nesting) override;
    void Closed(const FormNesting &nesting) override;
    void Property(std::string_view owner, std::string_view line, int32_t lineNumber) override;
    void EventHandler(std::string_view event, std::string_view handler, const EventSlot &slot) override;

    bool FormSeen() const { return formSeen; }
    int32_t SkippedLines() const { return skippedLines; }
    int32_t FirstSkippedLine() const { return firstSkippedLine; }
    // "Name (Type)" of each object that has no place in the window.
    const std::vector<std::string> &NotShown() const { return notShown; }
    // The objects not built because the preview reached its limit, with
    // those inside them.
    int32_t LeftOut() const { return leftOut; }

  private:
    // An open declaration: its class (null when it is only listed) and the
    // object the class's setters reach.
    struct Level {
        const PreviewClass *type;
        PreviewTarget target;
        KVPOPUP *menu;
        // Past the limit: its lines are neither applied nor counted.
        bool leftOut = false;
    };

    // A control's place lines, gathered for one move of its window: each
    // of the four setters alone moves it, and a move is a round trip to the
    // window system.
    struct PendingPlace {
        KVCONTROL *control;
        int32_t bounds[4];
    };

    Level Make(std::string_view name, std::string_view type, const Level &parent);
    Level Listed(std::string_view name, std::string_view type);
    // Whether one more window or menu item may be built; when not, the
    // object is counted as left out.
    bool Room();
    // True when the line was a number for a place property; it moves the
    // window later, with the others of its control.
    bool GatherPlace(const Level &level, std::string_view property, const Literal &value);
    // Moves the window whose place lines were gathered, if any.
    void PlaceGathered();

    PreviewObjects &objects;
    std::vector<Level> levels;
    std::optional<PendingPlace> pendingPlace;
    bool formSeen = false;
    int32_t skippedLines = 0;
    int32_t firstSkippedLine = 0;
    std::vector<std::string> notShown;
    int32_t built = 0;
    int32_t leftOut = 0;
};
