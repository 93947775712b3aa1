#include "document_dialog.h"

// The dialog appends a given default extension whichever type is chosen.
// An empty one, which is not the same as none, tells it to take the
// extension from the chosen type's pattern instead, and a pattern that
// names none adds nothing: so Wine does, and so the dialog of current
// Windows versions does. (Changing the extension when the type changes,
// through a hook, does not work under Wine, which ignores CDM_SETDEFEXT.)
void KVDOCUMENTDIALOG::PrepareDialog()
{
    KVFILEDIALOG::PrepareDialog();
    if (DialogRecord.lpstrDefExt != nullptr && DialogRecord.lpstrFilter != nullptr)
        DialogRecord.lpstrDefExt = "";
}
