#include "kvo_on_path.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>

namespace {

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

void SetVariable(const std::string &name, const std::string &value)
{
    // Both the C runtime's copy and the process block, which system() and
    // the command processor see.
    _putenv((name + "=" + value).c_str());
    SetEnvironmentVariableA(name.c_str(), value.c_str());
}

} // namespace

KvoOnPath::KvoOnPath()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    char file[MAX_PATH] = {};
    GetTempFileNameA(temp, "kvo", 0, file);
    record = file;
    const char *path = std::getenv("PATH");
    previousPath = path != nullptr ? path : "";
    SetVariable("PATH", ProgramFolder() + ";" + previousPath);
    SetVariable("KVO_RECORD", record);
}

KvoOnPath::~KvoOnPath()
{
    SetVariable("PATH", previousPath);
    DeleteFileA(record.c_str());
}

std::vector<std::vector<std::string>> KvoOnPath::Runs() const
{
    std::vector<std::vector<std::string>> runs;
    std::ifstream in(record, std::ios::binary);
    int count = 0;
    while (in >> count) {
        in.ignore(1);
        std::vector<std::string> arguments(static_cast<size_t>(count));
        for (std::string &argument : arguments)
            std::getline(in, argument);
        runs.push_back(arguments);
    }
    return runs;
}
