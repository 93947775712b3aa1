#include "document_dialog.h"

#include <cstring>
#include <optional>
#include <string>

#include "code_page.h"
#include "editor_messages.h"
#include "win32_api.h"

namespace {

// ANSI text the editor gives the dialog: its own texts and a name it took
// from the code page before.
std::wstring Widen(const char *text, int length)
{
    return WidenExactly(text, length, CP_ACP).value_or(std::wstring());
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

    const std::optional<std::string> name = NarrowExactly(answer.c_str(), CP_ACP);
    if (!name) {
        Lazy::MessageBoxA(record.hwndOwner, EditorMessage::UnusableFileName,
                          EditorMessage::UnusableFileNameTitle, MB_OK | MB_ICONWARNING);
        return KvFalse;
    }
    FileName = KVSTRING(name->data(), static_cast<int32_t>(name->size()));
    return KvTrue;
}
