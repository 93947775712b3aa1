// File dialogs, driven from inside their own modal loop: the test finds the
// dialog, reads and fills its name field, confirms or cancels, and answers
// the overwrite question.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui_test_support.h"
#include "kvfiledialog.h"

using namespace std::string_literals;

namespace {

// Controls of the Explorer-style dialog.
constexpr int FileNameField = 1148;
constexpr int FileTypeList = 1136;
// A dialog that never shows ends the test rather than hanging it.
constexpr DWORD DriverPatience = 20000;

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The name field is a ComboBoxEx holding a ComboBox holding the Edit.
HWND EditInside(HWND window)
{
    if (!window || ClassOf(window) == "Edit")
        return window;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HWND edit = EditInside(child))
            return edit;
    }
    return nullptr;
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM found)
{
    if (ClassOf(window) == "#32770" && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND> *>(found)->push_back(window);
    return TRUE;
}

// The visible dialog windows of this thread.
std::vector<HWND> ThreadDialogs()
{
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

void Press(HWND dialog, int button)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

// What the driver saw of the dialog.
struct Seen {
    std::string title;
    std::string shownName;
    HWND owner = nullptr;
    LRESULT fileTypes = -1;
    bool question = false;
};

// Answers one file dialog from a thread timer, which the dialog's own
// message loop runs: types `typed` (unless null) into the name field,
// presses OK or Cancel, and says Yes to a question the dialog asks.
class DialogDriver {
  public:
    DialogDriver(const char *typed, bool confirm) : typed(typed), confirm(confirm), start(GetTickCount())
    {
        current = this;
        timer = SetTimer(nullptr, 0, 30, Poll);
    }
    ~DialogDriver()
    {
        KillTimer(nullptr, timer);
        current = nullptr;
    }

    Seen seen;
    bool timedOut = false;

  private:
    static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD)
    {
        if (current)
            current->Step();
    }

    void Step()
    {
        if (GetTickCount() - start > DriverPatience) {
            timedOut = true;
            for (HWND window : ThreadDialogs())
                Press(window, IDCANCEL);
            return;
        }
        for (HWND window : ThreadDialogs()) {
            if (!dialog && IsWindowEnabled(window))
                Answer(window);
            else if (dialog && GetWindow(window, GW_OWNER) == dialog && !seen.question) {
                seen.question = true;
                Press(window, IDYES);
            }
        }
    }

    void Answer(HWND window)
    {
        dialog = window;
        HWND edit = EditInside(GetDlgItem(dialog, FileNameField));
        seen.title = TextOf(dialog);
        seen.shownName = TextOf(edit);
        seen.owner = GetWindow(dialog, GW_OWNER);
        seen.fileTypes = SendMessageA(GetDlgItem(dialog, FileTypeList), CB_GETCOUNT, 0, 0);
        if (typed)
            SetWindowTextA(edit, typed);
        Press(dialog, confirm ? IDOK : IDCANCEL);
    }

    static DialogDriver *current;
    const char *typed;
    bool confirm;
    DWORD start;
    UINT_PTR timer;
    HWND dialog = nullptr;
};

DialogDriver *DialogDriver::current = nullptr;

// A folder of its own for the files the dialogs choose.
class FileDialogTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "kvfiledialog" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        HANDLE existing = CreateFileA(Path("exists.kvo").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(existing, INVALID_HANDLE_VALUE);
        CloseHandle(existing);
        dialog.SetParent(&form);
    }
    void TearDown() override
    {
        DeleteFileA(Path("exists.kvo").c_str());
        RemoveDirectoryA(folder.c_str());
    }

    std::string Path(const std::string &name) const { return folder + name; }

    // Runs the dialog with the driver answering it.
    KvBool Run(bool save, const char *typed, bool confirm, Seen &seen)
    {
        DialogDriver driver(typed, confirm);
        const KvBool result = save ? dialog.ExecuteSave() : dialog.ExecuteOpen();
        EXPECT_FALSE(driver.timedOut);
        seen = driver.seen;
        return result;
    }

    std::string folder;
    RecorderForm form;
    KVFILEDIALOG dialog;
};

struct DialogCase {
    const char *name;
    bool save;
    const char *fileName;
    std::string filter;
    const char *title;
    const char *defaultExt;
    KvBool overwritePrompt;
    // Typed into the name field after the folder; null leaves the field.
    const char *typed;
    bool confirm;
    const char *shownName;
    const char *shownTitle;
    LRESULT fileTypes;
    // The chosen file in the folder; null for a cancelled dialog.
    const char *chosen;
    bool question;
};

} // namespace

