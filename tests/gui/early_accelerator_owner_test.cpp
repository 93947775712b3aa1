// An accelerator owner may join the message loop while globals are still
// being constructed, whichever file's globals come first: a process of its
// own, so that it is the only owner.
#include <gtest/gtest.h>

#include "early_accelerator_owner.h"
#include "gui_test_support.h"

namespace {

constexpr WORD CopyCommand = 40001;

} // namespace

TEST(EarlyAcceleratorOwner, StaysRegisteredAndItsTableIsTried)
{
    ASSERT_TRUE(Early.registered);
    EXPECT_EQ(AcceleratorOwnerCount(), 1);
    RecorderForm form;
    TestEdit edit;
    edit.SetParent(&form);
    Activate(form);
    edit.SetFocus();
    ACCEL copy = {FVIRTKEY | FCONTROL, 'C', CopyCommand};
    Early.table = CreateAcceleratorTableA(&copy, 1);
    Early.form = &form;
    {
        HeldControlKey control;
        PostMessageA(edit.GetHandle(), WM_KEYDOWN, 'C', 1);
        form.Flush();
    }
    EXPECT_EQ(form.commands, (std::vector<WPARAM>{MAKEWPARAM(CopyCommand, 1)}));
    UnregisterAccelerators(&Early);
    DestroyAcceleratorTable(Early.table);
}
