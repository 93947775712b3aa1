#include "form_translation.h"

#include <windows.h>

#include <cstdlib>

#include "scoped_handle.h"

namespace {

using OwnedHandle = ScopedHandle<HANDLE, CloseHandle>;

// The line kvf starts every run with.
constexpr const char *KvfBanner = "Kelvo form compiler";
// Characters of kvf's output shown at most: a runaway program's output
// would not fit a message box.
constexpr size_t LongestFailure = 500;

// One argument of a command line as the C runtime splits it: quoted, with
// quotes and the backslashes before them escaped.
std::string QuotedArgument(const std::string &argument)
{
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

} // namespace

CapturedRun RunCaptured(const KVSTRING &program, const std::string &commandLine)
{
    CapturedRun run{false, 0, {}};
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    OwnedHandle readEnd;
    OwnedHandle writeEnd;
    if (!CreatePipe(&readEnd.handle, &writeEnd.handle, &inheritable, 0))
        return run;
    // Only the child's end is inherited.
    SetHandleInformation(readEnd.handle, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = writeEnd.handle;
    startup.hStdError = writeEnd.handle;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(program.Data(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        return run;
    run.started = true;
    OwnedHandle processHandle;
    processHandle.handle = process.hProcess;
    CloseHandle(process.hThread);
    // Our copy of the write end goes, so the read ends when the child's does.
    CloseHandle(writeEnd.handle);
    writeEnd.handle = nullptr;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd.handle, buffer, sizeof buffer, &got, nullptr) && got > 0)
        run.output.append(buffer, got);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    run.exitCode = status;
    return run;
}

std::string KvfFailure(const std::string &output)
{
    std::string said;
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        std::string line = output.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.empty() || line.rfind(KvfBanner, 0) == 0)
            continue;
        said += (said.empty() ? "" : " ") + line;
        if (said.size() > LongestFailure) {
            said.resize(LongestFailure);
            said += "...";
            break;
        }
    }
    return said;
}

bool FindTranslationError(const std::string &output, TranslationError &error)
{
    const std::string opening = "Error in file '";
    const size_t start = output.find(opening);
    if (start == std::string::npos)
        return false;
    size_t end = output.find('\n', start);
    if (end == std::string::npos)
        end = output.size();
    if (end > start && output[end - 1] == '\r')
        --end;
    error.message = output.substr(start, end - start);
    error.line = 0;
    const std::string marker = "' at line #";
    const size_t at = error.message.rfind(marker);
    if (at != std::string::npos)
        error.line =
            static_cast<int32_t>(std::strtol(error.message.c_str() + at + marker.size(), nullptr, 10));
    return true;
}

CapturedRun RunFormCompiler(const KVSTRING &compiler, const KVSTRING &fileName)
{
    const std::string name(fileName.Data(), static_cast<size_t>(fileName.Len()));
    return RunCaptured(compiler, QuotedArgument(std::string(compiler.Data())) + " " + QuotedArgument(name));
}
