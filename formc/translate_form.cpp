#include "translate_form.h"

#include "class_writer.h"
#include "form_nesting.h"
#include "line_classifier.h"
#include "text_line_reader.h"
#include "text_view.h"

namespace {

// One translation: the line count, the nesting and the writer.
class FormTranslation {
  public:
    FormTranslation(KVSTREAM &output, const EventTable &events) : events(events), writer(output) {}

    std::optional<FormError> Run(KVSTREAM &input)
    {
        std::optional<FormError> error = TranslateLines(input);
        // What was written before an error stays written. A write that failed
        // held text of earlier lines, so its error comes first; the writes
        // run on, and a failure may only be known once they are done.
        writer.Flush();
        if (writer.Failed())
            error = FormError{FormMessage::CannotWriteOutput, 0};
        return error;
    }

  private:
    std::optional<FormError> TranslateLines(KVSTREAM &input)
    {
        writer.Header();
        TextLineReader reader(input);
        std::string_view line;
        while (reader.Next(line)) {
            ++lineNumber;
            if (const char *message = Translate(TrimBlanks(line)))
                return FormError{message, lineNumber};
            if (writer.Failed())
                return FormError{FormMessage::CannotWriteOutput, 0};
        }
        if (nesting.Depth() > 0)
            return FormError{FormMessage::MissingEnd, lineNumber};
        writer.FinishClass();
        return std::nullopt;
    }

    // Returns the error message of the line, or null.
    const char *Translate(std::string_view line)
    {
        const Statement statement = ClassifyLine(line, nesting.FormDone());
        switch (statement.kind) {
        case StatementKind::PassThrough:
            writer.PassThrough(line);
            return nullptr;
        case StatementKind::End:
            if (const char *message = nesting.Close())
                return message;
            if (nesting.FormDone())
                writer.FinishConstructor();
            return nullptr;
        case StatementKind::FormDeclaration:
            if (const char *message = nesting.OpenForm(statement.left))
                return message;
            writer.ClassHead(nesting.FormName());
            return nullptr;
        case StatementKind::ControlDeclaration:
            if (const char *message = nesting.OpenControl(statement.left))
                return message;
            writer.Control(line, statement.left,
                           nesting.Depth() == 2 ? std::string_view() : nesting.Parent());
            return nullptr;
        case StatementKind::Property:
            if (const char *message = nesting.CheckProperty())
                return message;
            writer.Property(nesting.Owner(), line);
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
        writer.EventHandler(event, handler, slot->RecordClass);
        return nullptr;
    }

    const EventTable &events;
    ClassWriter writer;
    FormNesting nesting;
    int32_t lineNumber = 0;
};

} // namespace

std::optional<FormError> TranslateForm(KVSTREAM &input, KVSTREAM &output, const EventTable &events)
{
    FormTranslation translation(output, events);
    return translation.Run(input);
}
