// The classes of the GUI library that a form preview can build, found by a
// form file's type name without regard to case, and the property setters of
// each that take a literal value.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "kvcontrol.h"
#include "kvmenu.h"
#include "preview_literal.h"

// What a preview object is: the setters reach it through one of these.
struct PreviewTarget {
    KVCONTROL *control = nullptr;
    KVMENUITEM *item = nullptr;
};

struct PropertySetter {
    const char *name;
    // False when the literal is not of the setter's kind.
    bool (*apply)(const PreviewTarget &target, const Literal &value);
};

using SetterList = std::vector<PropertySetter>;

enum class PreviewKind {
    Control,   // a windowed control inside a windowed parent
    MainMenu,  // the form's menu bar
    MenuItem,  // an item or submenu inside a menu
    Invisible, // a component without a window: listed, not shown
};

struct PreviewClass {
    const char *typeName;
    PreviewKind kind;
    // Control classes only.
    std::unique_ptr<KVCONTROL> (*make)();
    // Whether it has the place properties Left, Top, Width and Height.
    bool placed;
    std::vector<const SetterList *> setters;
};

enum class PlaceField { Left, Top, Width, Height };

// The class whose name is `type` in any case, or null.
const PreviewClass *FindPreviewClass(std::string_view type);

// The form itself, and the placeholder drawn for a type the library lacks.
const PreviewClass &FormPreviewClass();
const PreviewClass &PlaceholderPreviewClass();

// The place property named `property` in any case, when the class has a
// place; the builder gathers them into one move of the window.
std::optional<PlaceField> FindPlaceProperty(const PreviewClass &type, std::string_view property);

// Applies `value` through the class's setter named `property` in any case;
// false when there is none or the value does not fit it.
bool ApplyProperty(const PreviewClass &type, const PreviewTarget &target, std::string_view property,
                   const Literal &value);
