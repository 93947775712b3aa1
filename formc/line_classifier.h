// Classifies one trimmed line of a form file. The tests run in a fixed
// order and the first that holds decides: pass-through, END, declaration,
// property, event handler, blank, unknown.
#pragma once

#include <string_view>

enum class StatementKind {
    PassThrough,        // after the form, or a comment (') or $ line
    End,                // END, in any case
    FormDeclaration,    // Name AS FORM
    ControlDeclaration, // Name AS Type
    Property,           // holds an equals sign
    EventHandler,       // Event: Handler
    Blank,
    Unknown,
};

struct Statement {
    StatementKind kind = StatementKind::Blank;
    // Declarations: the name and the type; event handlers: the event and the
    // handler. Views into the line, trimmed.
    std::string_view left;
    std::string_view right;
};

Statement ClassifyLine(std::string_view line, bool formDone);
