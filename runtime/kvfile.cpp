#include "kvfile.h"

#include <algorithm>
#include <cstring>

#include "platform_file.h"
#include "text_line.h"

namespace {

// Big enough that large files move in few system calls.
constexpr size_t FileBufferSize = 256 * 1024;

const char *OpenModeText(int32_t mode)
{
    switch (mode) {
    case 0:
        return "rb";
    case KVFILE::ReadWrite:
        return "r+b";
    case KVFILE::Create:
        return "wb";
    case KVFILE::Create | KVFILE::ReadWrite:
        return "w+b";
    default:
        return nullptr;
    }
}

} // namespace

KVFILE::~KVFILE() { Close(); }

int32_t KVFILE::SeekFrom(int32_t offset, int32_t origin)
{
    if (handle == nullptr)
        return 0;
    std::fseek(handle, offset, origin);
    lastAccess = Access::None;
    position = std::ftell(handle);
    return static_cast<int32_t>(position);
}

int32_t KVFILE::Position() { return static_cast<int32_t>(position); }

// Bytes still waiting in the buffer end at the position, so the file is as
// long as the system says or reaches at least the position.
int32_t KVFILE::Size()
{
    if (handle == nullptr)
        return 0;
    knownLength = std::max(SystemFileLength(handle), position);
    return static_cast<int32_t>(std::min<int64_t>(knownLength, INT32_MAX));
}

double KVFILE::AtEnd()
{
    if (position < knownLength)
        return 0.0;
    return position >= Size() ? 1.0 : 0.0;
}

int32_t KVFILE::Read(void *buffer, int32_t count)
{
    if (handle == nullptr || count <= 0)
        return 0;
    BeginAccess(Access::Reading);
    const bool errorBefore = std::ferror(handle) != 0;
    const size_t read = std::fread(buffer, 1, static_cast<size_t>(count), handle);
    ForgetReadError(errorBefore);
    Moved(read, read < static_cast<size_t>(count));
    return static_cast<int32_t>(read);
}

KVSTRING KVFILE::ReadLine()
{
    if (handle == nullptr)
        return KVSTRING();
    BeginAccess(Access::Reading);
    char piece[LinePieceLimit + 1];
    const bool errorBefore = std::ferror(handle) != 0;
    const bool read = std::fgets(piece, sizeof piece, handle) != nullptr;
    ForgetReadError(errorBefore);
    if (!read) {
        Moved(0, true);
        return KVSTRING();
    }
    // fgets tells no length. Its NUL follows a line feed or a full piece;
    // any other first NUL is one of the line's own, or the file ended: then
    // the position tells how many bytes the piece holds.
    size_t length = std::strlen(piece);
    if (length < static_cast<size_t>(LinePieceLimit) && (length == 0 || piece[length - 1] != '\n'))
        length =
            static_cast<size_t>(std::clamp<int64_t>(std::ftell(handle) - position, length, LinePieceLimit));
    Moved(length, false);
    return KVSTRING(piece, TrimLineEnd(piece, static_cast<int32_t>(length)));
}

int32_t KVFILE::Write(const void *buffer, int32_t count)
{
    if (handle == nullptr || count <= 0)
        return 0;
    BeginAccess(Access::Writing);
    const size_t written = std::fwrite(buffer, 1, static_cast<size_t>(count), handle);
    Moved(written, false);
    return static_cast<int32_t>(written);
}

void KVFILE::WriteLine(const KVSTRING &s)
{
    if (handle == nullptr)
        return;
    BeginAccess(Access::Writing);
    Moved(std::fwrite(s.Data(), 1, static_cast<size_t>(s.Len()), handle), false);
    Moved(std::fputc('\n', handle) == EOF ? 0 : 1, false);
}

uint8_t KVFILE::Open(const KVSTRING &name, int32_t mode)
{
    const char *modeText = OpenModeText(mode);
    if (modeText == nullptr)
        return 0;
    Close();
    handle = std::fopen(name.Data(), modeText);
    if (handle == nullptr)
        return 0;
    // A directory is no file, on every system.
    if (IsDirectory(handle)) {
        Close();
        return 0;
    }
    std::setvbuf(handle, nullptr, _IOFBF, FileBufferSize);
    readFailed = false;
    position = 0;
    knownLength = std::max<int64_t>(SystemFileLength(handle), 0);
    return 255;
}

uint8_t KVFILE::Close()
{
    if (handle == nullptr)
        return 0;
    // A write that failed earlier, its data lost, fails the close as well.
    const bool writeFailed = std::ferror(handle) != 0;
    const int status = std::fclose(handle);
    handle = nullptr;
    lastAccess = Access::None;
    position = 0;
    knownLength = 0;
    return static_cast<uint8_t>(writeFailed ? EOF : status);
}

void KVFILE::BeginAccess(Access access)
{
    if (lastAccess != Access::None && lastAccess != access)
        std::fseek(handle, 0, SEEK_CUR);
    lastAccess = access;
}

void KVFILE::ForgetReadError(bool errorBefore)
{
    if (errorBefore || !std::ferror(handle))
        return;
    readFailed = true;
    std::clearerr(handle);
}

void KVFILE::Moved(size_t count, bool reachedEnd)
{
    position += static_cast<int64_t>(count);
    // Written bytes lengthen the file; a read that ran short ends it here,
    // even if the file shrank since its length was last seen.
    knownLength = reachedEnd ? position : std::max(knownLength, position);
}
