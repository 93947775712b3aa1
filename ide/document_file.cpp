#include "document_file.h"

#include <windows.h>

#include <cstring>
#include <utility>

#include "kvfile.h"

namespace {

// The folder part of a path, with its trailing separator ("C:\src\" for
// "C:\src\a.kvo"); "." for a bare name, so the temporary file lands beside
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

// A temporary file that is deleted unless it was moved into place.
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
        if (created && !moved)
            DeleteFileA(path);
    }

    bool Created() const { return created; }
    const char *Path() const { return path; }
    bool MoveOver(const KVSTRING &target)
    {
        moved = MoveFileExA(path, target.Data(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        return moved;
    }

  private:
    char path[MAX_PATH] = {};
    bool created = false;
    bool moved = false;
};

// Writes all of `text` to `path`, flushes it and closes it; false when any
// step fails.
bool WriteAndFlush(const char *path, const KVSTRING &text)
{
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = true;
    const char *next = text.Data();
    DWORD left = static_cast<DWORD>(text.Len());
    while (written && left > 0) {
        DWORD done = 0;
        written = WriteFile(file, next, left, &done, nullptr) != 0 && done > 0;
        next += done;
        left -= done;
    }
    written = written && FlushFileBuffers(file) != 0;
    return CloseHandle(file) != 0 && written;
}

// A read-only target is refused as Windows does; Wine would replace it.
bool IsReadOnly(const KVSTRING &fileName)
{
    const DWORD attributes = GetFileAttributesA(fileName.Data());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

} // namespace

bool ReadDocument(const KVSTRING &fileName, KVSTRING &text)
{
    KVFILE file;
    if (!file.Open(fileName, 0))
        return false;
    const int32_t size = file.Size();
    if (size < 0)
        return false;
    KVSTRING contents(size, ' ');
    const bool whole = file.Read(contents.Data(), size) == size;
    if (file.Close() != 0 || !whole)
        return false;
    if (std::memchr(contents.Data(), '\0', static_cast<size_t>(size)) != nullptr)
        return false;
    text = std::move(contents);
    return true;
}

bool SaveDocument(const KVSTRING &fileName, const KVSTRING &text)
{
    if (IsReadOnly(fileName))
        return false;
    TemporaryFile temporary(FolderOf(fileName));
    return temporary.Created() && WriteAndFlush(temporary.Path(), text) && temporary.MoveOver(fileName);
}
