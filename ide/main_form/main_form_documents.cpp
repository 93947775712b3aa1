// The File commands: one document at a time, its text in the memo and its
// name in the file dialog's FileName ("Untitled" until it has a file).
#include <windows.h>

#include "document_file.h"
#include "editor_messages.h"
#include "main_form.h"
#include "wait_cursor.h"

namespace {

const char *const UntitledName = "Untitled";

// MB_YESNOCANCEL | MB_ICONEXCLAMATION
constexpr uint32_t SavePromptFlags = 0x33;
// MB_OK | MB_ICONEXCLAMATION
constexpr uint32_t FailureFlags = 0x30;
// MB_YESNO | MB_ICONQUESTION
constexpr uint32_t CreatePromptFlags = 0x24;

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
    switch (MessageBox(EditorMessage::SaveChangesQuestion(FileDialog.FileName),
                       EditorMessage::SaveChangesTitle, SavePromptFlags)) {
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
    ForgetPreview();
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

// A name that no file has yet may be meant for a new one, as in notepad:
// the document gets the name, and the first Save makes the file.
void KVMAINFORM::OpenNamedFile(const KVSTRING &fileName)
{
    const KVSTRING fullName = FullPathOf(fileName);
    if (GetFileAttributesA(fullName.Data()) != INVALID_FILE_ATTRIBUTES ||
        GetLastError() != ERROR_FILE_NOT_FOUND) {
        LoadFile(fullName);
        return;
    }
    if (MessageBox(EditorMessage::CreateFileQuestion(fullName), EditorMessage::CreateFileTitle,
                   CreatePromptFlags) != IDYES)
        return;
    Memo.SetText("");
    FileDialog.FileName = fullName;
    SaveItem.SetEnabled(KvTrue);
    UpdateCaption();
}

void KVMAINFORM::FileSave(KvEvent &) { SaveCurrentFile(); }

void KVMAINFORM::FileSaveAs(KvEvent &) { SaveUnderNewName(); }

bool KVMAINFORM::LoadFile(const KVSTRING &fileName)
{
    FileFailure failure;
    {
        const WaitCursor wait;
        KVSTRING text;
        failure = ReadDocument(fileName, text);
        if (!failure.Failed()) {
            ForgetPreview();
            Memo.SetText(text);
        }
    }
    if (failure.Failed()) {
        MessageBox(EditorMessage::CannotOpen(fileName, Explain(failure)), EditorMessage::OpenFailedTitle,
                   FailureFlags);
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
        KVSTRING message = EditorMessage::CannotSave(FileDialog.FileName, Explain(result.failure));
        if (Length(result.previousTextCopy) > 0)
            message = message + EditorMessage::PreviousTextKeptIn(result.previousTextCopy);
        MessageBox(message, EditorMessage::SaveFailedTitle, FailureFlags);
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
