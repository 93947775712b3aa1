// The File commands with real dialogs: opening, saving, Save As, the save
// prompt of New, Exit and the close box, and every failure on the way.
#include <windows.h>

#include <filesystem>
#include <optional>

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

namespace {

// Holds a file open without sharing it, as another program may.
class FileInUse {
  public:
    explicit FileInUse(const std::string &path)
        : handle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    FileInUse(const FileInUse &) = delete;
    FileInUse &operator=(const FileInUse &) = delete;
    ~FileInUse() { CloseHandle(handle); }

  private:
    HANDLE handle;
};

} // namespace

// Open and Save say which file failed and why, as the system or the editor
// found it; the document stays as it was.
TEST_F(EditorTest, FailedOpensAndSavesSayWhyAndKeepTheDocument)
{
    scratch.Put("good.kvo", "good");
    scratch.Put("zeros.bin", std::string("a\0b", 3));
    scratch.Put("busy.kvo", "busy");
    std::filesystem::create_directory(scratch.path / "folder");
    OpenThroughDialog(Path("good.kvo"));
    Type("!");
    const DocumentState edited = State();
    struct OpenCase {
        const char *name;
        bool throughDialog;
        const char *reason;
    };
    const OpenCase opens[] = {
        {"missing.kvo", true, "The file does not exist."},
        {"no-folder\\a.kvo", false, "The folder does not exist."},
        {"zeros.bin", true, "The file holds NUL bytes, which the editor would cut the text at."},
        {"folder", false, "The name belongs to a folder."},
        {"busy.kvo", true, "Another program is using the file."},
    };
    for (const OpenCase &c : opens) {
        SCOPED_TRACE(c.name);
        const FileInUse busy(Path("busy.kvo"));
        if (c.throughDialog) {
            // The text was changed: the prompt comes first; No goes on.
            answers.MessageBoxAnswer("Save changes", IDNO);
            answers.FileDialogChoose("Open", Path(c.name));
        }
        answers.MessageBoxAnswer("Open failed", IDOK);
        if (c.throughDialog)
            Command(form.OpenItem);
        else
            form.OpenNamedFile(Path(c.name).c_str());
        EXPECT_EQ(State(), edited);
        EXPECT_EQ(answers.Seen().back().text, "Cannot open " + Path(c.name) + "\n\n" + c.reason);
    }

    // A read-only file, then one another program holds.
    for (bool readOnly : {true, false}) {
        SetFileAttributesA(Path("good.kvo").c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
        std::optional<FileInUse> busy;
        if (!readOnly)
            busy.emplace(Path("good.kvo"));
        answers.MessageBoxAnswer("Save failed", IDOK);
        Command(form.SaveItem);
        busy.reset();
        EXPECT_EQ(answers.Seen().back().text,
                  "Cannot save " + Path("good.kvo") + "\n\n" +
                      (readOnly ? "The file is read-only." : "Another program is using the file."));
        EXPECT_EQ(State(), edited);
        EXPECT_EQ(scratch.Get("good.kvo"), "good");
    }
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

// `kvide NAME` for a file that does not exist yet, as notepad does it.
TEST_F(EditorTest, ANameNoFileHasAsksToStartThatFile)
{
    const std::string question =
        "The file " + Path("new.kvo") + " does not exist.\n\nDo you want to create a new file?";
    answers.MessageBoxAnswer("Create file", IDNO);
    form.OpenNamedFile(Path("new.kvo").c_str());
    ASSERT_TRUE(answers.AllAnswered());
    EXPECT_EQ(State(), (DocumentState{"KVO IDE - Untitled", "Untitled", "", false, false}));
    EXPECT_EQ(answers.Seen().back().text, question);

    answers.MessageBoxAnswer("Create file", IDYES);
    form.OpenNamedFile(Path("new.kvo").c_str());
    ASSERT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Seen().back().text, question);
    EXPECT_EQ(State(), (DocumentState{"KVO IDE - " + Path("new.kvo"), Path("new.kvo"), "", true, false}));
    // The file comes with the first Save, not before.
    EXPECT_FALSE(std::filesystem::exists(scratch.path / "new.kvo"));
    Command(form.SaveItem);
    EXPECT_EQ(scratch.Get("new.kvo"), "");
    Type("text");
    Command(form.SaveItem);
    EXPECT_EQ(scratch.Get("new.kvo"), "text");
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(EditorTest, AFailedSaveKeepsTheTextAndCancelsTheCommand)
{
    scratch.Put("locked.kvo", "on disk");
    OpenThroughDialog(Path("locked.kvo"));
    SetFileAttributesA(Path("locked.kvo").c_str(), FILE_ATTRIBUTE_READONLY);
    Type("edited ");
    const DocumentState edited = State();

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
    EXPECT_EQ(answers.Seen()[1].text, SavePrompt(Path("locked.kvo")));
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
