// KVDOCUMENTDIALOG, the editor's Open and Save As dialog: a KVFILEDIALOG
// whose default extension follows the chosen file type. A typed name
// without extension gets the extension that the type's pattern names
// ("*.kvo": kvo), and stays as typed under a type that takes any name
// ("*.*", how the editor offers form files, which have no extension).
//
// The dialogs run in Unicode, and a chosen name is taken only when the
// system's ANSI code page, in which the editor opens and saves files, holds
// it exactly: the ANSI dialogs would hand back a look-alike ("Lodz.kvo" for
// "Łodz.kvo"), another file than the one chosen, and a Save As over it
// would not even ask first.
#pragma once

#include "kvfiledialog.h"

class KVDOCUMENTDIALOG : public KVFILEDIALOG {
  public:
    // The library's record, with a default extension that follows the
    // file type whenever DefaultExt asks for one.
    void PrepareDialog() override;
    // A name the code page cannot hold is refused with a message, and the
    // dialog then counts as cancelled.
    KvBool ExecuteOpen() override;
    KvBool ExecuteSave() override;

  private:
    using WideDialogFunction = BOOL (*)(LPOPENFILENAMEW);

    KvBool ExecuteWide(WideDialogFunction run);
};
