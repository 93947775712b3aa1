#include "translate_form.h"

#include "class_writer.h"
#include "form_reader.h"

namespace {

// Writes the class source of each line the reader accepts.
class FormTranslation : public FormVisitor {
  public:
    explicit FormTranslation(KVSTREAM &output) : writer(output) {}

    std::optional<FormError> Run(KVSTREAM &input, const EventTable &events)
    {
        writer.Header();
        std::optional<FormError> error = ReadForm(input, events, *this);
        if (!error)
            writer.FinishClass();
        // What was written before an error stays written. A write that failed
        // held text of earlier lines, so its error comes first; the writes
        // run on, and a failure may only be known once they are done.
        writer.Flush();
        if (writer.Failed())
            error = FormError{FormMessage::CannotWriteOutput, 0};
        return error;
    }

    void PassThrough(std::string_view line) override { writer.PassThrough(line); }

    void FormOpened(std::string_view name) override { writer.ClassHead(name); }

    void ControlOpened(std::string_view declaration, std::string_view name, std::string_view,
                       const FormNesting &nesting) override
    {
        writer.Control(declaration, name, nesting.Depth() == 2 ? std::string_view() : nesting.Parent());
    }

    void Closed(const FormNesting &nesting) override
    {
        if (nesting.FormDone())
            writer.FinishConstructor();
    }

    void Property(std::string_view owner, std::string_view line, int32_t) override
    {
        writer.Property(owner, line);
    }

    void EventHandler(std::string_view event, std::string_view handler, const EventSlot &slot) override
    {
        writer.EventHandler(event, handler, slot.RecordClass);
    }

    std::optional<FormError> Failure() override
    {
        if (writer.Failed())
            return FormError{FormMessage::CannotWriteOutput, 0};
        return std::nullopt;
    }

  private:
    ClassWriter writer;
};

} // namespace

std::optional<FormError> TranslateForm(KVSTREAM &input, KVSTREAM &output, const EventTable &events)
{
    FormTranslation translation(output);
    return translation.Run(input, events);
}
