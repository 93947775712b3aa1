// kvf, the form compiler: translates every form file named on its command
// line into the source of a Kelvo class, in order, and stops at the first
// error.
#include <cstdio>

#include "compile_form.h"
#include "event_table.h"
#include "kvfile.h"
#include "program_location.h"
#include "report_error.h"
#include "startup.h"

namespace {

// The event table "kvf.evt" beside the program; ends the program when it is
// missing or malformed.
void LoadEventTable(EventTable &events)
{
    KVFILE file;
    if (file.Open(ProgramDirectory() + "kvf.evt", 0) == 0) {
        std::printf("Required file 'kvf.evt' was not found\n");
        EndProgram(1);
    }
    if (events.Load(file) == EventTableLoad::BadFormat) {
        std::printf("Error reading 'kvf.evt': bad file format\n");
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
