// Every message the editor shows: message boxes (title and text), the
// status bar's texts and the dialogs' errors, so that their wording is
// written and reviewed in one place. Texts with parts are small functions
// that put the parts where the sentence has them.
#pragma once

#include <cstdint>
#include <string>

#include "kvstring.h"

namespace EditorMessage {

// Documents: the save prompt, a file named on the command line that does
// not exist, and a failed Open or Save (what failed, the cause below it).
constexpr const char *SaveChangesTitle = "Save changes";
inline KVSTRING SaveChangesQuestion(const KVSTRING &fileName)
{
    return KVSTRING("The text in the ") + fileName + " file has changed.\n\nDo you want to save the changes?";
}
constexpr const char *CreateFileTitle = "Create file";
inline KVSTRING CreateFileQuestion(const KVSTRING &fileName)
{
    return KVSTRING("The file ") + fileName + " does not exist.\n\nDo you want to create a new file?";
}
constexpr const char *OpenFailedTitle = "Open failed";
inline KVSTRING CannotOpen(const KVSTRING &fileName, const KVSTRING &cause)
{
    return KVSTRING("Cannot open ") + fileName + "\n\n" + cause;
}
constexpr const char *SaveFailedTitle = "Save failed";
inline KVSTRING CannotSave(const KVSTRING &fileName, const KVSTRING &cause)
{
    return KVSTRING("Cannot save ") + fileName + "\n\n" + cause;
}
// Added when the safety copy of a file that could not be written back stays.
inline KVSTRING PreviousTextKeptIn(const KVSTRING &copyName)
{
    return KVSTRING("\n\nIts previous text is in ") + copyName;
}
constexpr const char *UnusableFileNameTitle = "Unusable file name";
constexpr const char *UnusableFileName =
    "The chosen file name has characters that this system's code page cannot hold, so the editor cannot "
    "open or save that file. Choose another name.";

// The causes of a failed Open or Save: the system's errors a user meets
// with files, in the editor's words, and the editor's own refusals.
constexpr const char *FileDoesNotExist = "The file does not exist.";
constexpr const char *FolderDoesNotExist = "The folder does not exist.";
constexpr const char *InvalidFileName = "The name is not a valid file name.";
constexpr const char *AccessDenied = "Access is denied.";
constexpr const char *FileInUse = "Another program is using the file.";
constexpr const char *DiskWriteProtected = "The disk is write-protected.";
constexpr const char *DiskFull = "The disk is full.";
constexpr const char *NotEnoughMemory = "There is not enough memory.";
inline std::string SystemError(uint32_t error) { return "System error " + std::to_string(error) + "."; }
constexpr const char *FileReadOnly = "The file is read-only.";
constexpr const char *NameIsFolder = "The name belongs to a folder.";
constexpr const char *FileTooLarge = "The file is larger than the editor can hold (2 GB).";
constexpr const char *FileHoldsNul = "The file holds NUL bytes, which the editor would cut the text at.";
constexpr const char *FileBeyondCodePage =
    "The file holds bytes that this system's code page cannot carry, which the editor would change.";
inline std::string NoRoomForSafetyCopy(int64_t neededKilobytes)
{
    return "Not enough room for the safety copy of the old file: " + std::to_string(neededKilobytes) +
           " KB needed.";
}
inline std::string SafetyCopyFailed(const std::string &cause)
{
    return "The safety copy of the old file cannot be made beside it: " + cause;
}

// Search: Find, Find Next and Find Previous, Replace and Replace All.
constexpr const char *TextNotFoundTitle = "Text not found";
inline KVSTRING CannotFind(const KVSTRING &text) { return KVSTRING("Cannot find \"") + text + "\""; }
inline std::string Replaced(int32_t count)
{
    return "Replaced " + std::to_string(count) + (count == 1 ? " occurrence" : " occurrences");
}
constexpr const char *ReplaceAllTitle = "Replace All";
constexpr const char *ReplacedTextTooLong = "Nothing was replaced: the text would be too long.";

// Go To: a number that is no line number.
constexpr const char *GoToLineTitle = "Go To Line";
inline KVSTRING NotALineNumber(const KVSTRING &typed)
{
    return KVSTRING("\"") + typed + "\" is not a line number: enter a number of 1 or more.";
}

// The status bar's place of the caret.
inline std::string CaretPosition(int32_t line, int32_t column)
{
    return "Ln " + std::to_string(line) + ", Col " + std::to_string(column);
}

// Translate form: in the status bar, and a failure in a message box too.
constexpr const char *TranslateFormTitle = "Translate form";
constexpr const char *FormCompilerNotFound =
    "Translate form: kvf.exe was found neither beside kvide nor on the PATH";
inline KVSTRING CannotStartFormCompiler(const KVSTRING &program)
{
    return KVSTRING("Translate form: cannot start ") + program;
}
// What kvf printed when it failed without a form error, on one line.
inline KVSTRING FormCompilerFailed(const std::string &printed)
{
    return KVSTRING("Translate form: ") +
           (printed.empty() ? std::string("kvf failed without a message") : "kvf failed: " + printed).c_str();
}
inline KVSTRING FormTranslated(const KVSTRING &formFile)
{
    return KVSTRING("Form translated: ") + formFile + ".kv written";
}

// Preview form, in the status bar: an error (with its line when it has
// one), or what the preview shows.
inline std::string PreviewFailed(const std::string &error, int32_t line)
{
    return line > 0 ? "Preview: line " + std::to_string(line) + ": " + error : "Preview: " + error;
}
constexpr const char *PreviewShown = "Preview: ";
constexpr const char *EveryPropertyShown = "every property shown";
inline std::string LinesNotPreviewed(int32_t count, int32_t firstLine)
{
    return std::to_string(count) + " line(s) not previewed, the first at line " + std::to_string(firstLine);
}
constexpr const char *NotShown = "; not shown:";
inline std::string LeftOut(int32_t count, int32_t limit)
{
    return "; " + std::to_string(count) + " left out (at most " + std::to_string(limit) +
           " controls and menu items)";
}

// The form designer, in the status bar: the selection with its place and
// size ("OkButton (KvButton): 8, 8, 75 x 25"; the form's type is "Form"),
// why a control keeps its place, and a Design command without a preview.
inline std::string DesignSelection(const std::string &name, const std::string &type, int32_t left,
                                   int32_t top, int32_t width, int32_t height)
{
    return name + " (" + (type.empty() ? std::string("Form") : type) + "): " + std::to_string(left) + ", " +
           std::to_string(top) + ", " + std::to_string(width) + " x " + std::to_string(height);
}
// `reason` names the property: "Left is set by an expression".
inline std::string PlaceRefused(const std::string &name, const std::string &reason, int32_t line,
                                bool resizing)
{
    return name + "'s " + reason + " on line " + std::to_string(line) + "; it cannot be " +
           (resizing ? "resized" : "moved");
}
constexpr const char *DesignWithoutPreview = "Design: no preview is open; Preview form (F12) opens one";
constexpr const char *DesignTextChanged = "Design: the text has changed; the preview follows it in a moment";
constexpr const char *FormNotDeleted = "Design: the form itself cannot be deleted";

} // namespace EditorMessage
