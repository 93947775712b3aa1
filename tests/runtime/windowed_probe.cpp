// A windowed program whose main procedure checks the recorded instance and
// returns; the process must end with status 0.
#include "app_instance.h"
#include "startup.h"

void KvMain()
{
    if (AppInstance() != GetModuleHandleA(nullptr))
        EndProgram(2);
}
