// The sample program: one form, shown modally until it is closed.
#include "sample_form.h"
#include "startup.h"

void KvMain()
{
    SampleForm form;
    form.ShowModal();
}
