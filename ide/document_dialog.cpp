#include "document_dialog.h"

#include <cstring>
#include <optional>
#include <string>

#include "win32_api.h"

namespace {

constexpr const char *UnusableNameTitle = "Unusable file name";
constexpr const char *UnusableNameText =
    "The chosen file name has characters that this system's code page cannot hold, so the editor cannot "
    "open or save that file. Choose another name.";

// `length` characters of ANSI text, NULs included, in UTF-16.
std::wstring Widen(const char *text, int length)
{
    if (length == 0)
        return std::wstring();
    const int size = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, length, wide.data(), size);
    return wide;
}

std::wstring Widen(const char *text) { return text ? Widen(text, static_cast<int>(std::strlen(text))) : L""; }

// The filter list up to and including the empty part that ends it.
int FilterLength(const char *filter)
{
    const char *part = filter;
    while (*part)
        part += std::strlen(part) + 1;
    return static_cast<int>(part - filter) + 1;
}

// The name in the ANSI code page when that holds it exactly, character for
// character, without a look-alike in place of any of them.
std::optional<KVSTRING> Narrow(const std::wstring &name)
{
    if (name.empty())
        return KVSTRING();
    const int wideLength = static_cast<int>(name.size());
    BOOL lossy = FALSE;
    const int size =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.data(), wideLength, nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy)
        return std::nullopt;
    KVSTRING narrow(size, '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.data(), wideLength, narrow.Data(), size, nullptr,
                        &lossy);
    if (lossy || Widen(narrow.Data(), narrow.Len()) != name)
        return std::nullopt;
    return narrow;
}

} // namespace

// The dialog appends a given default extension whichever type is chosen.
// An empty one, which is not the same as none, tells it to take the
// extension from the chosen type's pattern instead, and a pattern that
// names none adds nothing: so Wine does, and so the dialog of current
// Windows versions does. (Changing the extension when the type changes,
// through a hook, does not work under Wine, which ignores CDM_SETDEFEXT.)
void KVDOCUMENTDIALOG::PrepareDialog()
{
    KVFILEDIALOG::PrepareDialog();
    if (DialogRecord.lpstrDefExt != nullptr && DialogRecord.lpstrFilter != nullptr)
        DialogRecord.lpstrDefExt = "";
}

KvBool KVDOCUMENTDIALOG::ExecuteOpen() { return ExecuteWide(Lazy::GetOpenFileNameW); }

KvBool KVDOCUMENTDIALOG::ExecuteSave() { return ExecuteWide(Lazy::GetSaveFileNameW); }

// The ANSI record that PrepareDialog fills, carried over into a Unicode one.
KvBool KVDOCUMENTDIALOG::ExecuteWide(WideDialogFunction run)
{
    PrepareDialog();
    const OPENFILENAMEA &record = DialogRecord;
    const std::wstring filter =
        record.lpstrFilter ? Widen(record.lpstrFilter, FilterLength(record.lpstrFilter)) : L"";
    const std::wstring title = Widen(record.lpstrTitle);
    const std::wstring defaultExt = Widen(record.lpstrDefExt);
    std::wstring answer = Widen(record.lpstrFile);
    answer.resize(record.nMaxFile + 1, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    dialog.hwndOwner = record.hwndOwner;
    dialog.lpstrFilter = record.lpstrFilter ? filter.c_str() : nullptr;
    dialog.lpstrFile = answer.data();
    dialog.nMaxFile = record.nMaxFile;
    dialog.Flags = record.Flags;
    dialog.lpstrTitle = record.lpstrTitle ? title.c_str() : nullptr;
    dialog.lpstrDefExt = record.lpstrDefExt ? defaultExt.c_str() : nullptr;
    if (!run(&dialog))
        return KvFalse;

    const std::optional<KVSTRING> name = Narrow(answer.c_str());
    if (!name) {
        Lazy::MessageBoxA(record.hwndOwner, UnusableNameText, UnusableNameTitle, MB_OK | MB_ICONWARNING);
        return KvFalse;
    }
    FileName = *name;
    return KvTrue;
}
