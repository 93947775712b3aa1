#include "file_failure.h"

#include <string>

namespace {

// The system's errors a user meets with files, in the editor's words; any
// other error in the system's own.
struct KnownError {
    DWORD code;
    const char *text;
};

const KnownError KnownErrors[] = {
    {ERROR_FILE_NOT_FOUND, "The file does not exist."},
    {ERROR_PATH_NOT_FOUND, "The folder does not exist."},
    {ERROR_INVALID_NAME, "The name is not a valid file name."},
    {ERROR_ACCESS_DENIED, "Access is denied."},
    {ERROR_SHARING_VIOLATION, "Another program is using the file."},
    {ERROR_LOCK_VIOLATION, "Another program is using the file."},
    {ERROR_WRITE_PROTECT, "The disk is write-protected."},
    {ERROR_DISK_FULL, "The disk is full."},
    {ERROR_HANDLE_DISK_FULL, "The disk is full."},
    {ERROR_NOT_ENOUGH_MEMORY, "There is not enough memory."},
    {ERROR_OUTOFMEMORY, "There is not enough memory."},
};

bool IsDiskFull(DWORD error) { return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL; }

std::string SystemText(DWORD error)
{
    for (const KnownError &known : KnownErrors) {
        if (known.code == error)
            return known.text;
    }
    char buffer[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                        0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text.empty() ? "System error " + std::to_string(error) + "." : text;
}

// Whole kilobytes, rounded up: a copy of a few bytes still needs room.
std::string Kilobytes(int64_t bytes) { return std::to_string((bytes + 1023) / 1024) + " KB"; }

} // namespace

FileFailure FileFailure::FromSystem(DWORD error)
{
    FileFailure failure;
    failure.cause = Cause::System;
    failure.systemError = error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error;
    return failure;
}

KVSTRING Explain(const FileFailure &failure)
{
    std::string text;
    switch (failure.cause) {
    case FileFailure::Cause::None:
        break;
    case FileFailure::Cause::System:
        text = SystemText(failure.systemError);
        break;
    case FileFailure::Cause::ReadOnly:
        text = "The file is read-only.";
        break;
    case FileFailure::Cause::Folder:
        text = "The name belongs to a folder.";
        break;
    case FileFailure::Cause::TooLarge:
        text = "The file is larger than the editor can hold (2 GB).";
        break;
    case FileFailure::Cause::NulBytes:
        text = "The file holds NUL bytes, which the editor would cut the text at.";
        break;
    case FileFailure::Cause::CodePage:
        text = "The file holds bytes that this system's code page cannot carry, which the editor would change.";
        break;
    case FileFailure::Cause::SafetyCopy:
        text = IsDiskFull(failure.systemError)
                   ? "Not enough room for the safety copy of the old file: " + Kilobytes(failure.neededBytes) +
                         " needed."
                   : "The safety copy of the old file cannot be made beside it: " + SystemText(failure.systemError);
        break;
    }
    return KVSTRING(text.data(), static_cast<int32_t>(text.size()));
}
