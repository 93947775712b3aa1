#include "dialog_answerer.h"

namespace {

DialogAnswerer *Current = nullptr;

// Controls of the system's dialogs.
constexpr int MessageBoxTextId = 0xFFFF;
constexpr int FileNameComboId = 1148;
constexpr int FileTypeListId = 1136;
// A dialog that no expectation claims for this long is cancelled.
constexpr DWORD StrayLimitMs = 4000;

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

struct Search {
    const char *className;
    std::string title;
    int childId;
    DWORD thread;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto &search = *reinterpret_cast<Search *>(parameter);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (!IsWindowVisible(window) || GetWindowThreadProcessId(window, nullptr) != search.thread ||
        std::string(className) != search.className || WindowText(window) != search.title)
        return TRUE;
    if (search.childId != 0 && GetDlgItem(window, search.childId) == nullptr)
        return TRUE;
    // A message box is no file dialog, whatever labels the dialog has.
    if (search.childId == MessageBoxTextId && GetDlgItem(window, FileNameComboId) != nullptr)
        return TRUE;
    search.found = window;
    return FALSE;
}

// The edit inside the file dialog's name field, a ComboBoxEx32 holding a
// ComboBox holding the Edit (or a plain combo box or edit on other systems).
HWND FileNameEdit(HWND dialog)
{
    HWND field = GetDlgItem(dialog, FileNameComboId);
    for (int depth = 0; depth < 3 && field != nullptr; ++depth) {
        char className[64] = {};
        GetClassNameA(field, className, sizeof className);
        if (std::string(className) == "Edit")
            return field;
        HWND inner = FindWindowExA(field, nullptr, nullptr, nullptr);
        if (inner == nullptr)
            return field;
        field = inner;
    }
    return field;
}

} // namespace

DialogAnswerer::DialogAnswerer() : lastProgress(GetTickCount())
{
    Current = this;
    timer = SetTimer(nullptr, 0, 50, &DialogAnswerer::Tick);
}

DialogAnswerer::~DialogAnswerer()
{
    KillTimer(nullptr, timer);
    Current = nullptr;
}

void DialogAnswerer::MessageBoxAnswer(const std::string &title, int button)
{
    expected.push_back(
        {Kind::MessageBox, title, [button](HWND box) { PostMessageA(box, WM_COMMAND, button, 0); }});
}

void DialogAnswerer::FileDialogChoose(const std::string &title, const std::string &path, int fileType)
{
    expected.push_back({Kind::FileDialog, title, [path, fileType](HWND dialog) {
                            if (fileType != 0) {
                                // As a choice in the list: selected, then confirmed.
                                HWND types = GetDlgItem(dialog, FileTypeListId);
                                SendMessageA(types, CB_SETCURSEL, fileType - 1, 0);
                                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(FileTypeListId, CBN_SELENDOK),
                                             reinterpret_cast<LPARAM>(types));
                            }
                            SendMessageA(FileNameEdit(dialog), WM_SETTEXT, 0,
                                         reinterpret_cast<LPARAM>(path.c_str()));
                            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                        }});
}

void DialogAnswerer::FileDialogChooseWide(const std::string &title, const std::wstring &path)
{
    expected.push_back({Kind::FileDialog, title, [path](HWND dialog) {
                            SendMessageW(FileNameEdit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
                            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                        }});
}

void DialogAnswerer::FileDialogCancel(const std::string &title)
{
    expected.push_back(
        {Kind::FileDialog, title, [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }});
}

void DialogAnswerer::FormAction(const std::string &caption, std::function<void(HWND)> action)
{
    expected.push_back({Kind::Form, caption, std::move(action)});
}

void CALLBACK DialogAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (Current != nullptr)
        Current->Look();
}

HWND DialogAnswerer::Find(const Expected &dialog) const
{
    Search search{dialog.kind == Kind::Form ? "gcl_std_wndclass" : "#32770", dialog.title,
                  dialog.kind == Kind::MessageBox   ? MessageBoxTextId
                  : dialog.kind == Kind::FileDialog ? FileNameComboId
                                                    : 0,
                  GetCurrentThreadId(), nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void DialogAnswerer::Look()
{
    if (!expected.empty()) {
        if (HWND dialog = Find(expected.front())) {
            const Expected next = std::move(expected.front());
            expected.pop_front();
            seen.push_back({next.title, next.kind == Kind::MessageBox
                                            ? WindowText(GetDlgItem(dialog, MessageBoxTextId))
                                            : std::string()});
            next.action(dialog);
            lastProgress = GetTickCount();
            return;
        }
    }
    if (GetTickCount() - lastProgress > StrayLimitMs)
        CancelStrays();
}

// Cancels every dialog of this thread that nothing expects.
void DialogAnswerer::CancelStrays()
{
    EnumThreadWindows(GetCurrentThreadId(), &DialogAnswerer::CancelStray, reinterpret_cast<LPARAM>(this));
    lastProgress = GetTickCount();
}

BOOL CALLBACK DialogAnswerer::CancelStray(HWND window, LPARAM self)
{
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    // A dialog box, or a modal form of the library (the one form of the
    // thread that is enabled while it runs).
    const bool form = std::string(className) == "gcl_std_wndclass" && IsWindowEnabled(window);
    if (IsWindowVisible(window) && (std::string(className) == "#32770" || form)) {
        reinterpret_cast<DialogAnswerer *>(self)->unexpected.push_back(WindowText(window));
        PostMessageA(window, form ? WM_CLOSE : WM_COMMAND, form ? 0 : IDCANCEL, 0);
    }
    return TRUE;
}
