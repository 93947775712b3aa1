#include "kvfiledialog.h"

#include <algorithm>
#include <cstring>

namespace {

// Room beyond the offered name for the dialog's answer.
constexpr int32_t AnswerMargin = 1024;

// The text before the first NUL.
KVSTRING UpToFirstNul(const KVSTRING &text)
{
    const char *start = text.Data();
    const void *nul = std::memchr(start, '\0', static_cast<size_t>(text.Len()));
    return nul ? KVSTRING(start, static_cast<int32_t>(static_cast<const char *>(nul) - start)) : text;
}

const char *OrNull(const KVSTRING &text) { return text.Len() ? text.Data() : nullptr; }

} // namespace

KVFILEDIALOG::KVFILEDIALOG() : DialogRecord() {}

void KVFILEDIALOG::PrepareDialog()
{
    DialogRecord = OPENFILENAMEA();
    DialogRecord.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    KVCONTROL *parent = GetParent();
    DialogRecord.hwndOwner = parent ? parent->GetHandle() : nullptr;

    // Win32 ends the list of filter parts with an empty part.
    FilterList = Filter.Len() ? Filter + KVSTRING(2, '\0') : KVSTRING();
    DialogRecord.lpstrFilter = OrNull(FilterList);

    // Room for an answer 1024 characters longer than FileName, and one NUL
    // beyond it. The room is all NULs after the name, so the dialog shows
    // exactly FileName; a name too long for the room is cut to leave room
    // for its terminator.
    const int32_t room =
        static_cast<int32_t>(std::min<int64_t>(int64_t{FileName.Len()} + AnswerMargin, LongestDialogAnswer));
    Answer = KVSTRING(room + 1, '\0');
    std::memcpy(Answer.Data(), FileName.Data(), static_cast<size_t>(std::min(FileName.Len(), room - 1)));
    DialogRecord.lpstrFile = Answer.Data();
    DialogRecord.nMaxFile = static_cast<DWORD>(room);

    DialogRecord.Flags = OverwritePrompt ? OFN_OVERWRITEPROMPT : 0;
    DialogRecord.lpstrTitle = OrNull(Title);
    DialogRecord.lpstrDefExt = OrNull(DefaultExt);
}

KvBool KVFILEDIALOG::Execute(DialogFunction run)
{
    PrepareDialog();
    if (!run(&DialogRecord))
        return KvFalse;
    FileName = UpToFirstNul(Answer);
    return KvTrue;
}

KvBool KVFILEDIALOG::ExecuteOpen() { return Execute(Lazy::GetOpenFileNameA); }

KvBool KVFILEDIALOG::ExecuteSave() { return Execute(Lazy::GetSaveFileNameA); }
