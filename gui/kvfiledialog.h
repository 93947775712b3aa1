// KVFILEDIALOG, the system's Open and Save dialogs as a component of a form.
// A program sets the public properties, runs ExecuteOpen or ExecuteSave and
// reads the chosen path back from FileName.
#pragma once

#include "kvtimer.h"

class KVFILEDIALOG : public KVINVISIBLECONTROL {
  public:
    KVFILEDIALOG();

    // Fills the dialog record from the properties; the parent's window owns
    // the dialog.
    virtual void PrepareDialog();
    // True when the user confirmed a file: FileName is then its full path.
    // A cancelled or failed dialog leaves FileName as it was.
    virtual KvBool ExecuteOpen();
    virtual KvBool ExecuteSave();

    // The record the last PrepareDialog filled.
    const OPENFILENAMEA &GetDialogRecord() const { return DialogRecord; }

    // In: the name the dialog offers; out: the chosen path.
    KVSTRING FileName;
    // Pairs of description and pattern, each part but the last ended by a
    // NUL character; empty shows no file-type list.
    KVSTRING Filter;
    // Appended by the dialog to a typed name without extension; no dot.
    KVSTRING DefaultExt;
    // Empty gives the system's own title.
    KVSTRING Title;
    // A Save over an existing file asks first.
    KvBool OverwritePrompt = KvTrue;

  protected:
    // A derived dialog may add to what PrepareDialog filled.
    OPENFILENAMEA DialogRecord;

  private:
    using DialogFunction = BOOL (*)(LPOPENFILENAMEA);

    KvBool Execute(DialogFunction run);

    // What the record points into: the room where the dialog writes its
    // answer (FileName, then NULs) and the filter list with its terminator.
    KVSTRING Answer;
    KVSTRING FilterList;
};

// The most characters the dialog's answer may have, its NUL included.
constexpr int32_t LongestDialogAnswer = 32768;
