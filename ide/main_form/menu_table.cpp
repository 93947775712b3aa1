#include "menu_table.h"

// In the order the entries show. The command identifiers come from the
// order of construction, the members' order in KVMAINFORM: the first 21
// items take 1 to 21, the later ones 22 and on, the Design menu's 31 to 39.
namespace {
constexpr KVMENUITEM KVMAINFORM::*Bar = nullptr;
}

const MenuRow MenuTable[MenuRowCount] = {
    {&KVMAINFORM::FileMenu, Bar, "&File", nullptr, nullptr},
    {&KVMAINFORM::NewItem, &KVMAINFORM::FileMenu, "&New", nullptr, &KVMAINFORM::FileNew},
    {&KVMAINFORM::OpenItem, &KVMAINFORM::FileMenu, "&Open", nullptr, &KVMAINFORM::FileOpen},
    {&KVMAINFORM::SaveItem, &KVMAINFORM::FileMenu, "&Save\tF2", "F2", &KVMAINFORM::FileSave},
    {&KVMAINFORM::SaveAsItem, &KVMAINFORM::FileMenu, "Save &As", nullptr, &KVMAINFORM::FileSaveAs},
    {&KVMAINFORM::FileSeparator, &KVMAINFORM::FileMenu, nullptr, nullptr, nullptr},
    {&KVMAINFORM::ExitItem, &KVMAINFORM::FileMenu, "E&xit\tAlt+X", "Alt+X", &KVMAINFORM::FileExit},
    {&KVMAINFORM::EditMenu, Bar, "&Edit", nullptr, nullptr},
    {&KVMAINFORM::UndoItem, &KVMAINFORM::EditMenu, "&Undo\tCtrl+Z", "Ctrl+Z", &KVMAINFORM::EditUndo},
    {&KVMAINFORM::EditSeparator, &KVMAINFORM::EditMenu, nullptr, nullptr, nullptr},
    {&KVMAINFORM::CutItem, &KVMAINFORM::EditMenu, "&Cut\tCtrl+X", "Ctrl+X", &KVMAINFORM::EditCut},
    {&KVMAINFORM::CopyItem, &KVMAINFORM::EditMenu, "C&opy\tCtrl+C", "Ctrl+C", &KVMAINFORM::EditCopy},
    {&KVMAINFORM::PasteItem, &KVMAINFORM::EditMenu, "&Paste\tCtrl+V", "Ctrl+V", &KVMAINFORM::EditPaste},
    {&KVMAINFORM::SelectAllItem, &KVMAINFORM::EditMenu, "Select &All\tCtrl+A", "Ctrl+A",
     &KVMAINFORM::EditSelectAll},
    {&KVMAINFORM::SearchMenu, Bar, "&Search", nullptr, nullptr},
    {&KVMAINFORM::FindItem, &KVMAINFORM::SearchMenu, "&Find\tCtrl+F", "ctrl+F", &KVMAINFORM::SearchFind},
    {&KVMAINFORM::FindNextItem, &KVMAINFORM::SearchMenu, "Find &Next\tF3", "F3", &KVMAINFORM::SearchFindNext},
    {&KVMAINFORM::FindPreviousItem, &KVMAINFORM::SearchMenu, "Find &Previous\tShift+F3", "Shift+F3",
     &KVMAINFORM::SearchFindPrevious},
    {&KVMAINFORM::ReplaceItem, &KVMAINFORM::SearchMenu, "&Replace...\tCtrl+H", "Ctrl+H",
     &KVMAINFORM::SearchReplace},
    {&KVMAINFORM::GoToItem, &KVMAINFORM::SearchMenu, "&Go To...\tCtrl+G", "Ctrl+G", &KVMAINFORM::SearchGoTo},
    {&KVMAINFORM::BuildMenu, Bar, "&Build", nullptr, nullptr},
    {&KVMAINFORM::CompileItem, &KVMAINFORM::BuildMenu, "Compile \tctrl+f5", "ctrl+f5",
     &KVMAINFORM::BuildCompile},
    {&KVMAINFORM::CompileFormItem, &KVMAINFORM::BuildMenu, "&Compile form \tf5", "f5",
     &KVMAINFORM::BuildCompileForm},
    {&KVMAINFORM::TranslateFormItem, &KVMAINFORM::BuildMenu, "&Translate form\tCtrl+F7", "Ctrl+F7",
     &KVMAINFORM::BuildTranslateForm},
    {&KVMAINFORM::PreviewItem, &KVMAINFORM::BuildMenu, "&Preview form\tF12", "F12",
     &KVMAINFORM::BuildPreviewForm},
    {&KVMAINFORM::DesignMenu, Bar, "&Design", nullptr, nullptr},
    {&KVMAINFORM::AddButtonItem, &KVMAINFORM::DesignMenu, "Add &Button", nullptr,
     &KVMAINFORM::DesignAddButton},
    {&KVMAINFORM::AddLabelItem, &KVMAINFORM::DesignMenu, "Add &Label", nullptr, &KVMAINFORM::DesignAddLabel},
    {&KVMAINFORM::AddEditItem, &KVMAINFORM::DesignMenu, "Add &Edit", nullptr, &KVMAINFORM::DesignAddEdit},
    {&KVMAINFORM::AddMemoItem, &KVMAINFORM::DesignMenu, "Add &Memo", nullptr, &KVMAINFORM::DesignAddMemo},
    {&KVMAINFORM::DesignSeparator, &KVMAINFORM::DesignMenu, nullptr, nullptr, nullptr},
    // Del is the designer's own key: in the memo it deletes text.
    {&KVMAINFORM::DeleteItem, &KVMAINFORM::DesignMenu, "&Delete\tDel", nullptr, &KVMAINFORM::DesignDelete},
    {&KVMAINFORM::SnapSeparator, &KVMAINFORM::DesignMenu, nullptr, nullptr, nullptr},
    {&KVMAINFORM::SnapToGridItem, &KVMAINFORM::DesignMenu, "&Snap to Grid", nullptr,
     &KVMAINFORM::DesignSnapToGrid},
    {&KVMAINFORM::ViewMenu, Bar, "&View", nullptr, nullptr},
    {&KVMAINFORM::WordWrapItem, &KVMAINFORM::ViewMenu, "Word &Wrap", nullptr, &KVMAINFORM::ViewWordWrap},
    {&KVMAINFORM::StatusBarItem, &KVMAINFORM::ViewMenu, "&Status Bar", nullptr, &KVMAINFORM::ViewStatusBar},
    {&KVMAINFORM::HelpMenu, Bar, "&Help", nullptr, nullptr},
    {&KVMAINFORM::AboutItem, &KVMAINFORM::HelpMenu, "About\tF1", "F1", &KVMAINFORM::HelpAbout},
};
