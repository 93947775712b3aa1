// Translates any bytes as a form with the shipped event table. A finished
// translation ends the class; an error names a line that was read.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "kvfile.h"
#include "kvmemorystream.h"
#include "translate_form.h"

namespace {

const EventTable &ShippedEvents()
{
    static const EventTable table = [] {
        EventTable loaded;
        KVFILE file;
        if (file.Open(KVF_EVENT_TABLE, 0) == 0 || loaded.Load(file) != EventTableLoad::Loaded)
            std::abort();
        return loaded;
    }();
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    KVMEMORYSTREAM input(0, 4096), output(0, 4096);
    input.Write(data, static_cast<int32_t>(size));
    input.Seek(0);
    const std::optional<FormError> error = TranslateForm(input, output, ShippedEvents());

    const KVSTRING text = (output.Seek(0), output.ReadChars(output.Size()));
    const std::string result(text.Data(), static_cast<size_t>(text.Len()));
    const std::string ending = "END CLASS\n";
    if (!error) {
        if (result.size() < ending.size() ||
            result.compare(result.size() - ending.size(), ending.size(), ending) != 0)
            std::abort();
    } else if (error->message == nullptr || error->line < 0 || static_cast<size_t>(error->line) > size + 1) {
        std::abort();
    }
    return 0;
}
