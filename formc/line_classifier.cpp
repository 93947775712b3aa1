#include "line_classifier.h"

#include "text_view.h"

namespace {

constexpr size_t None = std::string_view::npos;

// What the tests look for, found in one pass over the line: the first " AS "
// in any case (spaces only: tabs around AS do not count), whether there is an
// equals sign, and the first colon.
struct LineMarks {
    size_t as = None;
    bool equals = false;
    size_t colon = None;
};

LineMarks FindMarks(std::string_view line)
{
    LineMarks marks;
    const size_t n = line.size();
    for (size_t k = 0; k < n; ++k) {
        const char c = line[k];
        if (c == ' ') {
            if (marks.as == None && k + 3 < n && UpperCase(line[k + 1]) == 'A' &&
                UpperCase(line[k + 2]) == 'S' && line[k + 3] == ' ')
                marks.as = k;
        } else if (c == '=') {
            marks.equals = true;
        } else if (c == ':' && marks.colon == None) {
            marks.colon = k;
        }
    }
    return marks;
}

} // namespace

Statement ClassifyLine(std::string_view line, bool formDone)
{
    if (formDone || (!line.empty() && (line[0] == '\'' || line[0] == '$')))
        return {StatementKind::PassThrough, {}, {}};
    if (EqualsUpperCased(line, "END"))
        return {StatementKind::End, {}, {}};
    const LineMarks marks = FindMarks(line);
    if (marks.as != None) {
        const std::string_view name = TrimBlanks(line.substr(0, marks.as));
        const std::string_view type = TrimBlanks(line.substr(marks.as + 4));
        const bool form = EqualsUpperCased(type, "FORM");
        return {form ? StatementKind::FormDeclaration : StatementKind::ControlDeclaration, name, type};
    }
    if (marks.equals)
        return {StatementKind::Property, {}, {}};
    if (marks.colon != None)
        return {StatementKind::EventHandler, TrimBlanks(line.substr(0, marks.colon)),
                TrimBlanks(line.substr(marks.colon + 1))};
    if (line.empty())
        return {StatementKind::Blank, {}, {}};
    return {StatementKind::Unknown, {}, {}};
}
