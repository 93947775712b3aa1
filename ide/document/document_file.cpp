#include "document_file.h"

#include <cstring>
#include <limits>
#include <string_view>
#include <utility>

#include "code_page.h"
#include "scoped_handle.h"

namespace {

// The folder part of a path, with its trailing separator ("C:\src\" for
// "C:\src\a.kvo"); "." for a bare name, so that temporary files land beside
// the target in every case.
KVSTRING FolderOf(const KVSTRING &fileName)
{
    for (int32_t i = Length(fileName); i >= 1; --i) {
        const char c = fileName.Data()[i - 1];
        if (c == '\\' || c == '/' || c == ':')
            return LeftPart(fileName, i);
    }
    return ".";
}

// A new empty file with a unique name in a folder, deleted when it goes
// unless it was moved to its final name or is kept.
class TemporaryFile {
  public:
    explicit TemporaryFile(const KVSTRING &folder)
    {
        created = GetTempFileNameA(folder.Data(), "kvs", 0, path) != 0;
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;
    ~TemporaryFile()
    {
        if (created && !kept)
            DeleteFileA(path);
    }

    bool Created() const { return created; }
    const char *Path() const { return path; }
    // Fails when a file of that name exists meanwhile: it is not replaced.
    bool MoveTo(const KVSTRING &target)
    {
        kept = MoveFileExA(path, target.Data(), MOVEFILE_WRITE_THROUGH) != 0;
        return kept;
    }
    void Keep() { kept = true; }

  private:
    char path[MAX_PATH] = {};
    bool created = false;
    bool kept = false;
};

using OwnedFile = ScopedHandle<HANDLE, CloseHandle>;

// The error of the call that has just failed; a write that took nothing
// without a reason counts as a write fault.
DWORD LastError()
{
    const DWORD error = GetLastError();
    return error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error;
}

bool WriteToSystem(HANDLE file, const char *bytes, DWORD count)
{
    while (count > 0) {
        DWORD done = 0;
        if (!WriteFile(file, bytes, count, &done, nullptr))
            return false;
        if (done == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes += done;
        count -= done;
    }
    return true;
}

// Writes `text` over an existing file from its start (opening the name
// follows a symbolic link), cuts the file after it and flushes it to the
// disk; the system's error of the first step that fails, else
// ERROR_SUCCESS.
DWORD WriteInPlace(const char *path, const KVSTRING &text, const ByteWriter &write)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return LastError();
    DWORD error = ERROR_SUCCESS;
    if (!write(file, text.Data(), static_cast<DWORD>(text.Len())) || !SetEndOfFile(file) ||
        !FlushFileBuffers(file))
        error = LastError();
    if (!CloseHandle(file) && error == ERROR_SUCCESS)
        error = LastError();
    return error;
}

// The whole file as it is, NUL bytes included.
FileFailure ReadAllBytes(const KVSTRING &fileName, KVSTRING &bytes)
{
    const DWORD attributes = GetFileAttributesA(fileName.Data());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return FileFailure::FromSystem(LastError());
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return {FileFailure::Cause::Folder};
    OwnedFile file;
    HANDLE opened = CreateFileA(fileName.Data(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return FileFailure::FromSystem(LastError());
    file.handle = opened;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.handle, &size))
        return FileFailure::FromSystem(LastError());
    // A string's length and its terminator must fit its 32-bit count.
    if (size.QuadPart >= std::numeric_limits<int32_t>::max())
        return {FileFailure::Cause::TooLarge};
    const auto length = static_cast<DWORD>(size.QuadPart);
    KVSTRING contents(static_cast<int32_t>(length), ' ');
    DWORD total = 0;
    while (total < length) {
        DWORD got = 0;
        if (!ReadFile(file.handle, contents.Data() + total, length - total, &got, nullptr))
            return FileFailure::FromSystem(LastError());
        // The file was cut short meanwhile.
        if (got == 0)
            return FileFailure::FromSystem(ERROR_HANDLE_EOF);
        total += got;
    }
    bytes = std::move(contents);
    return {};
}

SaveResult Failed(const FileFailure &failure, const KVSTRING &previousTextCopy = KVSTRING())
{
    return {false, previousTextCopy, failure};
}

SaveResult SaveNewFile(const KVSTRING &fileName, const KVSTRING &text, const ByteWriter &write)
{
    TemporaryFile temporary(FolderOf(fileName));
    if (!temporary.Created()) {
        // The system calls a folder that is not there an invalid one.
        const DWORD error = LastError();
        return Failed(FileFailure::FromSystem(error == ERROR_DIRECTORY ? ERROR_PATH_NOT_FOUND : error));
    }
    if (const DWORD error = WriteInPlace(temporary.Path(), text, write))
        return Failed(FileFailure::FromSystem(error));
    if (!temporary.MoveTo(fileName))
        return Failed(FileFailure::FromSystem(LastError()));
    return {true, KVSTRING(), {}};
}

SaveResult SaveExistingFile(const KVSTRING &fileName, const KVSTRING &text, const ByteWriter &write)
{
    KVSTRING previous;
    if (const FileFailure failure = ReadAllBytes(fileName, previous); failure.Failed())
        return Failed(failure);
    FileFailure copyFailure{FileFailure::Cause::SafetyCopy, ERROR_SUCCESS, previous.Len()};
    TemporaryFile copy(FolderOf(fileName));
    if (!copy.Created())
        copyFailure.systemError = LastError();
    else
        copyFailure.systemError = WriteInPlace(copy.Path(), previous, write);
    if (copyFailure.systemError != ERROR_SUCCESS)
        return Failed(copyFailure);
    const DWORD error = WriteInPlace(fileName.Data(), text, write);
    if (error == ERROR_SUCCESS)
        return {true, KVSTRING(), {}};
    // The file may not have been touched (it could not be opened), or the
    // old text went back in: then the copy is not needed.
    KVSTRING now;
    if (WriteInPlace(fileName.Data(), previous, write) == ERROR_SUCCESS ||
        (!ReadAllBytes(fileName, now).Failed() && now == previous))
        return Failed(FileFailure::FromSystem(error));
    copy.Keep();
    return Failed(FileFailure::FromSystem(error), copy.Path());
}

} // namespace

bool CodePageKeepsBytes(const KVSTRING &text, UINT codePage)
{
    const std::optional<std::wstring> wide = WidenExactly(text.Data(), text.Len(), codePage);
    const std::optional<std::string> back = wide ? NarrowExactly(*wide, codePage) : std::nullopt;
    return back && *back == std::string_view(text.Data(), static_cast<size_t>(text.Len()));
}

FileFailure ReadDocument(const KVSTRING &fileName, KVSTRING &text)
{
    KVSTRING contents;
    if (const FileFailure failure = ReadAllBytes(fileName, contents); failure.Failed())
        return failure;
    if (std::memchr(contents.Data(), '\0', static_cast<size_t>(contents.Len())) != nullptr)
        return {FileFailure::Cause::NulBytes};
    if (!CodePageKeepsBytes(contents, CP_ACP))
        return {FileFailure::Cause::CodePage};
    text = std::move(contents);
    return {};
}

SaveResult SaveDocument(const KVSTRING &fileName, const KVSTRING &text)
{
    return SaveDocument(fileName, text, WriteToSystem);
}

SaveResult SaveDocument(const KVSTRING &fileName, const KVSTRING &text, const ByteWriter &write)
{
    const DWORD attributes = GetFileAttributesA(fileName.Data());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return SaveNewFile(fileName, text, write);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return Failed({FileFailure::Cause::Folder});
    // Refused as Windows does; Wine, run by root, would write a read-only
    // file.
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return Failed({FileFailure::Cause::ReadOnly});
    return SaveExistingFile(fileName, text, write);
}
