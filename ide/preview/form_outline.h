// The objects a form text declares and the lines that belong to each, read
// by the form compiler's own rules: what the form designer needs to change
// the text as exactly as a person editing it would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "event_table.h"
#include "form_messages.h"

// A text of comments and blank lines is a valid form file, but holds no
// form to show or design.
constexpr const char *NoFormDeclaration = "no form declaration";

// A property line of an object: the property's name as written, and the
// line's number.
struct OutlineProperty {
    std::string name;
    int32_t line;
};

struct OutlineObject {
    std::string name;
    // As written; empty for the form.
    std::string type;
    // Index of the enclosing object; -1 for the form.
    int32_t parent = -1;
    int32_t declarationLine = 0;
    int32_t endLine = 0;
    // The lines that set this object's properties, in the order they run
    // (lines inside the blocks of its children belong to those).
    std::vector<OutlineProperty> properties;

    bool IsForm() const { return parent < 0; }
    // The last line that sets `property` (in any case), which is the one
    // that decides its value; 0 when there is none.
    int32_t LastPropertyLine(std::string_view property) const;
};

// Where a line lies in the text: its characters from `begin` to `end`, its
// line end up to `next`, where the next line begins.
struct LineSpan {
    size_t begin;
    size_t end;
    size_t next;
};

class FormOutline {
  public:
    // Reads `text`; an error for a text that the form compiler rejects or
    // that declares no form.
    static std::optional<FormOutline> Read(std::string text, const EventTable &events,
                                           FormError *error = nullptr);

    // The form first, then the controls in the order of their declarations.
    const std::vector<OutlineObject> &Objects() const { return objects; }
    // The object declared at `line`, or -1.
    int32_t ObjectAtLine(int32_t line) const;
    // Whether `object` is `ancestor` or lies inside it.
    bool IsWithin(int32_t object, int32_t ancestor) const;

    LineSpan Line(int32_t number) const;
    // The characters of a line, without its line end.
    std::string_view LineText(int32_t number) const;
    // Blanks at the start of a line.
    std::string_view Indentation(int32_t number) const;
    // The line end the text uses: that of its first line, CR LF or LF.
    std::string_view LineEnd() const { return lineEnd; }
    const std::string &Text() const { return text; }

  private:
    friend class OutlineReader;

    std::string text;
    std::vector<OutlineObject> objects;
    // Where each line begins, the first at index 0.
    std::vector<size_t> lineStarts;
    std::string_view lineEnd = "\n";
};
