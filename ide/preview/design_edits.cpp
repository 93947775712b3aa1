#include "design_edits.h"

#include <algorithm>

#include "preview_literal.h"
#include "text_view.h"

namespace {

// Pieces of new text for places of the old one, made into one edit at the
// end so that an action is one step of the memo's undo.
class EditBuilder {
  public:
    explicit EditBuilder(std::string_view text) : text(text) {}

    void Replace(size_t offset, size_t removed, std::string inserted)
    {
        pieces.push_back({offset, removed, std::move(inserted)});
    }
    void Insert(size_t offset, std::string inserted) { Replace(offset, 0, std::move(inserted)); }

    // The smallest single edit that turns the text into the new one; none
    // when the two are the same.
    std::optional<TextEdit> Edit()
    {
        std::stable_sort(pieces.begin(), pieces.end(),
                         [](const TextEdit &a, const TextEdit &b) { return a.offset < b.offset; });
        std::string changed;
        size_t copied = 0;
        for (const TextEdit &piece : pieces) {
            changed.append(text, copied, piece.offset - copied);
            changed += piece.inserted;
            copied = piece.offset + piece.removed;
        }
        changed.append(text, copied, std::string_view::npos);

        size_t prefix = 0;
        const size_t shorter = std::min(text.size(), changed.size());
        while (prefix < shorter && text[prefix] == changed[prefix])
            ++prefix;
        size_t suffix = 0;
        while (suffix < shorter - prefix &&
               text[text.size() - 1 - suffix] == changed[changed.size() - 1 - suffix])
            ++suffix;
        if (prefix == text.size() && prefix == changed.size())
            return std::nullopt;
        return TextEdit{prefix, text.size() - prefix - suffix,
                        changed.substr(prefix, changed.size() - prefix - suffix)};
    }

  private:
    std::string_view text;
    std::vector<TextEdit> pieces;
};

// Where the physical line that holds `offset` begins, and where the next
// one begins: a piece of a line too long for the reader is not a line of
// the file, and new lines go between the file's lines.
size_t PhysicalLineStart(std::string_view text, size_t offset)
{
    const size_t feed = offset == 0 ? std::string_view::npos : text.rfind('\n', offset - 1);
    return feed == std::string_view::npos ? 0 : feed + 1;
}

size_t PhysicalLineNext(std::string_view text, size_t offset)
{
    const size_t feed = text.find('\n', offset);
    return feed == std::string_view::npos ? text.size() : feed + 1;
}

// The indentation of the lines inside `object`'s block as written: that
// of its first property line, else of its first non-blank line; none for
// an empty block.
std::optional<std::string_view> WrittenBlockIndentation(const FormOutline &outline, int32_t object)
{
    const OutlineObject &declared = outline.Objects()[static_cast<size_t>(object)];
    if (!declared.properties.empty())
        return outline.Indentation(declared.properties.front().line);
    for (int32_t line = declared.declarationLine + 1; line < declared.endLine; ++line) {
        if (!TrimBlanks(outline.LineText(line)).empty())
            return outline.Indentation(line);
    }
    return std::nullopt;
}

// What the text adds for one level of nesting: learnt from the nearest
// block, `object`'s or an enclosing one's, whose lines are indented deeper
// than its declaration; else two spaces, or a tab in a text indented with
// tabs.
std::string IndentStep(const FormOutline &outline, int32_t object)
{
    for (int32_t at = object; at >= 0; at = outline.Objects()[static_cast<size_t>(at)].parent) {
        const std::string_view declaration =
            outline.Indentation(outline.Objects()[static_cast<size_t>(at)].declarationLine);
        const std::optional<std::string_view> block = WrittenBlockIndentation(outline, at);
        if (block && block->size() > declaration.size() &&
            block->substr(0, declaration.size()) == declaration)
            return std::string(block->substr(declaration.size()));
    }
    const std::string_view own =
        outline.Indentation(outline.Objects()[static_cast<size_t>(object)].declarationLine);
    return !own.empty() && own.back() == '\t' ? "\t" : "  ";
}

std::string BlockIndentation(const FormOutline &outline, int32_t object)
{
    if (const std::optional<std::string_view> written = WrittenBlockIndentation(outline, object))
        return std::string(*written);
    const int32_t line = outline.Objects()[static_cast<size_t>(object)].declarationLine;
    return std::string(outline.Indentation(line)) + IndentStep(outline, object);
}

DesignChange Refusal(std::string reason, int32_t line)
{
    return DesignChange{std::nullopt, std::move(reason), line};
}

} // namespace

