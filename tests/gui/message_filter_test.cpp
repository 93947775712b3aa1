// A form's message filter: the mouse and keys of every window inside the
// form reach it first, what it uses goes no further (not to the control, not
// to the shortcuts), and the form keeps the keyboard while it is set.
#include <gtest/gtest.h>

#include <vector>

#include "gui_test_support.h"
#include "kvbutton.h"
#include "kvedit.h"
#include "kvmenu.h"

namespace {

struct Seen {
    UINT message;
    HWND window;
};

class MessageFilterTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        field.SetParent(&form);
        field.SetBounds(10, 10, 120, 20);
        button.SetParent(&form);
        button.SetBounds(10, 50, 80, 25);
        KVSTRING f5 = "F5", f6 = "F6";
        used.SetParent(&bar);
        used.SetShortcut(f5);
        passed.SetParent(&bar);
        passed.SetShortcut(f6);
        // Takes the left button and F5; everything else goes on.
        form.SetMessageFilter([this](MSG &message) {
            seen.push_back({message.message, message.hwnd});
            return message.message == WM_LBUTTONDOWN || message.message == WM_LBUTTONUP ||
                   (message.message == WM_KEYDOWN && message.wParam == VK_F5);
        });
        Activate(form);
    }

    bool Saw(UINT message, HWND window) const
    {
        for (const Seen &entry : seen) {
            if (entry.message == message && entry.window == window)
                return true;
        }
        return false;
    }

    size_t Clicks() const { return form.EventsOf({eClick}).size(); }

    // Real input comes after the messages posted meanwhile: waits for the
    // filter to see it, then lets what would follow it happen.
    void AwaitSeen(UINT message, HWND window)
    {
        EXPECT_TRUE(PumpUntil([&] { return Saw(message, window); }));
        PumpUntil([] { return false; }, 100);
    }

    RecorderForm form;
    KVEDIT field;
    KVBUTTON button;
    KVMAINMENU bar{&form};
    KVMENUITEM used, passed;
    std::vector<Seen> seen;
};

} // namespace

TEST_F(MessageFilterTest, UsedMessagesReachNeitherTheControlNorTheShortcutsAndTheFormKeepsTheKeyboard)
{
    EXPECT_EQ(GetFocus(), form.GetHandle());
    ClickAt(button.GetHandle(), 20, 10);
    AwaitSeen(WM_LBUTTONUP, button.GetHandle());
    ClickAt(field.GetHandle(), 20, 10);
    AwaitSeen(WM_LBUTTONUP, field.GetHandle());
    EXPECT_TRUE(Saw(WM_LBUTTONDOWN, button.GetHandle()));
    EXPECT_EQ(Clicks(), 0u);
    EXPECT_EQ(GetFocus(), form.GetHandle());

    // A control added to the active form does not take the keyboard either.
    KVEDIT late;
    late.SetParent(&form);
    EXPECT_EQ(GetFocus(), form.GetHandle());

    PressKey(VK_F5);
    PressKey(VK_F6);
    AwaitSeen(WM_KEYUP, form.GetHandle());
    EXPECT_TRUE(PumpUntil([&] { return !form.commands.empty(); }));
    EXPECT_EQ(form.commands, (std::vector<WPARAM>{MAKEWPARAM(passed.GetID(), 1)}));

    // Without the filter the button is clicked again.
    form.SetMessageFilter(nullptr);
    seen.clear();
    ClickAt(button.GetHandle(), 20, 10);
    EXPECT_TRUE(PumpUntil([&] { return Clicks() == 1; }));
    EXPECT_TRUE(seen.empty());
}

// A filter set while a control has the keyboard takes it to the form.
TEST_F(MessageFilterTest, AFilterSetWhileAControlHasTheKeyboardTakesItToTheForm)
{
    form.SetMessageFilter(nullptr);
    field.SetFocus();
    ASSERT_EQ(GetFocus(), field.GetHandle());
    form.SetMessageFilter([](MSG &) { return false; });
    EXPECT_EQ(GetFocus(), form.GetHandle());
}
