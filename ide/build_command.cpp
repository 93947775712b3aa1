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

void KVMAINFORM::BuildCompile(KvEvent &) { RunCompiler(FileDialog.FileName); }

void KVMAINFORM::BuildCompileForm(KvEvent &) { RunCompiler(FileDialog.FileName); }
