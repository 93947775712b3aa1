#include "build_command.h"

#include "main_form.h"

KVSTRING BuildCommandLine(const KVSTRING &fileName) { return KVSTRING("kvo \"") + fileName + "\""; }

void RunCompiler(const KVSTRING &fileName) { RunCommand(BuildCommandLine(fileName)); }

void KVMAINFORM::BuildCompile(KvEvent &) { RunCompiler(FileDialog.FileName); }

void KVMAINFORM::BuildCompileForm(KvEvent &) { RunCompiler(FileDialog.FileName); }
