// Objects made where a deleted one was: the library must not take a new
// control for the deleted one that had its address, whether it kept the old
// one as a form's default button, as a menu bar's form, or in the middle of
// dispatching a message to it. And a control whose window could not be made
// does not reach into its parent once that is deleted.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <new>

#include "gui_test_support.h"
#include "kvbutton.h"
#include "kvedit.h"
#include "kvmenu.h"

namespace {

// Storage for one object at a time, as a member made anew in place, or a
// freed block handed out again, gives.
template <typename Object> struct Slot {
    template <typename... Arguments> Object *Make(Arguments &&...arguments)
    {
        return new (bytes) Object(std::forward<Arguments>(arguments)...);
    }
    alignas(Object) unsigned char bytes[sizeof(Object)];
};

void PressKeyIn(RecorderForm &form, HWND window, WPARAM key)
{
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
    form.Flush();
}

// Pressing a key in its edit makes the edit anew where it was, from the
// key's handler.
class EditRenewingForm : public RecorderForm {
  public:
    void EventHandler(void *sender, KvEvent &event) override
    {
        RecorderForm::EventHandler(sender, event);
        if (sender != edit || event.Event != eKeyDown || renewed)
            return;
        renewed = true;
        oldWindow = edit->GetHandle();
        edit->~KVEDIT();
        edit = slot.Make(this, "", 5, 5, 100, 20);
    }
    Slot<KVEDIT> slot;
    KVEDIT *edit = nullptr;
    bool renewed = false;
    HWND oldWindow = nullptr;
};

class WindowlessControl : public KVCONTROL {
  public:
    void CreateWnd(HWND parent) override { CreateHandle(parent, "kv_no_such_class", 10, 10, WS_CHILD, 0); }
};

} // namespace

TEST(AddressReuse, ADeletedDefaultButtonIsNotFoundInANewButtonAtItsAddress)
{
    RecorderForm dialog, other;
    KVEDIT edit(&dialog, "", 5, 5, 100, 20);
    Slot<KVBUTTON> slot;
    KVBUTTON *gone = slot.Make(&dialog, "Gone", 5, 40, 75, 25);
    dialog.SetDefaultButton(gone);
    DestroyWindow(gone->GetHandle());
    gone->~KVBUTTON();
    KVBUTTON *stranger = slot.Make(&other, "Stranger", 5, 40, 75, 25);

    EXPECT_EQ(dialog.GetDefaultButton(), nullptr);
    Activate(dialog);
    edit.SetFocus();
    PressKeyIn(dialog, edit.GetHandle(), VK_RETURN);
    other.Flush();
    EXPECT_TRUE(other.EventsOf({eClick}).empty()) << "Enter in the dialog pressed the other form's button";
    stranger->~KVBUTTON();
}

TEST(AddressReuse, AMenuBarWhoseFormWasDeletedLeavesANewFormAtItsAddressAlone)
{
    Slot<RecorderForm> slot;
    RecorderForm *first = slot.Make();
    auto oldBar = std::make_unique<KVMAINMENU>(first);
    KVMENUITEM oldItem;
    oldItem.SetParent(oldBar.get());
    oldItem.SetCaption("&Old");
    oldItem.SetShortcut("F5");
    first->Close();
    first->~RecorderForm();
    RecorderForm *second = slot.Make();
    EXPECT_EQ(oldBar->GetOwnerForm(), nullptr);
    {
        KVMAINMENU newBar(second);
        KVMENUITEM newItem;
        newItem.SetParent(&newBar);
        newItem.SetCaption("&New");
        newItem.SetShortcut("F5");
        Activate(*second);
        second->Flush();
        second->events.clear();
        PressKeyIn(*second, second->GetHandle(), VK_F5);
        const auto clicks = second->EventsOf({eClick});
        ASSERT_EQ(clicks.size(), 1u);
        EXPECT_EQ(clicks[0].sender, static_cast<void *>(&newItem)) << "F5 chose the deleted form's item";
        oldBar.reset();
        EXPECT_EQ(GetMenu(second->GetHandle()), newBar.GetMenuHandle()) << "the old bar took the new one off";
    }
    second->Close();
    second->~RecorderForm();
}

// Enter goes on to the default button only from the control it was pressed
// in: the new edit never had the key.
TEST(AddressReuse, AKeyGoesNoFurtherWhenItsHandlerMadeTheControlAnew)
{
    EditRenewingForm form;
    KVBUTTON ok(&form, "OK", 5, 40, 75, 25);
    form.SetDefaultButton(&ok);
    form.edit = form.slot.Make(&form, "", 5, 5, 100, 20);
    Activate(form);
    form.edit->SetFocus();
    PressKeyIn(form, form.edit->GetHandle(), VK_RETURN);
    ASSERT_TRUE(form.renewed);
    EXPECT_TRUE(form.EventsOf({eClick}).empty()) << "Enter went on to the default button through the new edit";
    DestroyWindow(form.oldWindow);
    form.edit->~KVEDIT();
}

// The control outlives its form, whose storage is then overwritten as freed
// memory may be: giving the control another parent, and deleting it, must
// not reach into the old one.
TEST(AddressReuse, AControlWithoutAWindowLeavesItsDeletedParentAlone)
{
    Slot<RecorderForm> slot;
    RecorderForm *form = slot.Make();
    auto control = std::make_unique<WindowlessControl>();
    control->SetParent(form);
    EXPECT_EQ(control->GetHandle(), nullptr);
    EXPECT_EQ(form->GetChildCount(), 0);
    form->Close();
    form->~RecorderForm();
    std::memset(slot.bytes, 0xDD, sizeof slot.bytes);
    RecorderForm next;
    control->SetParent(&next);
    EXPECT_EQ(control->GetParent(), &next);
    control.reset();
}
