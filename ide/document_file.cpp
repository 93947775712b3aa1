#include "document_file.h"

#include <cstring>
#include <string_view>
#include <utility>

#include "code_page.h"
#include "kvfile.h"

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

bool WriteToSystem(HANDLE file, const char *bytes, DWORD count)
{
    while (count > 0) {
        DWORD done = 0;
        if (!WriteFile(file, bytes, count, &done, nullptr) || done == 0)
            return false;
        bytes += done;
        count -= done;
    }
    return true;
}

// Writes `text` over an existing file from its start (opening the name
// follows a symbolic link), cuts the file after it and flushes it to the
// disk; false when any step fails.
bool WriteInPlace(const char *path, const KVSTRING &text, const ByteWriter &write)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool written = write(file, text.Data(), static_cast<DWORD>(text.Len())) && SetEndOfFile(file) &&
                         FlushFileBuffers(file);
    return CloseHandle(file) != 0 && written;
}

// The whole file as it is, NUL bytes included.
bool ReadAllBytes(const KVSTRING &fileName, KVSTRING &bytes)
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
    bytes = std::move(contents);
    return true;
}

SaveResult SaveNewFile(const KVSTRING &fileName, const KVSTRING &text, const ByteWriter &write)
{
    TemporaryFile temporary(FolderOf(fileName));
    return {temporary.Created() && WriteInPlace(temporary.Path(), text, write) && temporary.MoveTo(fileName),
            KVSTRING()};
}

SaveResult SaveExistingFile(const KVSTRING &fileName, const KVSTRING &text, const ByteWriter &write)
{
    KVSTRING previous;
    if (!ReadAllBytes(fileName, previous))
        return {};
    TemporaryFile copy(FolderOf(fileName));
    if (!copy.Created() || !WriteInPlace(copy.Path(), previous, write))
        return {};
    if (WriteInPlace(fileName.Data(), text, write))
        return {true, KVSTRING()};
    // The file may not have been touched (it could not be opened), or the
    // old text went back in: then the copy is not needed.
    KVSTRING now;
    if (WriteInPlace(fileName.Data(), previous, write) || (ReadAllBytes(fileName, now) && now == previous))
        return {};
    copy.Keep();
    return {false, copy.Path()};
}

} // namespace

bool CodePageKeepsBytes(const KVSTRING &text, UINT codePage)
{
    const std::optional<std::wstring> wide = WidenExactly(text.Data(), text.Len(), codePage);
    const std::optional<std::string> back = wide ? NarrowExactly(*wide, codePage) : std::nullopt;
    return back && *back == std::string_view(text.Data(), static_cast<size_t>(text.Len()));
}

bool ReadDocument(const KVSTRING &fileName, KVSTRING &text)
{
    KVSTRING contents;
    if (!ReadAllBytes(fileName, contents) ||
        std::memchr(contents.Data(), '\0', static_cast<size_t>(contents.Len())) != nullptr ||
        !CodePageKeepsBytes(contents, CP_ACP))
        return false;
    text = std::move(contents);
    return true;
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
    // Refused as Windows does; Wine, run by root, would write a read-only
    // file.
    if ((attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return {};
    return SaveExistingFile(fileName, text, write);
}
