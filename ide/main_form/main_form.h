// KVMAINFORM, the editor's one window: a menu bar of six menus, the memo
// that fills the client area above the status bar, and the file dialog
// whose FileName is the current document's name. Each menu item's click
// runs the action of its row in the menu table (menu_table.h).
#pragma once

#include "document_dialog.h"
#include "editor_memo.h"
#include "events.h"
#include "form_preview.h"
#include "kvform.h"
#include "kvmenu.h"
#include "kvstring.h"
#include "kvtimer.h"
#include "status_bar.h"
#include "window_settings.h"

class KVMAINFORM : public KVFORM {
  public:
    // Builds the menus, the file dialog and the memo, then starts an
    // untitled document.
    KVMAINFORM();

    void EventHandler(void *sender, KvEvent &event) override;
    // The close box asks to save changes first; Cancel keeps the window.
    LRESULT OnClose() override;
    // Log-off and shut-down (main_form_end_session.cpp): changed text is saved or
    // given up first; Cancel or a failed save keeps the session going.
    LRESULT OnQueryEndSession() override;
    LRESULT OnEndSession(KvBool ending) override;
    // Remembers the window for the next start, however it ends.
    LRESULT OnDestroy() override;

    // Documents (main_form_documents.cpp).
    // True lets the calling command discard or replace the text; false when
    // the user cancelled or the text could not be saved.
    virtual KvBool AskSaveChanges();
    virtual void FileNew(KvEvent &event);
    virtual void FileOpen(KvEvent &event);
    virtual void FileSave(KvEvent &event);
    virtual void FileSaveAs(KvEvent &event);
    virtual void FileExit(KvEvent &event);
    virtual void UpdateCaption();
    // Opens a file named outside the dialog (the command line) as if it had
    // been chosen with Open; a relative name is made full first. For a name
    // that no file has, asks whether to start an empty document of that
    // name (the first Save makes the file); No leaves the document as it is.
    virtual void OpenNamedFile(const KVSTRING &fileName);

    // Edit commands, handed to the memo.
    virtual void EditUndo(KvEvent &event);
    virtual void EditCut(KvEvent &event);
    virtual void EditCopy(KvEvent &event);
    virtual void EditPaste(KvEvent &event);

    // Build commands (main_form_build.cpp).
    virtual void BuildCompile(KvEvent &event);
    virtual void BuildCompileForm(KvEvent &event);

    // Form preview (main_form_preview.cpp).
    virtual void BuildPreviewForm(KvEvent &event);
    // Says how a preview request went; an error also selects its line.
    virtual void AnnouncePreview(const PreviewReport &report);
    // Closes the preview and clears the status bar's message, which were
    // about the document that New or Open replaced.
    virtual void ForgetPreview();

    // The form designer (main_form_design.cpp): the Design menu acts on the
    // open preview; the designer's edits go into the memo as undo steps; an
    // open preview follows the text a moment after it changes.
    virtual void DesignAddButton(KvEvent &event);
    virtual void DesignAddLabel(KvEvent &event);
    virtual void DesignAddEdit(KvEvent &event);
    virtual void DesignAddMemo(KvEvent &event);
    virtual void DesignDelete(KvEvent &event);
    virtual void DesignSnapToGrid(KvEvent &event);
    virtual void TextChanged();
    // Makes the open preview anew from the memo's text; on an error the
    // last good one stays and the status bar names the error.
    virtual void FollowText(bool announce);

    // Search (main_form_search.cpp): the Find and the Replace dialog, and
    // what both do in the memo.
    virtual void SearchFind(KvEvent &event);
    // Find Next and Find Previous search again for the last find text, or
    // open the Find dialog while there is none.
    virtual void SearchFindNext(KvEvent &event);
    virtual void SearchFindPrevious(KvEvent &event);
    virtual void SearchReplace(KvEvent &event);
    // Selects the next occurrence of SearchText after the selection (the
    // previous one before it, upward), wrapping around once; says "Cannot
    // find" in a message box of `reporter` (the dialog in front, else this
    // form) when there is none.
    virtual void FindOccurrence(bool upward, KVFORM &reporter);
    // Replaces the selection with Replacement when it is an occurrence,
    // then selects the next occurrence, never one inside the new text.
    virtual void ReplaceOccurrence(KVFORM &reporter);
    // Replaces every occurrence as one step that Undo takes back, and
    // says in the status bar how many.
    virtual void ReplaceAllOccurrences(KVFORM &reporter);

    // Help: the about box.
    virtual void HelpAbout(KvEvent &event);

    virtual void ResizeEditor();

