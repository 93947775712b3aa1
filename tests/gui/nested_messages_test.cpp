// Messages that handlers cause to be sent while their control is still
// processing another one, and the registry that finds the controls.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "gui_test_support.h"

namespace {

// Counts each message's default processing and runs a reaction when one
// event code arrives.
class ReactingForm : public RecorderForm {
  public:
    LRESULT DefaultHandler() override
    {
        if (CurrentMessage)
            ++defaults[CurrentMessage];
        return RecorderForm::DefaultHandler();
    }
    void EventHandler(void *sender, KvEvent &event) override
    {
        RecorderForm::EventHandler(sender, event);
        if (event.Event == reactTo && reaction)
            reaction(*this);
    }

    int32_t reactTo = 0;
    std::function<void(ReactingForm &)> reaction;
    std::map<UINT, int> defaults;
};

struct NestedCase {
    const char *name;
    int32_t event;
    UINT message;
    std::function<void(ReactingForm &)> reaction;
    std::function<void(ReactingForm &)> trigger;
    bool destroys;
};

} // namespace

TEST(NestedMessages, DefaultProcessingRunsOnceAfterAHandlerSentMessagesToItsForm)
{
    const auto setCaption = [](ReactingForm &form) { form.SetCaption("reacted"); };
    const NestedCase cases[] = {
        {"close, caption set", eClose, WM_CLOSE, setCaption,
         [](ReactingForm &form) { SendMessageA(form.GetHandle(), WM_CLOSE, 0, 0); }, true},
        {"close, message box", eClose, WM_CLOSE,
         [](ReactingForm &form) {
             AnswerDialog(IDOK);
             form.Message("Closing", MB_OK);
         },
         [](ReactingForm &form) { SendMessageA(form.GetHandle(), WM_CLOSE, 0, 0); }, true},
        {"destroy", eDestroy, WM_DESTROY, setCaption, [](ReactingForm &form) { form.Close(); }, true},
        {"resize", eResize, WM_SIZE, setCaption,
         [](ReactingForm &form) { form.SetWidth(form.GetWidth() + 10); }, false},
    };
    for (const NestedCase &test : cases) {
        SCOPED_TRACE(test.name);
        ReactingForm form;
        Activate(form);
        HWND window = form.GetHandle();
        form.Flush();
        form.defaults.clear();
        form.events.clear();
        form.reactTo = test.event;
        form.reaction = test.reaction;
        test.trigger(form);
        EXPECT_EQ(form.defaults[test.message], 1);
        EXPECT_EQ(form.EventsOf({test.event}).size(), 1u);
        EXPECT_EQ(IsWindow(window) == FALSE, test.destroys);
    }
}

TEST(NestedMessages, AModalFormWhoseCloseHandlerSetsTheCaptionStillReturns)
{
    ReactingForm form;
    form.reactTo = eClose;
    form.reaction = [](ReactingForm &closing) {
        closing.SetCaption("closing");
        closing.SetModalResult(5);
    };
    HWND window = form.GetHandle();
    AfterDelay(50, [window] { PostMessageA(window, WM_CLOSE, 0, 0); });
    // Should the close be lost, this ends the loop and the test fails.
    bool forced = false;
    AfterDelay(5000, [&forced, window] {
        forced = IsWindow(window) != FALSE;
        DestroyWindow(window);
    });
    EXPECT_EQ(form.ShowModal(), 5);
    EXPECT_FALSE(forced);
}

TEST(NestedMessages, TabMovesTheFocusWithoutTypingIntoAMultiLineEdit)
{
    RecorderForm form;
    TestEdit first(ES_MULTILINE), second(ES_MULTILINE);
    first.SetParent(&form);
    second.SetParent(&form);
    Activate(form);
    first.SetFocus();
    PostMessageA(first.GetHandle(), WM_CHAR, VK_TAB, 1);
    form.Flush();
    EXPECT_EQ(GetFocus(), second.GetHandle());
    EXPECT_EQ(first.GetCaption(), "");
}

namespace {

// A control whose window class does not exist: its window is never made.
class UncreatableControl : public KVCONTROL {
  public:
    void CreateWnd(HWND parent) override { CreateHandle(parent, "kv_no_such_class", 10, 10, WS_CHILD, 0); }
};

// The registry's length, or -1 when it does not end within `limit` links.
int RegistryLength(int limit = 10000)
{
    int length = 0;
    for (KVCONTROL *control = ControlRegistry; control; control = control->NextInRegistry()) {
        if (++length > limit)
            return -1;
    }
    return length;
}

} // namespace

TEST(NestedMessages, TheRegistryHoldsCreatedWindowsOnceAndNeverLoops)
{
    RecorderForm form;
    const int before = RegistryLength();
    UncreatableControl broken;
    broken.SetParent(&form);
    broken.SetParent(&form);
    broken.Register();
    EXPECT_EQ(broken.GetHandle(), nullptr);
    EXPECT_EQ(RegistryLength(), before);
    EXPECT_EQ(form.GetChildCount(), 0);

    TestEdit edit;
    edit.SetParent(&form);
    edit.Register();
    EXPECT_EQ(RegistryLength(), before + 1);
    EXPECT_EQ(FindControl(edit.GetHandle()), &edit);
    EXPECT_EQ(FindControl(form.GetHandle()), &form);
    EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);

    // A destroyed control leaves the children; a new parent assignment
    // makes a new window as the first one did.
    HWND first = edit.GetHandle();
    DestroyWindow(first);
    EXPECT_EQ(form.GetChildCount(), 0);
    EXPECT_EQ(form.GetChild(1), nullptr);
    edit.SetParent(&form);
    ASSERT_NE(edit.GetHandle(), nullptr);
    EXPECT_NE(edit.GetHandle(), first);
    EXPECT_EQ(form.GetChild(1), &edit);
    EXPECT_EQ(FindControl(edit.GetHandle()), &edit);
    EXPECT_EQ(FindControl(first), nullptr);
    EXPECT_EQ(RegistryLength(), before + 1);

    // A registered control given another window is found by that one only.
    HWND second = edit.GetHandle();
    HWND stranger = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7654));
    edit.SetHandle(stranger);
    EXPECT_EQ(FindControl(stranger), &edit);
    EXPECT_EQ(FindControl(second), nullptr);
    edit.SetHandle(second);
    EXPECT_EQ(FindControl(second), &edit);
    edit.Unregister();
    EXPECT_FALSE(IsRegistered(&edit));
    EXPECT_EQ(FindControl(second), nullptr);
    EXPECT_EQ(RegistryLength(), before);
    edit.Register();
}
