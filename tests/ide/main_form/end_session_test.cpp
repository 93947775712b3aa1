// Log-off and shut-down: the system's question reaches the editor as a real
// message; changed text is saved or given up before the session may end.
#include <windows.h>

#include "editor_fixture.h"

TEST(EditorSession, LogOffAsksForChangedTextAndOnlyACompletedAnswerLetsTheSessionEnd)
{
    struct Case {
        const char *name;
        bool edited;
        // The answer to the save prompt (0: no prompt expected); whether the
        // file is read-only, so that Yes fails.
        int answer;
        bool readOnly;
        bool sessionMayEnd;
        std::string onDisk;
    };
    const Case cases[] = {
        {"unchanged", false, 0, false, true, "on disk"},
        {"Yes", true, IDYES, false, true, "typed on disk"},
        {"No", true, IDNO, false, true, "on disk"},
        {"Cancel", true, IDCANCEL, false, false, "on disk"},
        {"Yes, the save fails", true, IDYES, true, false, "on disk"},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        ScratchDirectory scratch;
        scratch.Put("doc.kvo", "on disk");
        KVMAINFORM form;
        DialogAnswerer answers;
        answers.FileDialogChoose("Open", scratch.File("doc.kvo"));
        SendMessageA(form.GetHandle(), WM_COMMAND, form.OpenItem.GetID(), 0);
        if (test.edited)
            for (char c : std::string("typed "))
                SendMessageA(form.Memo.GetHandle(), WM_CHAR, static_cast<unsigned char>(c), 1);
        if (test.readOnly)
            SetFileAttributesA(scratch.File("doc.kvo").c_str(), FILE_ATTRIBUTE_READONLY);
        if (test.answer != 0)
            answers.MessageBoxAnswer("Save changes", test.answer);
        if (test.readOnly)
            answers.MessageBoxAnswer("Save failed", IDOK);

        const LRESULT mayEnd = SendMessageA(form.GetHandle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        EXPECT_EQ(mayEnd != FALSE, test.sessionMayEnd);
        EXPECT_TRUE(answers.AllAnswered());
        // The system tells every program the outcome; the session ends only
        // when all agreed, and the editor then ends without asking again.
        SendMessageA(form.GetHandle(), WM_ENDSESSION, mayEnd, ENDSESSION_LOGOFF);
        EXPECT_EQ(form.GetHandle() == nullptr, test.sessionMayEnd);
        if (!test.sessionMayEnd) {
            EXPECT_EQ(Text(form.Memo.GetText()), "typed on disk");
        }
        SetFileAttributesA(scratch.File("doc.kvo").c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(scratch.Get("doc.kvo"), test.onDisk);
        EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
    }
}
