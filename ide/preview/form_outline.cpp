#include "form_outline.h"

#include <algorithm>

#include "form_reader.h"
#include "kvmemorystream.h"
#include "text_view.h"

// Gathers the outline as the form reader accepts the lines.
class OutlineReader : public FormVisitor {
  public:
    explicit OutlineReader(FormOutline &outline) : outline(outline) {}

    void NextLine(int32_t number, size_t start) override
    {
        line = number;
        outline.lineStarts.push_back(start);
    }
    void PassThrough(std::string_view) override {}
    void FormOpened(std::string_view name) override { Open(name, {}); }
    void ControlOpened(std::string_view, std::string_view name, std::string_view type,
                       const FormNesting &) override
    {
        Open(name, type);
    }
    void Closed(const FormNesting &) override
    {
        outline.objects[static_cast<size_t>(open.back())].endLine = line;
        open.pop_back();
    }
    void Property(std::string_view, std::string_view text, int32_t number) override
    {
        const std::string_view name = TrimBlanks(text.substr(0, text.find('=')));
        outline.objects[static_cast<size_t>(open.back())].properties.push_back({std::string(name), number});
    }
    void EventHandler(std::string_view, std::string_view, const EventSlot &) override {}

  private:
    void Open(std::string_view name, std::string_view type)
    {
        OutlineObject object;
        object.name = std::string(name);
        object.type = std::string(type);
        object.parent = open.empty() ? -1 : open.back();
        object.declarationLine = line;
        open.push_back(static_cast<int32_t>(outline.objects.size()));
        outline.objects.push_back(std::move(object));
    }

    FormOutline &outline;
    std::vector<int32_t> open;
    int32_t line = 0;
};

int32_t OutlineObject::LastPropertyLine(std::string_view property) const
{
    for (auto it = properties.rbegin(); it != properties.rend(); ++it) {
        if (SameIgnoringCase(it->name, property))
            return it->line;
    }
    return 0;
}

std::optional<FormOutline> FormOutline::Read(std::string text, const EventTable &events, FormError *error)
{
    FormOutline outline;
    outline.text = std::move(text);
    const std::string &source = outline.text;
    const size_t feed = source.find('\n');
    if (feed != std::string::npos && feed > 0 && source[feed - 1] == '\r')
        outline.lineEnd = "\r\n";

    KVMEMORYSTREAM input(static_cast<int32_t>(source.size()), 64);
    input.Write(source.data(), static_cast<int32_t>(source.size()));
    input.Seek(0);
    OutlineReader reader(outline);
    std::optional<FormError> failure = ReadForm(input, events, reader);
    if (!failure && outline.objects.empty())
        failure = FormError{NoFormDeclaration, 0};
    if (failure) {
        if (error)
            *error = *failure;
        return std::nullopt;
    }
    return outline;
}

int32_t FormOutline::ObjectAtLine(int32_t line) const
{
    const auto found =
        std::lower_bound(objects.begin(), objects.end(), line,
                         [](const OutlineObject &object, int32_t at) { return object.declarationLine < at; });
    if (found == objects.end() || found->declarationLine != line)
        return -1;
    return static_cast<int32_t>(found - objects.begin());
}

bool FormOutline::IsWithin(int32_t object, int32_t ancestor) const
{
    for (; object >= 0; object = objects[static_cast<size_t>(object)].parent) {
        if (object == ancestor)
            return true;
    }
    return false;
}

// A line ends at its line feed, with a carriage return before it, or where
// the next piece of a line too long for one begins.
LineSpan FormOutline::Line(int32_t number) const
{
    const auto index = static_cast<size_t>(number - 1);
    const size_t begin = lineStarts[index];
    const size_t next = index + 1 < lineStarts.size() ? lineStarts[index + 1] : text.size();
    size_t end = next;
    if (end > begin && text[end - 1] == '\n')
        --end;
    if (end > begin && text[end - 1] == '\r' && (end < next || next == text.size()))
        --end;
    return {begin, end, next};
}

std::string_view FormOutline::LineText(int32_t number) const
{
    const LineSpan span = Line(number);
    return std::string_view(text).substr(span.begin, span.end - span.begin);
}

std::string_view FormOutline::Indentation(int32_t number) const
{
    const std::string_view line = LineText(number);
    size_t blanks = 0;
    while (blanks < line.size() && IsBlank(line[blanks]))
        ++blanks;
    return line.substr(0, blanks);
}
