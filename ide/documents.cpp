// The File commands: one document at a time, its text in the memo and its
// name in the file dialog's FileName ("Untitled" until it has a file).
#include <windows.h>

#include "document_file.h"
#include "main_form.h"
#include "wait_cursor.h"

namespace {

const char *const UntitledName = "Untitled";

// MB_YESNOCANCEL | MB_ICONEXCLAMATION
constexpr uint32_t SavePromptFlags = 0x33;
// MB_OK | MB_ICONEXCLAMATION
constexpr uint32_t FailureFlags = 0x30;

KVSTRING FullPathOf(const KVSTRING &fileName)
{
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(fileName.Data(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return fileName;
    return KVSTRING(full, static_cast<int32_t>(length));
}

} // namespace

bool KVMAINFORM::IsUntitled() { return FileDialog.FileName == UntitledName; }

void KVMAINFORM::UpdateCaption() { SetCaption(KVSTRING("KVO IDE - ") + FileDialog.FileName); }

KvBool KVMAINFORM::AskSaveChanges()
{
    if (!Memo.GetModified())
        return KvTrue;
    const KVSTRING question = KVSTRING("The text in the ") + FileDialog.FileName +
                              " file has changed.\n\nDo you want to save the changes?";
    switch (MessageBox(question, "Save changes", SavePromptFlags)) {
    case IDCANCEL:
        return KvFalse;
    case IDYES:
        return ToKvBool(IsUntitled() ? SaveUnderNewName() : SaveCurrentFile());
    default:
        return KvTrue;
    }
}

void KVMAINFORM::FileNew(KvEvent &)
{
    if (!AskSaveChanges())
        return;
    Memo.SetText("");
    FileDialog.FileName = UntitledName;
    UpdateCaption();
    SaveItem.SetEnabled(KvFalse);
}

void KVMAINFORM::FileOpen(KvEvent &)
{
    if (!AskSaveChanges())
        return;
    const KVSTRING previous = FileDialog.FileName;
    if (!FileDialog.ExecuteOpen())
        return;
    const KVSTRING chosen = FileDialog.FileName;
    FileDialog.FileName = previous;
    LoadFile(chosen);
}

void KVMAINFORM::OpenNamedFile(const KVSTRING &fileName) { LoadFile(FullPathOf(fileName)); }

void KVMAINFORM::FileSave(KvEvent &) { SaveCurrentFile(); }

void KVMAINFORM::FileSaveAs(KvEvent &) { SaveUnderNewName(); }

bool KVMAINFORM::LoadFile(const KVSTRING &fileName)
{
    bool read = false;
    {
        const WaitCursor wait;
        KVSTRING text;
        read = ReadDocument(fileName, text);
        if (read)
            Memo.SetText(text);
    }
    if (!read) {
        MessageBox(KVSTRING("Cannot open ") + fileName, "Open failed", FailureFlags);
        return false;
    }
    FileDialog.FileName = fileName;
    SaveItem.SetEnabled(KvTrue);
    UpdateCaption();
    return true;
}

bool KVMAINFORM::SaveCurrentFile()
{
    const SaveResult result = SaveDocument(FileDialog.FileName, Memo.GetText());
    if (!result.saved) {
        KVSTRING message = KVSTRING("Cannot save ") + FileDialog.FileName;
        if (Length(result.previousTextCopy) > 0)
            message = message + "\n\nIts previous text is in " + result.previousTextCopy;
        MessageBox(message, "Save failed", FailureFlags);
        return false;
    }
    Memo.SetModified(KvFalse);
    return true;
}

bool KVMAINFORM::SaveUnderNewName()
{
    const KVSTRING previous = FileDialog.FileName;
    if (!FileDialog.ExecuteSave())
        return false;
    if (!SaveCurrentFile()) {
        FileDialog.FileName = previous;
        return false;
    }
    UpdateCaption();
    SaveItem.SetEnabled(KvTrue);
    return true;
}
