// The end of the session (log-off, shut-down) as one more way for the
// editor to end: the same question as Exit, asked while the system waits.
#include "main_form.h"

// Yes saves (an untitled document asks for a name), No gives the text up,
// Cancel or a save that fails keeps the program and with it the session.
LRESULT KVMAINFORM::OnQueryEndSession() { return AskSaveChanges() ? TRUE : FALSE; }

// Once every program agreed, the process is ended after this returns: the
// window goes now, so the program ends through its usual path, and without
// a second question (the text was saved or given up a moment ago).
LRESULT KVMAINFORM::OnEndSession(KvBool ending)
{
    if (ending)
        Close();
    return 0;
}
