// The editor's main procedure: one main form, shown until it is closed.
// "kvide FILE" opens that file instead of the untitled document.
#include <cstdlib>
#include <memory>

#include "main_form.h"
#include "startup.h"

void KvMain()
{
    const auto form = std::make_unique<KVMAINFORM>();
    TheMainForm = form.get();
    if (__argc > 1)
        form->OpenNamedFile(__argv[1]);
    form->ShowSavedState();
    form->ShowModal();
    TheMainForm = nullptr;
}
