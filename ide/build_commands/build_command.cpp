#include "build_command.h"

#include "main_form.h"

KVSTRING BuildCommandLine(const KVSTRING &fileName)
{
    KVSTRING line = "kvo \"";
    int32_t start = 0;
    for (int32_t i = 0; i < fileName.Len(); ++i) {
        if (fileName.Data()[i] == '%') {
            line = line + KVSTRING(fileName.Data() + start, i - start) + "\"%\"";
            start = i + 1;
        }
    }
    return line + KVSTRING(fileName.Data() + start, fileName.Len() - start) + "\"";
}

void RunCompiler(const KVSTRING &fileName) { RunCommand(BuildCommandLine(fileName)); }

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