DesignChange SetWholeNumbers(const FormOutline &outline, int32_t object,
                             const std::vector<WholeNumberProperty> &properties)
{
    const OutlineObject &declared = outline.Objects()[static_cast<size_t>(object)];
    EditBuilder edit(outline.Text());
    std::string missing;
    const std::string indentation = BlockIndentation(outline, object);
    for (const WholeNumberProperty &property : properties) {
        const std::string number = std::to_string(property.value);
        const int32_t line = declared.LastPropertyLine(property.name);
        if (line == 0) {
            missing +=
                indentation + std::string(property.name) + " = " + number + std::string(outline.LineEnd());
            continue;
        }
        const std::string_view text = outline.LineText(line);
        const std::optional<LiteralAssignment> assignment = ParseLiteralAssignment(TrimBlanks(text));
        if (!assignment || assignment->value.kind != LiteralKind::Number)
            return Refusal(std::string(property.name) + " is set by an expression", line);
        // The value's characters give way to the number; the name, the
        // blanks and the equals sign stay as written.
        const size_t equals = text.find('=');
        const std::string_view value = TrimBlanks(text.substr(equals + 1));
        const size_t valueAt = static_cast<size_t>(value.data() - text.data());
        edit.Replace(outline.Line(line).begin + valueAt, value.size(), number);
    }
    if (!missing.empty())
        edit.Insert(PhysicalLineNext(outline.Text(), outline.Line(declared.declarationLine).begin), missing);
    return DesignChange{edit.Edit(), {}, 0};
}

PlaceRect FindFreePlace(const std::vector<PlaceRect> &taken, int32_t clientWidth, int32_t clientHeight,
                        int32_t width, int32_t height, int32_t grid)
{
    const auto overlaps = [&](int32_t left, int32_t top) {
        return std::any_of(taken.begin(), taken.end(), [&](const PlaceRect &other) {
            return left < other.left + other.width && other.left < left + width &&
                   top < other.top + other.height && other.top < top + height;
        });
    };
    for (int32_t top = grid; top + height <= clientHeight; top += grid) {
        for (int32_t left = grid; left + width <= clientWidth; left += grid) {
            if (!overlaps(left, top))
                return {left, top, width, height};
        }
    }
    return {grid, grid, width, height};
}

std::string FreeControlName(const FormOutline &outline, std::string_view type)
{
    const std::string_view base =
        type.size() > 2 && SameIgnoringCase(type.substr(0, 2), "Kv") ? type.substr(2) : type;
    for (int32_t number = 1;; ++number) {
        const std::string name = std::string(base) + std::to_string(number);
        const auto &objects = outline.Objects();
        if (std::none_of(objects.begin(), objects.end(),
                         [&](const OutlineObject &object) { return SameIgnoringCase(object.name, name); }))
            return name;
    }
}

AddedControl AddControl(const FormOutline &outline, int32_t container, std::string_view type,
                        std::string_view textProperty, const PlaceRect &place)
{
    const OutlineObject &holder = outline.Objects()[static_cast<size_t>(container)];
    const std::string name = FreeControlName(outline, type);
    const std::string outer = BlockIndentation(outline, container);
    const std::string inner = outer + IndentStep(outline, container);
    const std::string end(outline.LineEnd());
    std::string block = outer + name + " AS " + std::string(type) + end;
    block += inner + std::string(textProperty) + " = \"" + name + "\"" + end;
    const WholeNumberProperty bounds[] = {
        {"Left", place.left}, {"Top", place.top}, {"Width", place.width}, {"Height", place.height}};
    for (const WholeNumberProperty &bound : bounds)
        block += inner + std::string(bound.name) + " = " + std::to_string(bound.value) + end;
    block += outer + "END" + end;

    EditBuilder edit(outline.Text());
    edit.Insert(PhysicalLineStart(outline.Text(), outline.Line(holder.endLine).begin), std::move(block));
    return {DesignChange{edit.Edit(), {}, 0}, name};
}

DesignChange DeleteControl(const FormOutline &outline, int32_t object)
{
    const OutlineObject &declared = outline.Objects()[static_cast<size_t>(object)];
    if (declared.IsForm())
        return Refusal("the form itself cannot be deleted", declared.declarationLine);
    const std::string_view text = outline.Text();
    const size_t from = PhysicalLineStart(text, outline.Line(declared.declarationLine).begin);
    const size_t to = PhysicalLineNext(text, outline.Line(declared.endLine).begin);
    EditBuilder edit(text);
    edit.Replace(from, to - from, {});
    return DesignChange{edit.Edit(), {}, 0};
}

std::string ApplyEdit(std::string_view text, const TextEdit &edit)
{
    std::string changed(text.substr(0, edit.offset));
    changed += edit.inserted;
    changed += text.substr(edit.offset + edit.removed);
    return changed;
}
