// KVDOCUMENTDIALOG, the editor's Open and Save As dialog: a KVFILEDIALOG
// whose default extension follows the chosen file type. A typed name
// without extension gets the extension that the type's pattern names
// ("*.kvo": kvo), and stays as typed under a type that takes any name
// ("*.*", how the editor offers form files, which have no extension).
#pragma once

#include "kvfiledialog.h"

class KVDOCUMENTDIALOG : public KVFILEDIALOG {
  public:
    // The library's record, with a default extension that follows the
    // file type whenever DefaultExt asks for one.
    void PrepareDialog() override;
};
