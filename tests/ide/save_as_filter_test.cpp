// Save As and the file types: a source file gets the "kvo" extension that
// was not typed, a form file keeps its name as typed.
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
