// The File commands with real dialogs: opening, saving, Save As, the save
// prompt of New, Exit and the close box, and every failure on the way.
#include <windows.h>

#include "editor_fixture.h"

namespace {

const std::string SavePrompt(const std::string &name)
{
    return "The text in the " + name + " file has changed.\n\nDo you want to save the changes?";
}

} // namespace

TEST_F(EditorTest, OpenedBytesComeBackUnchangedAndASaveClearsTheModifiedFlag)
{
    const std::string original = "one\r\ntwo\nthree\xe9\r";
    scratch.Put("doc one.kvo", original);
    OpenThroughDialog(Path("doc one.kvo"));
    EXPECT_EQ(State(), (DocumentState{"KVO IDE - " + Path("doc one.kvo"), Path("doc one.kvo"), original, true,
                                      false}));

    Type("x");
    EXPECT_TRUE(State().modified);
    Command(form.SaveItem);
    EXPECT_EQ(scratch.Get("doc one.kvo"), "x" + original);
    EXPECT_FALSE(State().modified);

    // Nothing to ask after the save: New goes ahead at once.
    Command(form.NewItem);
    EXPECT_EQ(State(), (DocumentState{"KVO IDE - Untitled", "Untitled", "", false, false}));
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(EditorTest, FilesThatCannotBeOpenedChangeNothing)
{
    scratch.Put("good.kvo", "good");
    scratch.Put("zeros.bin", std::string("a\0b", 3));
    OpenThroughDialog(Path("good.kvo"));
    Type("!");
    const DocumentState before = State();
    for (const char *name : {"missing.kvo", "zeros.bin"}) {
        // The text was changed: the prompt comes first; No goes on.
        answers.MessageBoxAnswer("Save changes", IDNO);
        answers.FileDialogChoose("Open", Path(name));
        answers.MessageBoxAnswer("Open failed", IDOK);
        Command(form.OpenItem);
        EXPECT_EQ(State(), before) << name;
        EXPECT_EQ(answers.Seen().back().text, "Cannot open " + Path(name)) << name;
    }
    // A name from the command line is made full; a bad one fails alike.
    form.Memo.SetModified(KvFalse);
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(scratch.path.string().c_str());
    form.OpenNamedFile("good.kvo");
    answers.MessageBoxAnswer("Open failed", IDOK);
    const DocumentState opened = State();
    form.OpenNamedFile("missing.kvo");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(opened,
              (DocumentState{"KVO IDE - " + Path("good.kvo"), Path("good.kvo"), "good", true, false}));
    EXPECT_EQ(State(), opened);
    EXPECT_EQ(answers.Seen().back().text, "Cannot open " + Path("missing.kvo"));
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(EditorTest, AFailedSaveSaysSoKeepsTheTextAndCancelsTheCommand)
{
    scratch.Put("locked.kvo", "on disk");
    OpenThroughDialog(Path("locked.kvo"));
    SetFileAttributesA(Path("locked.kvo").c_str(), FILE_ATTRIBUTE_READONLY);
    Type("edited ");
    const DocumentState edited = State();

    answers.MessageBoxAnswer("Save failed", IDOK);
    Command(form.SaveItem);
    EXPECT_EQ(answers.Seen().back().text, "Cannot save " + Path("locked.kvo"));
    EXPECT_EQ(State(), edited);

    // Yes to the prompt of New and Exit: the save fails, so neither goes on.
    for (KVMENUITEM *command : {&form.NewItem, &form.ExitItem}) {
        answers.MessageBoxAnswer("Save changes", IDYES);
        answers.MessageBoxAnswer("Save failed", IDOK);
        Command(*command);
        EXPECT_EQ(State(), edited);
        EXPECT_TRUE(IsWindow(form.GetHandle()));
    }
    SetFileAttributesA(Path("locked.kvo").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(scratch.Get("locked.kvo"), "on disk");
    EXPECT_EQ(answers.Seen()[2].text, SavePrompt(Path("locked.kvo")));
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(EditorTest, SaveAsNamesTheDocumentOnlyOnceTheFileIsWritten)
{
    Type("hello");
    scratch.Put("locked.kvo", "on disk");
    SetFileAttributesA(Path("locked.kvo").c_str(), FILE_ATTRIBUTE_READONLY);
    // The dialog's own question before replacing a file is its business.
    form.FileDialog.OverwritePrompt = KvFalse;
    answers.FileDialogChoose("Save As", Path("locked.kvo"));
    answers.MessageBoxAnswer("Save failed", IDOK);
    Command(form.SaveAsItem);
    EXPECT_EQ(State(), (DocumentState{"KVO IDE - Untitled", "Untitled", "hello", false, true}));
    SetFileAttributesA(Path("locked.kvo").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(scratch.Get("locked.kvo"), "on disk");

    answers.FileDialogChoose("Save As", Path("new.kvo"));
    Command(form.SaveAsItem);
    EXPECT_EQ(State(),
              (DocumentState{"KVO IDE - " + Path("new.kvo"), Path("new.kvo"), "hello", true, false}));
    EXPECT_EQ(scratch.Get("new.kvo"), "hello");

    // A cancelled dialog changes nothing.
    Type("!");
    const DocumentState named = State();
    answers.FileDialogCancel("Save As");
    Command(form.SaveAsItem);
    EXPECT_EQ(State(), named);
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(EditorTest, YesForAnUntitledDocumentRunsSaveAsAndItsCancelCancelsTheCommand)
{
    Type("draft");
    answers.MessageBoxAnswer("Save changes", IDYES);
    answers.FileDialogCancel("Save As");
    Command(form.NewItem);
    EXPECT_EQ(State(), (DocumentState{"KVO IDE - Untitled", "Untitled", "draft", false, true}));
    EXPECT_EQ(answers.Seen()[0].text, SavePrompt("Untitled"));

    answers.MessageBoxAnswer("Save changes", IDYES);
    answers.FileDialogChoose("Save As", Path("draft.kvo"));
    Command(form.NewItem);
    EXPECT_EQ(scratch.Get("draft.kvo"), "draft");
    EXPECT_EQ(State(), (DocumentState{"KVO IDE - Untitled", "Untitled", "", false, false}));

    // Cancel at the prompt keeps everything; No discards the text.
    Type("more");
    const DocumentState typed = State();
    answers.MessageBoxAnswer("Save changes", IDCANCEL);
    Command(form.NewItem);
    EXPECT_EQ(State(), typed);
    answers.MessageBoxAnswer("Save changes", IDNO);
    Command(form.NewItem);
    EXPECT_EQ(State().text, "");
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST(EditorWindow, CloseBoxAndExitAskFirstAndCancelKeepsTheWindow)
{
    // Closing saves the window's settings: into a key of this test's own.
    IsolatedSettings settings;
    for (bool closeBox : {true, false}) {
        KVMAINFORM form;
        DialogAnswerer answers;
        SendMessageA(form.Memo.GetHandle(), WM_CHAR, 'x', 1);
        const auto close = [&] {
            if (closeBox)
                SendMessageA(form.GetHandle(), WM_CLOSE, 0, 0);
            else
                SendMessageA(form.GetHandle(), WM_COMMAND, form.ExitItem.GetID(), 0);
        };
        answers.MessageBoxAnswer("Save changes", IDCANCEL);
        close();
        EXPECT_TRUE(IsWindow(form.GetHandle())) << closeBox;
        EXPECT_EQ(form.Memo.GetText(), "x");
        answers.MessageBoxAnswer("Save changes", IDNO);
        close();
        EXPECT_EQ(form.GetHandle(), nullptr) << closeBox;
        EXPECT_TRUE(answers.AllAnswered());
        EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
    }
}

TEST_F(EditorTest, TheMemoFillsTheClientAreaAndTakesMoreThanTheDefaultLimit)
{
    form.SetWidth(640);
    form.SetHeight(480);
    EXPECT_EQ(form.Memo.GetWidth(), form.GetClientWidth());
    EXPECT_EQ(form.Memo.GetHeight() + form.StatusBar.Height(), form.GetClientHeight());
    // The status bar follows the bottom edge.
    EXPECT_EQ(form.StatusBar.Message.GetTop() + form.StatusBar.Message.GetHeight(), form.GetClientHeight());
    EXPECT_GT(form.GetClientWidth(), 600);

    const std::string pasted(40000, 'p');
    SendMessageA(form.Memo.GetHandle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pasted.c_str()));
    Type("q");
    EXPECT_EQ(form.Memo.GetText().Len(), 40001);
}
