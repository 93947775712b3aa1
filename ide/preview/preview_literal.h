// The property lines the form preview can apply: "Name = value" where the
// name is a plain identifier and the value a literal (a string in double
// quotes, a whole number, True or False in any case). Anything else is an
// expression that only the running program can evaluate.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "kvbool.h"
#include "kvstring.h"

enum class LiteralKind { Text, Number, Truth };

struct Literal {
    LiteralKind kind = LiteralKind::Number;
    KVSTRING text;      // Text: without its quotes
    int32_t number = 0; // Number
    KvBool truth = KvFalse;
};

struct LiteralAssignment {
    std::string_view property;
    Literal value;
};

// The assignment of a trimmed property line, or nothing when its target or
// value is not that simple.
std::optional<LiteralAssignment> ParseLiteralAssignment(std::string_view line);
