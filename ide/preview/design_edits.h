// The form designer's actions as changes of the form's text: each is one
// small, exact edit that leaves every other byte (line ends included) as it
// was, so that the text stays the only source of the form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form_outline.h"

// `removed` characters at `offset` give way to `inserted`.
struct TextEdit {
    size_t offset = 0;
    size_t removed = 0;
    std::string inserted;
};

// What an action comes to: the edit (none when the text already says it),
// or why the text was left alone and which line is the cause.
struct DesignChange {
    std::optional<TextEdit> edit;
    std::string refusal;
    int32_t refusedLine = 0;

    bool Refused() const { return !refusal.empty(); }
};

struct WholeNumberProperty {
    std::string_view name;
    int32_t value;
};

// Gives each property of `object` its whole number: the line that decides
// it gets the new value, and a property without a line gets one after the
// declaration, indented as the block's lines are. Refused when a deciding
// line holds anything but a whole number.
DesignChange SetWholeNumbers(const FormOutline &outline, int32_t object,
                             const std::vector<WholeNumberProperty> &properties);

struct PlaceRect {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
};

// The first place on the grid, row by row from the top left, where a
// control of the given size fits inside the client area and overlaps none
// of `taken`; the first grid point when there is no such place.
PlaceRect FindFreePlace(const std::vector<PlaceRect> &taken, int32_t clientWidth, int32_t clientHeight,
                        int32_t width, int32_t height, int32_t grid);

// The type's name without its "Kv" prefix followed by the lowest number
// that no object of the text is named with (in any case): Button1, Label2.
std::string FreeControlName(const FormOutline &outline, std::string_view type);

struct AddedControl {
    DesignChange change;
    std::string name;
};

// A new block at the end of `container`'s block: the control of `type`
// named by FreeControlName, its `textProperty` (Caption or Text) set to the
// name, and its place.
AddedControl AddControl(const FormOutline &outline, int32_t container, std::string_view type,
                        std::string_view textProperty, const PlaceRect &place);

// Removes the block of `object` with the blocks inside it. Lines elsewhere
// that name it (handlers) stay. The form itself is not removed.
DesignChange DeleteControl(const FormOutline &outline, int32_t object);

// `text` with the edit made.
std::string ApplyEdit(std::string_view text, const TextEdit &edit);
