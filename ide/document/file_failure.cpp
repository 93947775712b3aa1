#include "file_failure.h"

#include <string>

#include "editor_messages.h"

namespace {

// The system's errors a user meets with files, in the editor's words; any
// other error in the system's own.
struct KnownError {
    DWORD code;
    const char *text;
};

const KnownError KnownErrors[] = {
    {ERROR_FILE_NOT_FOUND, EditorMessage::FileDoesNotExist},
    {ERROR_PATH_NOT_FOUND, EditorMessage::FolderDoesNotExist},
    {ERROR_INVALID_NAME, EditorMessage::InvalidFileName},
    {ERROR_ACCESS_DENIED, EditorMessage::AccessDenied},
    {ERROR_SHARING_VIOLATION, EditorMessage::FileInUse},
    {ERROR_LOCK_VIOLATION, EditorMessage::FileInUse},
    {ERROR_WRITE_PROTECT, EditorMessage::DiskWriteProtected},
    {ERROR_DISK_FULL, EditorMessage::DiskFull},
    {ERROR_HANDLE_DISK_FULL, EditorMessage::DiskFull},
    {ERROR_NOT_ENOUGH_MEMORY, EditorMessage::NotEnoughMemory},
    {ERROR_OUTOFMEMORY, EditorMessage::NotEnoughMemory},
};

bool IsDiskFull(DWORD error) { return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL; }

std::string SystemText(DWORD error)
{
    for (const KnownError &known : KnownErrors) {
        if (known.code == error)
            return known.text;
    }
    char buffer[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        error, 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text.empty() ? EditorMessage::SystemError(error) : text;
}

// Whole kilobytes, rounded up: a copy of a few bytes still needs room.
int64_t Kilobytes(int64_t bytes) { return (bytes + 1023) / 1024; }

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
        text = EditorMessage::FileReadOnly;
        break;
    case FileFailure::Cause::Folder:
        text = EditorMessage::NameIsFolder;
        break;
    case FileFailure::Cause::TooLarge:
        text = EditorMessage::FileTooLarge;
        break;
    case FileFailure::Cause::NulBytes:
        text = EditorMessage::FileHoldsNul;
        break;
    case FileFailure::Cause::CodePage:
        text = EditorMessage::FileBeyondCodePage;
        break;
    case FileFailure::Cause::SafetyCopy:
        text = IsDiskFull(failure.systemError)
                   ? EditorMessage::NoRoomForSafetyCopy(Kilobytes(failure.neededBytes))
                   : EditorMessage::SafetyCopyFailed(SystemText(failure.systemError));
        break;
    }
    return KVSTRING(text.data(), static_cast<int32_t>(text.size()));
}
