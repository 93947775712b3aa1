// Answers the modal dialogs that an editor command opens while the test's
// thread is blocked in the command: a thread timer looks for the next
// expected dialog (by title and kind), acts on it and records what it
// showed. Any other dialog or modal form is cancelled and recorded as unexpected, so a
// wrong prompt fails the test instead of hanging it.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct SeenDialog {
    std::string title;
    // The text of a message box; empty for other dialogs.
    std::string text;
};

class DialogAnswerer {
  public:
    DialogAnswerer();
    DialogAnswerer(const DialogAnswerer &) = delete;
    DialogAnswerer &operator=(const DialogAnswerer &) = delete;
    ~DialogAnswerer();

    // A message box with this title, answered with the button (IDYES, IDNO,
    // IDCANCEL, IDOK).
    void MessageBoxAnswer(const std::string &title, int button);
    // The Open or Save As dialog: picks the file type at the 1-based index
    // in its list (0 leaves it), types the path and confirms it.
    void FileDialogChoose(const std::string &title, const std::string &path, int fileType = 0);
    // The Open or Save As dialog: types a path of any characters and
    // confirms it.
    void FileDialogChooseWide(const std::string &title, const std::wstring &path);
    // The Open or Save As dialog, cancelled.
    void FileDialogCancel(const std::string &title);
    // A form of this library with this caption: runs the action on it.
    void FormAction(const std::string &caption, std::function<void(HWND)> action);

    // Every expected dialog was answered.
    bool AllAnswered() const { return expected.empty(); }
    const std::vector<SeenDialog> &Seen() const { return seen; }
    const std::vector<std::string> &Unexpected() const { return unexpected; }

  private:
    enum class Kind { MessageBox, FileDialog, Form };
    struct Expected {
        Kind kind;
        std::string title;
        std::function<void(HWND)> action;
    };
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Look();
    HWND Find(const Expected &dialog) const;
    void CancelStrays();
    static BOOL CALLBACK CancelStray(HWND window, LPARAM self);

    UINT_PTR timer;
    std::deque<Expected> expected;
    std::vector<SeenDialog> seen;
    std::vector<std::string> unexpected;
    DWORD lastProgress;
};