TEST_F(FileDialogTest, DialogsShowTheirPropertiesAndAnswerWithTheChosenPath)
{
    const std::string filter = "Kelvo files\0*.kvo\0All files\0*.*"s;
    const DialogCase cases[] = {
        {"open, confirmed", false, "", "", "", "", KvTrue, "chosen.kvo", true, "", "Open", 0, "chosen.kvo",
         false},
        {"open, cancelled", false, "keep.kvo", filter, "Pick a form", "", KvTrue, "other.kvo", false,
         "keep.kvo", "Pick a form", 2, nullptr, false},
        {"save, default extension", true, "", filter, "", "kvo", KvTrue, "typed", true, "", "Save As", 2,
         "typed.kvo", false},
        {"save over a file, asked", true, "old.kvo", "", "", "", KvTrue, "exists.kvo", true, "old.kvo",
         "Save As", 0, "exists.kvo", true},
        {"save over a file, not asked", true, "", "", "", "", KvFalse, "exists.kvo", true, "", "Save As", 0,
         "exists.kvo", false},
    };
    for (const DialogCase &test : cases) {
        SCOPED_TRACE(test.name);
        dialog.FileName = test.fileName;
        dialog.Filter = KVSTRING(test.filter.data(), static_cast<int32_t>(test.filter.size()));
        dialog.Title = test.title;
        dialog.DefaultExt = test.defaultExt;
        dialog.OverwritePrompt = test.overwritePrompt;
        const std::string typed = Path(test.typed);
        Seen seen;
        const KvBool result = Run(test.save, typed.c_str(), test.confirm, seen);

        EXPECT_EQ(seen.shownName, test.shownName);
        EXPECT_EQ(seen.title, test.shownTitle);
        EXPECT_EQ(seen.owner, form.GetHandle());
        EXPECT_EQ(seen.fileTypes, test.fileTypes);
        EXPECT_EQ(seen.question, test.question);
        EXPECT_EQ(result, ToKvBool(test.chosen));
        const std::string expected = test.chosen ? Path(test.chosen) : test.fileName;
        EXPECT_EQ(std::string(dialog.FileName.Data(), dialog.FileName.Len()), expected);
    }
}

TEST_F(FileDialogTest, RepeatedCancelsLeaveFileNameAsItWas)
{
    dialog.FileName = "keep.kvo";
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        Seen seen;
        EXPECT_EQ(Run(round % 2 == 1, nullptr, false, seen), KvFalse);
        EXPECT_EQ(seen.shownName, "keep.kvo");
        EXPECT_EQ(dialog.FileName, "keep.kvo");
    }
}

// The record the dialog gets, for names of every length: the room after
// the name is NULs, and a name longer than the room is cut to fit.
TEST(FileDialogRecord, PreparedFromThePropertiesWithRoomForTheAnswer)
{
    KVFILEDIALOG dialog;
    dialog.Filter = KVSTRING("Text\0*.txt", 10);
    dialog.Title = "Choose";
    dialog.OverwritePrompt = KvFalse;
    for (int32_t length : {0, 8, LongestDialogAnswer - 1024, LongestDialogAnswer, 40000}) {
        SCOPED_TRACE(length);
        dialog.FileName = KVSTRING(length, 'n');
        dialog.PrepareDialog();
        const OPENFILENAMEA &record = dialog.GetDialogRecord();

        const int32_t room = std::min(length + 1024, LongestDialogAnswer);
        ASSERT_EQ(record.nMaxFile, static_cast<DWORD>(room));
        const std::string answer(record.lpstrFile, static_cast<size_t>(room + 1));
        const size_t kept = static_cast<size_t>(std::min(length, room - 1));
        EXPECT_EQ(answer, std::string(kept, 'n') + std::string(room + 1 - kept, '\0'));
        EXPECT_EQ(dialog.FileName.Len(), length);

        EXPECT_EQ(record.lStructSize, sizeof(void *) == 4 ? 76u : 136u);
        EXPECT_EQ(record.hwndOwner, nullptr);
        EXPECT_EQ(std::string(record.lpstrFilter, 12), "Text\0*.txt\0\0"s);
        EXPECT_EQ(record.Flags, 0u);
        EXPECT_STREQ(record.lpstrTitle, "Choose");
        EXPECT_EQ(record.lpstrDefExt, nullptr);
        EXPECT_EQ(record.nFilterIndex, 0u);
    }
    dialog.Filter = "";
    dialog.Title = "";
    dialog.DefaultExt = "kvo";
    dialog.OverwritePrompt = KvTrue;
    dialog.PrepareDialog();
    EXPECT_EQ(dialog.GetDialogRecord().lpstrFilter, nullptr);
    EXPECT_EQ(dialog.GetDialogRecord().lpstrTitle, nullptr);
    EXPECT_STREQ(dialog.GetDialogRecord().lpstrDefExt, "kvo");
    EXPECT_EQ(dialog.GetDialogRecord().Flags, static_cast<DWORD>(OFN_OVERWRITEPROMPT));
}
