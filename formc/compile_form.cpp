#include "compile_form.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "kvfile.h"
#include "translate_form.h"

namespace {

// Whether both names reach one file (a link): creating the output would
// empty the form before it is read.
bool SameFile(const KVSTRING &first, const KVSTRING &second)
{
    std::error_code ignored;
    return std::filesystem::equivalent(first.Data(), second.Data(), ignored);
}

} // namespace

std::optional<FormError> CompileForm(const KVSTRING &name, const EventTable &events)
{
    const KVSTRING outputName = name + ".kv";
    KVFILE output;
    if (SameFile(name, outputName) || output.Open(outputName, KVFILE::Create | KVFILE::ReadWrite) == 0)
        return FormError{FormMessage::CannotCreateOutput, 0};
    KVFILE input;
    if (input.Open(name, 0) == 0)
        return FormError{FormMessage::FileNotFound, 0};
    std::printf("    %s\n", name.Data());

    std::optional<FormError> error = TranslateForm(input, output, events);
    // A read error ended the form early: whatever the reading made of the
    // rest, the output lacks it.
    if (input.ReadFailed())
        error = FormError{FormMessage::CannotReadInput, 0};
    if (output.Close() != 0 && !error)
        error = FormError{FormMessage::CannotWriteOutput, 0};
    return error;
}
