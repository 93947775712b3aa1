#include "kvf_location.h"

#include <windows.h>

#include "program_location.h"

bool IsFile(const KVSTRING &path)
{
    const DWORD attributes = GetFileAttributesA(path.Data());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

KVSTRING FormCompilerDirectory()
{
    const KVSTRING beside = ProgramDirectory();
    if (Length(beside) > 0 && IsFile(beside + "kvf.exe"))
        return beside;
    char found[MAX_PATH];
    char *name = nullptr;
    const DWORD length = SearchPathA(nullptr, "kvf.exe", nullptr, MAX_PATH, found, &name);
    if (length == 0 || length >= MAX_PATH || name == nullptr)
        return KVSTRING();
    return KVSTRING(found, static_cast<int32_t>(name - found));
}

KVSTRING FindFormCompiler()
{
    const KVSTRING directory = FormCompilerDirectory();
    return Length(directory) > 0 ? directory + "kvf.exe" : KVSTRING();
}
