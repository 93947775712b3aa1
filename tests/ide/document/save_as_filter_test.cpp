// Save As and the file types: a source file gets the "kvo" extension that
// was not typed, a form file keeps its name as typed. And names that the
// code page the editor works in cannot hold.
#include "editor_fixture.h"

TEST_F(EditorTest, SaveAsAddsTheExtensionOnlyUnderTheSourceFileType)
{
    struct Case {
        int fileType;
        const char *typed;
        const char *saved;
    };
    const Case cases[] = {
        {0, "first", "first.kvo"},       {1, "source", "source.kvo"}, {2, "settings", "settings"},
        {2, "dialog.frm", "dialog.frm"}, {1, "main.kvo", "main.kvo"}, {2, "back.kvo", "back.kvo"},
    };
    Type("text");
    for (const Case &test : cases) {
        SCOPED_TRACE(test.typed);
        answers.FileDialogChoose("Save As", Path(test.typed), test.fileType);
        Command(form.SaveAsItem);
        EXPECT_EQ(Text(form.FileDialog.FileName), Path(test.saved));
        EXPECT_EQ(scratch.Get(test.saved), "text");
    }
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

// "Łodz.kvo" has no character for "Ł" in the code page; its look-alike
// "Lodz.kvo" is another file, which neither Save As may overwrite nor Open
// may load in its place.
TEST_F(EditorTest, ANameTheCodePageCannotHoldIsRefusedNotTakenForItsLookAlike)
{
    const std::string other = "another file, not to be touched\r\n";
    scratch.Put("Lodz.kvo", other);
    const std::wstring chosen = scratch.path.wstring() + L"\\\x0141odz.kvo";
    Type("new text");
    const DocumentState typed = State();
    for (KVMENUITEM *item : {&form.SaveAsItem, &form.OpenItem}) {
        SCOPED_TRACE(Text(item->GetCaption()));
        const bool open = item == &form.OpenItem;
        if (open)
            answers.MessageBoxAnswer("Save changes", IDNO);
        answers.FileDialogChooseWide(open ? "Open" : "Save As", chosen);
        answers.MessageBoxAnswer("Unusable file name", IDOK);
        Command(*item);
        EXPECT_TRUE(answers.AllAnswered());
        EXPECT_EQ(State(), typed);
        EXPECT_EQ(scratch.Get("Lodz.kvo"), other);
    }
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}