    // View (main_form_view.cpp): word wrap and the status bar.
    virtual void ViewWordWrap(KvEvent &event);
    virtual void ViewStatusBar(KvEvent &event);
    virtual void EditSelectAll(KvEvent &event);
    // Shows the caret's line and column (of the file's lines, not of the
    // rows the memo wraps them into) in the status bar.
    virtual void UpdateCaretPosition();
    // Go To (main_form_search.cpp): the caret to the start of the line, the last
    // line for a larger number, scrolled into view.
    virtual void SearchGoTo(KvEvent &event);
    virtual void GoToLine(int32_t line);
    // Translate form (main_form_build.cpp).
    virtual void BuildTranslateForm(KvEvent &event);
    virtual void ShowTranslationResult(const KVSTRING &message, bool failed);
    // The remembered window (main_form_window_memory.cpp): placement, word wrap and
    // status bar from the last run, and back at the end of this one.
    virtual void ApplyWindowSettings(const WindowSettings &settings);
    virtual WindowSettings CurrentWindowSettings();
    // Shows the form maximized when it was so at the end of the last run;
    // called before ShowModal, which keeps that state.
    virtual void ShowSavedState();

    KVMAINMENU MainMenu;
    KVMENUITEM FileMenu;
    KVMENUITEM NewItem;
    KVMENUITEM OpenItem;
    KVMENUITEM SaveItem;
    KVMENUITEM SaveAsItem;
    KVMENUITEM FileSeparator;
    KVMENUITEM ExitItem;
    KVMENUITEM EditMenu;
    KVMENUITEM UndoItem;
    KVMENUITEM EditSeparator;
    KVMENUITEM CutItem;
    KVMENUITEM CopyItem;
    KVMENUITEM PasteItem;
    KVMENUITEM SearchMenu;
    KVMENUITEM FindItem;
    KVMENUITEM FindNextItem;
    KVMENUITEM BuildMenu;
    KVMENUITEM CompileItem;
    KVMENUITEM CompileFormItem;
    KVMENUITEM HelpMenu;
    KVMENUITEM AboutItem;
    // Constructed after the first 21, so that those keep their identifiers;
    // the View menu's title, whose identifier no command uses, comes last.
    KVMENUITEM WordWrapItem;
    KVMENUITEM StatusBarItem;
    KVMENUITEM SelectAllItem;
    KVMENUITEM GoToItem;
    KVMENUITEM TranslateFormItem;
    KVMENUITEM PreviewItem;
    KVMENUITEM ViewMenu;
    // After the View menu's title, so that every item before keeps its
    // identifier.
    KVMENUITEM FindPreviousItem;
    KVMENUITEM ReplaceItem;
    // The Design menu, after every earlier item.
    KVMENUITEM DesignMenu;
    KVMENUITEM AddButtonItem;
    KVMENUITEM AddLabelItem;
    KVMENUITEM AddEditItem;
    KVMENUITEM AddMemoItem;
    KVMENUITEM DesignSeparator;
    KVMENUITEM DeleteItem;
    KVMENUITEM SnapSeparator;
    KVMENUITEM SnapToGridItem;
    KVDOCUMENTDIALOG FileDialog;
    // Before the memo, so that it outlives the memo that reports to it.
    EditorStatusBar StatusBar;
    KVEDITORMEMO Memo;
    // The last text confirmed in the Find or the Replace dialog, with its
    // options; the Replace dialog's last replacement.
    KVSTRING SearchText;
    bool SearchMatchCase = false;
    bool SearchUpward = false;
    KVSTRING Replacement;
    // Makes the open preview anew once the text has rested.
    KVTIMER FollowTimer;
    // The preview window of the form being edited, and how the last
    // request went.
    FormPreview Preview{*this, DesignHostOfEditor()};
    PreviewReport LastPreviewReport;

  private:
    // What the designer reaches of the editor: the memo's text, edits of
    // it, the status bar, a jump to a line and a new preview.
    DesignHost DesignHostOfEditor();
    void ApplyDesignEdit(const TextEdit &edit);
    void ShowDesignedLine(int32_t line);
    void AddDesignedControl(const char *type, const char *textProperty, int32_t width, int32_t height);
    // A change of the memo made by the designer, which needs no new preview.
    bool DesignEditing = false;
    // The designer gave the editor the keyboard: the next Preview form
    // gives it back to the preview.
    bool KeyboardBackToPreview = false;
    // Runs the compiler on the current file, then takes the keyboard back.
    void CompileCurrentFile();
    // Whether the window was maximized when the last run ended.
    bool StartMaximized = false;
    // The saved frame raised to the smallest frame the editor can use and,
    // when a screen shows a grip of its caption, shrunk to that screen's
    // work area; else the system's default frame.
    RECT RememberedFrame(const WindowSettings &settings);
    SIZE SmallestFrame();
    bool IsUntitled();
    // Writes the memo to the current file; on failure says so and keeps
    // the text marked as modified.
    bool SaveCurrentFile();
    // Save As: asks for a name and saves there; a cancelled dialog or a
    // failed save keeps the previous name.
    bool SaveUnderNewName();
    // Reads a file into the memo and makes it the current document; a file
    // that cannot be read changes nothing but is reported, with the reason.
    bool LoadFile(const KVSTRING &fileName);
};

// The one main form of the program, while it exists.
extern KVMAINFORM *TheMainForm;
