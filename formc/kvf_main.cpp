// kvf, the form compiler: translates every form file named on its command
// line into the source of a Kelvo class, in order, and stops at the first
// error.
#include <cstdio>

#include "compile_form.h"
#include "event_table.h"
#include "event_table_file.h"
#include "program_location.h"
#include "report_error.h"
#include "startup.h"

namespace {

// The event table "kvf.evt" beside the program; ends the program when it is
// missing or malformed.
void LoadEventTable(EventTable &events)
{
    if (const char *message = LoadEventTableFile(ProgramDirectory() + "kvf.evt", events)) {
        std::printf("%s\n", message);
        EndProgram(1);
    }
}

} // namespace

void KvMain()
{
    UseLineFeedConsole();
    std::printf("Kelvo form compiler version 1.11 - form files to Kelvo classes\n");
    if (ArgCount() < 1) {
        std::printf("Usage: KVF <form-file1> <form-file2> ...\n");
        std::printf("Do not specify extensions in file names!\n");
        EndProgram(0);
    }
    EventTable events;
    LoadEventTable(events);
    std::printf("Processing:\n");
    // Every argument, however many: the index is not limited to 8 bits.
    for (int32_t i = 1; i <= ArgCount(); ++i) {
        const KVSTRING &name = ArgVector.Item(i);
        if (const std::optional<FormError> error = CompileForm(name, events))
            ReportError(error->message, name, error->line, 1);
    }
    std::printf("%d file(s) processed\n", static_cast<int>(ArgCount()));
}
