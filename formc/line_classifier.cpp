#include "line_classifier.h"

#include "text_view.h"

namespace {

// The first " AS " in any case (spaces only: tabs around AS do not count).
size_t FindAs(std::string_view line)
{
    for (size_t space = line.find(' '); space != std::string_view::npos && space + 3 < line.size();
         space = line.find(' ', space + 1)) {
        if (UpperCase(line[space + 1]) == 'A' && UpperCase(line[space + 2]) == 'S' && line[space + 3] == ' ')
            return space;
    }
    return std::string_view::npos;
}

}  // namespace

Statement ClassifyLine(std::string_view line, bool formDone)
{
    if (formDone || (!line.empty() && (line[0] == '\'' || line[0] == '$')))
        return {StatementKind::PassThrough, {}, {}};
    if (EqualsUpperCased(line, "END"))
        return {StatementKind::End, {}, {}};
    if (const size_t as = FindAs(line); as != std::string_view::npos) {
        const std::string_view name = TrimBlanks(line.substr(0, as));
        const std::string_view type = TrimBlanks(line.substr(as + 4));
        const bool form = EqualsUpperCased(type, "FORM");
        return {form ? StatementKind::FormDeclaration : StatementKind::ControlDeclaration, name, type};
    }
    if (line.find('=') != std::string_view::npos)
        return {StatementKind::Property, {}, {}};
    if (const size_t colon = line.find(':'); colon != std::string_view::npos)
        return {StatementKind::EventHandler, TrimBlanks(line.substr(0, colon)), TrimBlanks(line.substr(colon + 1))};
    if (line.empty())
        return {StatementKind::Blank, {}, {}};
    return {StatementKind::Unknown, {}, {}};
}
