// The Build menu: Compile and Compile form hand the file to the Kelvo
// compiler; Translate form runs the form compiler on it and reports.
#include "build_command.h"
#include "editor_messages.h"
#include "form_line_selection.h"
#include "form_translation.h"
#include "kvf_location.h"
#include "main_form.h"
#include "wait_cursor.h"

namespace {

// MB_OK | MB_ICONEXCLAMATION
constexpr uint32_t TranslateFailedFlags = 0x30;

} // namespace

void KVMAINFORM::BuildCompile(KvEvent &) { CompileCurrentFile(); }

void KVMAINFORM::BuildCompileForm(KvEvent &) { CompileCurrentFile(); }

// The command processor's console took the keyboard; once it has ended the
// editor takes it back, so that typing goes on in the memo (Wine leaves no
// window in the foreground otherwise).
void KVMAINFORM::CompileCurrentFile()
{
    RunCompiler(FileDialog.FileName);
    Lazy::SetForegroundWindow(Handle);
    Memo.SetFocus();
}

// Changed text is saved first, as Save (or Save As for an untitled
// document) would; a cancelled or failed save runs nothing.
void KVMAINFORM::BuildTranslateForm(KvEvent &)
{
    if (IsUntitled() || Memo.GetModified()) {
        if (!(IsUntitled() ? SaveUnderNewName() : SaveCurrentFile()))
            return;
    }
    const KVSTRING compiler = FindFormCompiler();
    if (Length(compiler) == 0) {
        ShowTranslationResult(EditorMessage::FormCompilerNotFound, true);
        return;
    }
    CapturedRun run{};
    {
        const WaitCursor wait;
        run = RunFormCompiler(compiler, FileDialog.FileName);
    }
    if (!run.started) {
        ShowTranslationResult(EditorMessage::CannotStartFormCompiler(compiler), true);
        return;
    }
    TranslationError error;
    if (FindTranslationError(run.output, error)) {
        if (error.line > 0)
            SelectFormLine(Memo, error.line);
        ShowTranslationResult(KVSTRING(error.message.c_str()), true);
        return;
    }
    if (run.exitCode != 0) {
        ShowTranslationResult(EditorMessage::FormCompilerFailed(KvfFailure(run.output)), true);
        return;
    }
    ShowTranslationResult(EditorMessage::FormTranslated(FileDialog.FileName), false);
}

void KVMAINFORM::ShowTranslationResult(const KVSTRING &message, bool failed)
{
    StatusBar.ShowMessage(message);
    if (failed)
        MessageBox(message, EditorMessage::TranslateFormTitle, TranslateFailedFlags);
}
