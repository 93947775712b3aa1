#include "menu_table.h"

// In construction order, which gives the items the command identifiers 1 to
// 22. The Find item shows "Alt+F" but answers Ctrl+F: Alt+F opens the File
// menu through its mnemonic.
const MenuRow MenuTable[MenuRowCount] = {
    {&KVMAINFORM::FileMenu, 0, "&File", nullptr, nullptr},
    {&KVMAINFORM::NewItem, 1, "&New", nullptr, &KVMAINFORM::FileNew},
    {&KVMAINFORM::OpenItem, 1, "&Open", nullptr, &KVMAINFORM::FileOpen},
    {&KVMAINFORM::SaveItem, 1, "&Save\tF2", "F2", &KVMAINFORM::FileSave},
    {&KVMAINFORM::SaveAsItem, 1, "Save &As", nullptr, &KVMAINFORM::FileSaveAs},
    {&KVMAINFORM::FileSeparator, 1, nullptr, nullptr, nullptr},
    {&KVMAINFORM::ExitItem, 1, "E&xit\tAlt+X", "Alt+X", &KVMAINFORM::FileExit},
    {&KVMAINFORM::EditMenu, 0, "&Edit", nullptr, nullptr},
    {&KVMAINFORM::UndoItem, 8, "&Undo\tCtrl+Z", "Ctrl+Z", &KVMAINFORM::EditUndo},
    {&KVMAINFORM::EditSeparator, 8, nullptr, nullptr, nullptr},
    {&KVMAINFORM::CutItem, 8, "&Cut\tCtrl+X", "Ctrl+X", &KVMAINFORM::EditCut},
    {&KVMAINFORM::CopyItem, 8, "C&opy\tCtrl+C", "Ctrl+C", &KVMAINFORM::EditCopy},
    {&KVMAINFORM::PasteItem, 8, "&Paste\tCtrl+V", "Ctrl+V", &KVMAINFORM::EditPaste},
    {&KVMAINFORM::SearchMenu, 0, "&Search", nullptr, nullptr},
    {&KVMAINFORM::FindItem, 14, "&Find\tAlt+F", "ctrl+F", &KVMAINFORM::SearchFind},
    {&KVMAINFORM::FindNextItem, 14, "Find &Next\tF3", "F3", &KVMAINFORM::SearchFindNext},
    {&KVMAINFORM::BuildMenu, 0, "&Build", nullptr, nullptr},
    {&KVMAINFORM::CompileItem, 17, "Compile \tctrl+f5", "ctrl+f5", &KVMAINFORM::BuildCompile},
    {&KVMAINFORM::CompileFormItem, 17, "&Compile form \tf5", "f5", &KVMAINFORM::BuildCompileForm},
    {&KVMAINFORM::HelpMenu, 0, "&Help", nullptr, nullptr},
    {&KVMAINFORM::AboutItem, 20, "About\tF1", "F1", &KVMAINFORM::HelpAbout},
    {&KVMAINFORM::PreviewItem, 17, "&Preview form\tF12", "F12", &KVMAINFORM::BuildPreviewForm},
};
