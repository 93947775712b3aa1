#include "compile_form.h"

#include <cstdio>

#include "kvfile.h"
#include "translate_form.h"

std::optional<FormError> CompileForm(const KVSTRING &name, const EventTable &events)
{
    KVFILE output;
    if (output.Open(name + ".kv", KVFILE::Create | KVFILE::ReadWrite) == 0)
        return FormError{FormMessage::CannotCreateOutput, 0};
    KVFILE input;
    if (input.Open(name, 0) == 0)
        return FormError{FormMessage::FileNotFound, 0};
    std::printf("    %s\n", name.Data());

    std::optional<FormError> error = TranslateForm(input, output, events);
    if (output.Close() != 0 && !error)
        error = FormError{FormMessage::CannotWriteOutput, 0};
    return error;
}
