// Build > Translate form with the real kvf, and the window remembered
// between runs.
#include <climits>
#include <cstdlib>
#include <optional>
#include <string>

#include "editor_fixture.h"
#include "gui_test_support.h"

namespace {

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program = path;
    return program.substr(0, program.find_last_of('\\'));
}

// The PATH as the test wants it for a while: a folder kvf was copied to
// (see CMakeLists.txt) before the rest, or nothing that holds a kvf.
class PathFor {
  public:
    explicit PathFor(const char *kvfFolder)
    {
        const char *path = std::getenv("PATH");
        previous = path ? path : "";
        Set(kvfFolder ? ProgramFolder() + "\\" + kvfFolder + ";" + previous
                      : std::string("C:\\windows\\system32"));
    }
    PathFor(const PathFor &) = delete;
    PathFor &operator=(const PathFor &) = delete;
    ~PathFor() { Set(previous); }

  private:
    static void Set(const std::string &value)
    {
        _putenv(("PATH=" + value).c_str());
        SetEnvironmentVariableA("PATH", value.c_str());
    }
    std::string previous;
};

} // namespace

TEST_F(EditorTest, TranslateFormRunsKvfOnTheSavedFileAndShowsTheErrorLine)
{
    struct Case {
        const char *name;
        // Where the kvf on the PATH is, if any.
        const char *kvfFolder;
        const char *text;
        // Empty when no message box comes.
        const char *boxText;
        const char *status;
        int32_t selectedLine;
    };
    const Case cases[] = {
        {"good", "kvf-folder", "' a form\nMainForm AS FORM\n  Caption = \"Hello\"\nEND\n", "",
         "Form translated: ", 0},
        {"bad", "kvf-folder", "' a form\n' two\nBtn AS KvButton\nEND\n",
         "' at line #3: control outside of the form", "' at line #3: control outside of the form", 3},
        {"lost", nullptr, "MainForm AS FORM\nEND\n", "neither beside kvide nor on the PATH",
         "neither beside kvide nor on the PATH", 0},
        {"no event table", "kvf-alone", "MainForm AS FORM\nEND\n",
         "Translate form: kvf failed: Required file 'kvf.evt' was not found",
         "Translate form: kvf failed: Required file 'kvf.evt' was not found", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PathFor path(c.kvfFolder);
        const std::string file = Path(c.name);
        scratch.Put(c.name, "");
        OpenThroughDialog(file);
        // The changed text is saved before kvf reads it.
        form.Memo.SetText(c.text);
        form.Memo.SetModified(KvTrue);
        if (*c.boxText)
            answers.MessageBoxAnswer("Translate form", IDOK);
        Command(form.TranslateFormItem);
        EXPECT_TRUE(answers.AllAnswered());
        EXPECT_EQ(scratch.Get(c.name), c.text);
        EXPECT_FALSE(form.Memo.GetModified());
        const std::string status = Text(form.StatusBar.Message.GetCaption());
        EXPECT_NE(status.find(c.status), std::string::npos) << status;
        if (*c.boxText) {
            EXPECT_NE(answers.Seen().back().text.find(c.boxText), std::string::npos);
        }
        if (*c.boxText == '\0') {
            EXPECT_NE(status.find(file + ".kv"), std::string::npos) << status;
            EXPECT_NE(scratch.Get(std::string(c.name) + ".kv").find("MainForm"), std::string::npos);
        }
        if (c.selectedLine > 0) {
            const KVSTRING line = form.Memo.GetLine(c.selectedLine);
            EXPECT_EQ(form.Memo.GetSelText(), line);
            EXPECT_EQ(form.Memo.GetSelStart(), form.Memo.LineIndex(c.selectedLine) - 1);
        }
    }
    // An untitled text whose Save As is cancelled runs nothing.
    PathFor path("kvf-folder");
    Command(form.NewItem);
    form.Memo.SetText("MainForm AS FORM\nEND\n");
    answers.FileDialogCancel("Save As");
    form.StatusBar.ShowMessage("before");
    Command(form.TranslateFormItem);
    EXPECT_EQ(form.StatusBar.Message.GetCaption(), "before");
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST(WindowSettingsTest, PlacementWrapAndStatusBarAreSavedAtTheEndAndRestoredUnlessOffScreen)
{
    IsolatedSettings isolated;
    RECT firstStart{};
    {
        KVMAINFORM form;
        GetWindowRect(form.GetHandle(), &firstStart);
        // The system's default size, not the library's 400 x 300.
        EXPECT_GT(firstStart.right - firstStart.left, 400);
        EXPECT_GT(firstStart.bottom - firstStart.top, 300);
    }
    RECT screen{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    struct Case {
        const char *name;
        RECT frame;
        bool wordWrap;
        bool statusBar;
        bool restored;
    };
    const Case cases[] = {
        {"on screen", {50, 60, 650, 560}, true, false, true},
        {"other flags", {10, 20, 500, 400}, false, true, true},
        {"off every screen", {-30000, -30000, -29400, -29500}, true, true, false},
        {"only a corner on screen", {-599, -459, 1, 1}, false, true, false},
        {"caption below the screen", {20, screen.bottom - 5, 620, screen.bottom + 495}, false, true, false},
        {"caption too short to take", {screen.right - 20, 20, screen.right + 580, 520}, false, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        {
            KVMAINFORM form;
            Lazy::MoveWindow(form.GetHandle(), c.frame.left, c.frame.top, c.frame.right - c.frame.left,
                             c.frame.bottom - c.frame.top, TRUE);
            KvEvent click(eClick);
            if (c.wordWrap != (form.Memo.GetWordWrap() != KvFalse))
                form.ViewWordWrap(click);
            if (c.statusBar != (form.StatusBar.GetVisible() != KvFalse))
                form.ViewStatusBar(click);
            // Closing (Exit, the close box) is what saves.
            form.Close();
            EXPECT_TRUE(PumpUntil([&] { return !IsWindow(form.GetHandle()); }));
        }
        KVMAINFORM next;
        RECT frame{};
        GetWindowRect(next.GetHandle(), &frame);
        const RECT &expected = c.restored ? c.frame : firstStart;
        EXPECT_EQ(frame.left, expected.left);
        EXPECT_EQ(frame.top, expected.top);
        EXPECT_EQ(frame.right - frame.left, expected.right - expected.left);
        EXPECT_EQ(frame.bottom - frame.top, expected.bottom - expected.top);
        EXPECT_EQ(next.Memo.GetWordWrap() != KvFalse, c.wordWrap);
        EXPECT_EQ(next.WordWrapItem.GetChecked() != KvFalse, c.wordWrap);
        EXPECT_EQ(next.StatusBar.GetVisible() != KvFalse, c.statusBar);
        EXPECT_EQ(next.StatusBarItem.GetChecked() != KvFalse, c.statusBar);
    }
    // Frames that only damaged values hold.
    for (const RECT &stored : {RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, RECT{40000, 100, 40600, 600}}) {
        WindowSettings settings;
        settings.hasPlacement = true;
        settings.normal = stored;
        ASSERT_TRUE(SaveWindowSettings(settings));
        KVMAINFORM next;
        RECT frame{};
        GetWindowRect(next.GetHandle(), &frame);
        EXPECT_EQ(frame.left, firstStart.left);
        EXPECT_EQ(frame.right - frame.left, firstStart.right - firstStart.left);
    }
    // Maximized at the end, maximized when shown at the next start.
    {
        KVMAINFORM form;
        form.Show();
        ShowWindow(form.GetHandle(), SW_MAXIMIZE);
        form.Close();
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(form.GetHandle()); }));
    }
    KVMAINFORM next;
    EXPECT_FALSE(IsZoomed(next.GetHandle()));
    next.ShowSavedState();
    EXPECT_TRUE(IsZoomed(next.GetHandle()));
}

// A saved frame too large for the screen is shrunk to its work area, one
// too small to hold the editor grows; a side stored as another type than a
// DWORD counts as missing, and with it the whole frame.
TEST(WindowSettingsTest, ASavedFrameIsFittedToTheScreenAndOneOfWrongValuesIsNotUsed)
{
    IsolatedSettings isolated;
    RECT firstStart{};
    {
        KVMAINFORM form;
        GetWindowRect(form.GetHandle(), &firstStart);
    }
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    struct Case {
        const char *name;
        RECT stored;
        // A side stored again with another type, if any.
        const char *side;
        DWORD type;
        // The frame expected; none for the one grown to a usable size.
        std::optional<RECT> expected;
    };
    const Case cases[] = {
        {"larger than the work area", {work.left + 40, work.top + 30, work.right + 500, work.bottom + 400}, nullptr,
         0, work},
        {"wider than the work area", {work.left + 200, work.top + 50, work.right + 300, work.top + 550}, nullptr, 0,
         RECT{work.left, work.top + 50, work.right, work.top + 550}},
        {"too small to use", {100, 80, 130, 95}, nullptr, 0, std::nullopt},
        {"a side that is a string", {50, 60, 650, 560}, "Left", REG_SZ, firstStart},
        {"a side of eight bytes", {50, 60, 650, 560}, "Bottom", REG_QWORD, firstStart},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        WindowSettings settings;
        settings.hasPlacement = true;
        settings.normal = c.stored;
        ASSERT_TRUE(SaveWindowSettings(settings));
        if (c.side) {
            HKEY key = nullptr;
            ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, WindowSettingsKey.c_str(), 0, KEY_SET_VALUE, &key),
                      ERROR_SUCCESS);
            const char bytes[8] = {'5', '0'};
            RegSetValueExA(key, c.side, 0, c.type, reinterpret_cast<const BYTE *>(bytes),
                           c.type == REG_SZ ? 3 : 8);
            RegCloseKey(key);
        }
        KVMAINFORM next;
        RECT frame{};
        GetWindowRect(next.GetHandle(), &frame);
        if (c.expected) {
            EXPECT_EQ(frame.left, c.expected->left);
            EXPECT_EQ(frame.top, c.expected->top);
            EXPECT_EQ(frame.right, c.expected->right);
            EXPECT_EQ(frame.bottom, c.expected->bottom);
            continue;
        }
        // Where it was, with room for the menu bar, three rows of text
        // and the status bar.
        EXPECT_EQ(frame.left, c.stored.left);
        EXPECT_EQ(frame.top, c.stored.top);
        EXPECT_GE(next.GetClientWidth(), 300);
        EXPECT_GE(next.Memo.GetHeight(), 3 * next.Memo.GetFont()->GetSize());
        EXPECT_EQ(next.Memo.GetHeight() + next.StatusBar.Height(), next.GetClientHeight());
    }
}
