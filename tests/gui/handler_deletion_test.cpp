// Forms, controls and menu items deleted inside the handlers of their own
// events: each case runs in a process of its own (handler_deletion_probe),
// which must go on and deliver a later real click to another form.
#include <gtest/gtest.h>

#include <string>

#include "gui_test_support.h"

namespace {

// The probe's exit status, or STILL_ACTIVE when it did not end in time.
DWORD RunProbe(const std::string &arguments)
{
    std::string commandLine = "\"" + ProgramBeside("handler_deletion_probe.exe") + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return GetLastError();
    DWORD status = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &status);
    else
        TerminateProcess(process.hProcess, STILL_ACTIVE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

} // namespace

TEST(HandlerDeletion, AnObjectDeletedInAHandlerLeavesTheProgramRunning)
{
    // The event and its sender, then what the handler destroys and deletes:
    // the sender itself, its form, or a sibling (form-only: the form object,
    // whose window stays).
    const char *const cases[] = {"close form",
                                 "destroy form",
                                 "form-click form",
                                 "form-mousedown form",
                                 "form-mousedown form-only",
                                 "form-keydown form",
                                 "form-click button",
                                 "button-click button",
                                 "button-click form",
                                 "button-click edit",
                                 "button-mousedown button",
                                 "button-mousedown form",
                                 "edit-keydown edit",
                                 "edit-keydown form",
                                 "edit-keydown button",
                                 "edit-destroy edit",
                                 "menu item",
                                 "menu form",
                                 "menu button",
                                 "accelerator item",
                                 "accelerator form"};
    for (const char *arguments : cases) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(RunProbe(arguments), 0u);
    }
}
