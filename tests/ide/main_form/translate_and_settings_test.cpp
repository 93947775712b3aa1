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
    // Frames no run leaves (damaged values, a side stored as a string)
    // give the first start's frame; a frame larger than the work area is
    // shrunk to it, and one too small to use grows where it is.
    struct Stored {
        RECT frame;
        const char *stringSide;
        std::optional<RECT> expected;
    };
    const Stored stored[] = {
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, nullptr, firstStart},
        {{40000, 100, 40600, 600}, nullptr, firstStart},
        {{50, 60, 650, 560}, "Left", firstStart},
        {{screen.left + 40, screen.top + 30, screen.right + 500, screen.bottom + 400}, nullptr, screen},
        {{screen.left + 200, 50, screen.right + 300, 550}, nullptr, RECT{screen.left, 50, screen.right, 550}},
        {{100, 80, 130, 95}, nullptr, std::nullopt},
    };
    for (const Stored &c : stored) {
        WindowSettings settings;
        settings.hasPlacement = true;
        settings.normal = c.frame;
        ASSERT_TRUE(SaveWindowSettings(settings));
        if (c.stringSide) {
            HKEY key = nullptr;
            RegOpenKeyExA(HKEY_CURRENT_USER, WindowSettingsKey.c_str(), 0, KEY_SET_VALUE, &key);
            RegSetValueExA(key, c.stringSide, 0, REG_SZ, reinterpret_cast<const BYTE *>("50"), 3);
            RegCloseKey(key);
        }
        KVMAINFORM next;
        RECT frame{};
        GetWindowRect(next.GetHandle(), &frame);
        const RECT expected = c.expected.value_or(RECT{c.frame.left, c.frame.top, frame.right, frame.bottom});
        EXPECT_EQ(frame.left, expected.left) << c.frame.left;
        EXPECT_EQ(frame.top, expected.top) << c.frame.left;
        EXPECT_EQ(frame.right, expected.right) << c.frame.left;
        EXPECT_EQ(frame.bottom, expected.bottom) << c.frame.left;
        // Room for the menu bar, three rows of text and the status bar.
        EXPECT_GE(next.GetClientWidth(), 300) << c.frame.left;
        EXPECT_GE(next.Memo.GetHeight(), 3 * next.Memo.GetFont()->GetSize()) << c.frame.left;
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
