#include "preview_literal.h"

#include <limits>

#include "text_view.h"

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsIdentifier(std::string_view name)
{
    if (name.empty() || !IsLetter(name[0]))
        return false;
    for (const char c : name) {
        if (!IsLetter(c) && !IsDigit(c))
            return false;
    }
    return true;
}

// An optional minus sign and digits, within 32 bits.
std::optional<int32_t> WholeNumber(std::string_view text)
{
    const bool negative = !text.empty() && text[0] == '-';
    std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty())
        return std::nullopt;
    int64_t value = 0;
    for (const char c : digits) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<Literal> ParseLiteral(std::string_view text)
{
    Literal literal;
    // One quoted string: a quote inside would make it an expression of
    // several strings.
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        const std::string_view inner = text.substr(1, text.size() - 2);
        if (inner.find('"') != std::string_view::npos)
            return std::nullopt;
        literal.kind = LiteralKind::Text;
        literal.text = KVSTRING(inner.data(), static_cast<int32_t>(inner.size()));
        return literal;
    }
    if (EqualsUpperCased(text, "TRUE") || EqualsUpperCased(text, "FALSE")) {
        literal.kind = LiteralKind::Truth;
        literal.truth = EqualsUpperCased(text, "TRUE") ? KvTrue : KvFalse;
        return literal;
    }
    if (const std::optional<int32_t> number = WholeNumber(text)) {
        literal.number = *number;
        return literal;
    }
    return std::nullopt;
}

} // namespace

std::optional<LiteralAssignment> ParseLiteralAssignment(std::string_view line)
{
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view property = TrimBlanks(line.substr(0, equals));
    if (!IsIdentifier(property))
        return std::nullopt;
    std::optional<Literal> value = ParseLiteral(TrimBlanks(line.substr(equals + 1)));
    if (!value)
        return std::nullopt;
    return LiteralAssignment{property, std::move(*value)};
}
