#include "form_reader.h"

#include <cstdint>

#include "line_classifier.h"
#include "text_line_reader.h"
#include "text_view.h"

namespace {

// One reading: the line count and the nesting.
class FormReading {
  public:
    FormReading(const EventTable &events, FormVisitor &visitor) : events(events), visitor(visitor) {}

    std::optional<FormError> Run(KVSTREAM &input)
    {
        TextLineReader reader(input);
        std::string_view line;
        while (reader.Next(line)) {
            // Line numbers are 32-bit in every message.
            if (lineNumber == INT32_MAX)
                return FormError{FormMessage::TooManyLines, 0};
            ++lineNumber;
            visitor.NextLine(lineNumber, reader.LineStart());
            if (const char *message = Read(TrimBlanks(line)))
                return FormError{message, lineNumber};
            if (std::optional<FormError> failure = visitor.Failure())
                return failure;
        }
        if (nesting.Depth() > 0)
            return FormError{FormMessage::MissingEnd, lineNumber};
        return std::nullopt;
    }

  private:
    // Returns the error message of the line, or null.
    const char *Read(std::string_view line)
    {
        const Statement statement = ClassifyLine(line, nesting.FormDone());
        switch (statement.kind) {
        case StatementKind::PassThrough:
            visitor.PassThrough(line);
            return nullptr;
        case StatementKind::End:
            if (const char *message = nesting.Close())
                return message;
            visitor.Closed(nesting);
            return nullptr;
        case StatementKind::FormDeclaration:
            if (const char *message = nesting.OpenForm(statement.left))
                return message;
            visitor.FormOpened(nesting.FormName());
            return nullptr;
        case StatementKind::ControlDeclaration:
            if (const char *message = nesting.OpenControl(statement.left))
                return message;
            visitor.ControlOpened(line, statement.left, statement.right, nesting);
            return nullptr;
        case StatementKind::Property:
            if (const char *message = nesting.CheckProperty())
                return message;
            visitor.Property(nesting.Owner(), line, lineNumber);
            return nullptr;
        case StatementKind::EventHandler:
            return EventHandler(statement.left, statement.right);
        case StatementKind::Blank:
            return nullptr;
        case StatementKind::Unknown:
            break;
        }
        return FormMessage::UnknownStatement;
    }

    const char *EventHandler(std::string_view event, std::string_view handler)
    {
        if (const char *message = nesting.CheckEventHandler())
            return message;
        const EventSlot *slot = events.FindEvent(event);
        if (slot == nullptr)
            return FormMessage::UnknownEvent;
        visitor.EventHandler(event, handler, *slot);
        return nullptr;
    }

    const EventTable &events;
    FormVisitor &visitor;
    FormNesting nesting;
    int32_t lineNumber = 0;
};

} // namespace

std::optional<FormError> ReadForm(KVSTREAM &input, const EventTable &events, FormVisitor &visitor)
{
    FormReading reading(events, visitor);
    return reading.Run(input);
}
