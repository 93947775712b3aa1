// KVMAINFORM, the editor's one window: a menu bar of five menus, the memo
// that fills the client area, and the file dialog whose FileName is the
// current document's name. Each menu item's click runs the action of its
// row in the menu table (menu_table.h).
#pragma once

#include "events.h"
#include "form_preview.h"
#include "kvedit.h"
#include "kvfiledialog.h"
#include "kvform.h"
#include "kvmenu.h"
#include "kvstring.h"

class KVMAINFORM : public KVFORM {
  public:
    // Builds the menus, the file dialog and the memo, then starts an
    // untitled document.
    KVMAINFORM();

    void EventHandler(void *sender, KvEvent &event) override;
    // The close box asks to save changes first; Cancel keeps the window.
    LRESULT OnClose() override;

    // Documents (documents.cpp).
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
    // been chosen with Open; a relative name is made full first.
    virtual void OpenNamedFile(const KVSTRING &fileName);

    // Edit commands, handed to the memo.
    virtual void EditUndo(KvEvent &event);
    virtual void EditCut(KvEvent &event);
    virtual void EditCopy(KvEvent &event);
    virtual void EditPaste(KvEvent &event);

    // Build commands (build_command.cpp).
    virtual void BuildCompile(KvEvent &event);
    virtual void BuildCompileForm(KvEvent &event);

    // Form preview (preview_command.cpp).
    virtual void BuildPreviewForm(KvEvent &event);
    // Says how a preview request went; an error also selects its line.
    virtual void AnnouncePreview(const PreviewReport &report);

    // Search (search_form.cpp).
    virtual void SearchFind(KvEvent &event);
    virtual void SearchFindNext(KvEvent &event);

    // Help (about_form.cpp).
    virtual void HelpAbout(KvEvent &event);

    virtual void ResizeEditor();

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
    KVMENUITEM PreviewItem;
    KVFILEDIALOG FileDialog;
    KVMEMO Memo;
    // The last text confirmed in the find dialog.
    KVSTRING SearchText;
    // The preview window of the form being edited, and how the last
    // request went.
    FormPreview Preview{*this};
    PreviewReport LastPreviewReport;

  private:
    bool IsUntitled();
    // Writes the memo to the current file; on failure says so and keeps
    // the text marked as modified.
    bool SaveCurrentFile();
    // Save As: asks for a name and saves there; a cancelled dialog or a
    // failed save keeps the previous name.
    bool SaveUnderNewName();
    // Reads a file into the memo and makes it the current document; a file
    // that cannot be read changes nothing but is reported.
    bool LoadFile(const KVSTRING &fileName);
};

// The one main form of the program, while it exists.
extern KVMAINFORM *TheMainForm;
