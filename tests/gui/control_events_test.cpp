// Messages turned into hooks and events: orders, senders, Tab navigation,
// destruction, timers, commands and colour requests.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "dispatch_hooks.h"
#include "gui_test_support.h"
#include "window_class.h"

namespace {

std::vector<int32_t> CodesOf(const std::vector<RecordedEvent> &events)
{
    std::vector<int32_t> codes;
    for (const RecordedEvent &event : events)
        codes.push_back(event.code);
    return codes;
}

void PostKey(HWND window, UINT key)
{
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

std::vector<uint32_t> Received;

// Claims the identifiers below 8.
bool RecordIdentifier(uint32_t identifier)
{
    Received.push_back(identifier);
    return identifier < 8;
}

// Installs a dispatch hook for one test.
class HookGuard {
  public:
    explicit HookGuard(IdentifierHandler &hook) : hook(hook)
    {
        Received.clear();
        hook = RecordIdentifier;
    }
    ~HookGuard() { hook = nullptr; }

  private:
    IdentifierHandler &hook;
};

} // namespace

TEST(ControlEvents, ClickOnTheClientAreaGivesDownUpClickFromTheForm)
{
    RecorderForm form;
    Activate(form);
    PostMessageA(form.GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
    PostMessageA(form.GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
    form.Flush();
    const auto events = form.EventsOf({eMouseDown, eMouseUp, eClick, eDblClick});
    EXPECT_EQ(CodesOf(events), (std::vector<int32_t>{eMouseDown, eMouseUp, eClick}));
    for (const RecordedEvent &event : events)
        EXPECT_EQ(event.sender, &form);
    EXPECT_FALSE(form.IsPressed());
}

TEST(ControlEvents, AClickIsAPressAndAReleaseInsideTheForm)
{
    RecorderForm form;
    Activate(form);
    HWND window = form.GetHandle();
    // Pressed inside, the form holds the capture and so hears a release
    // outside, which ends the press without a click.
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
    form.Flush();
    EXPECT_EQ(GetCapture(), window);
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(-5, 30));
    form.Flush();
    EXPECT_EQ(GetCapture(), nullptr);
    // Pressed elsewhere, released inside.
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
    form.Flush();
    // Pressed inside, then the capture is lost.
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
    form.Flush();
    ReleaseCapture();
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
    form.Flush();
    EXPECT_EQ(CodesOf(form.EventsOf({eMouseDown, eMouseUp, eClick})),
              (std::vector<int32_t>{eMouseDown, eMouseUp, eMouseUp, eMouseDown, eMouseUp}));
    EXPECT_FALSE(form.IsPressed());
}

TEST(ControlEvents, MouseRecordsCarryUnsignedPositionButtonsAndModifiers)
{
    // A position left of the window arrives as a large positive X.
    KvMouseEvent moved(eMouseMove, MK_RBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL, MAKELPARAM(-5, 10));
    EXPECT_EQ(moved.X, 65531u);
    EXPECT_EQ(moved.Y, 10u);
    EXPECT_EQ(moved.Button, KvRightButton | KvMiddleButton);
    EXPECT_EQ(moved.Shift, KvShiftKey | KvControlKey);
    KvKeyEvent key(eKeyPress, 'q');
    EXPECT_EQ(key.Key, "q");
    EXPECT_EQ(key.KeyCode, static_cast<uint32_t>('q'));

    RecorderForm form;
    Activate(form);
    PostMessageA(form.GetHandle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
    PostMessageA(form.GetHandle(), WM_RBUTTONUP, 0, MAKELPARAM(3, 4));
    PostMessageA(form.GetHandle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 4));
    form.Flush();
    // Only the left button clicks a form.
    EXPECT_EQ(CodesOf(form.EventsOf({eMouseDown, eMouseUp, eClick, eDblClick})),
              (std::vector<int32_t>{eMouseDown, eMouseUp, eDblClick}));
}

TEST(ControlEvents, KeysReachTheFormHandlerInArrivalOrderWithTheControlAsSender)
{
    RecorderForm form;
    TestEdit edit;
    edit.SetParent(&form);
    Activate(form);
    PostMessageA(edit.GetHandle(), WM_KEYDOWN, 'A', 1);
    form.Flush();
    PostMessageA(edit.GetHandle(), WM_KEYUP, 'A', 0xC0000001);
    form.Flush();
    const auto events = form.EventsOf({eKeyDown, eKeyPress, eKeyUp});
    EXPECT_EQ(CodesOf(events), (std::vector<int32_t>{eKeyDown, eKeyPress, eKeyUp}));
    for (const RecordedEvent &event : events)
        EXPECT_EQ(event.sender, &edit);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1].keyCode, static_cast<uint32_t>('a'));
    EXPECT_EQ(edit.GetCaption(), "a");
}

TEST(ControlEvents, TabMovesTheFocusToTheNextSiblingAndWrapsWithinTheForm)
{
    RecorderForm form;
    TestEdit first, second, third;
    first.SetParent(&form);
    second.SetParent(&form);
    third.SetParent(&form);
    Activate(form);
    first.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == first.GetHandle(); }));
    EXPECT_EQ(first.GetFocused(), KvTrue);

    PostKey(first.GetHandle(), VK_TAB);
    form.Flush();
    EXPECT_EQ(GetFocus(), second.GetHandle());
    EXPECT_EQ(first.GetFocused(), KvFalse);
    EXPECT_EQ(second.GetFocused(), KvTrue);

    third.SetFocus();
    PostKey(third.GetHandle(), VK_TAB);
    form.Flush();
    EXPECT_EQ(GetFocus(), first.GetHandle());
    // The tab moved the focus; it is not typed into the edit.
    EXPECT_EQ(third.GetCaption(), "");
}

// Real key presses, as the user types them: Tab and Ctrl+I type a tab in a
// control that wants tabs, Ctrl+Tab still moves on.
TEST(ControlEvents, AControlThatWantsTabsTakesTabAndCtrlIButNotCtrlTab)
{
    struct Case {
        const char *keys;
        std::vector<WORD> chord;
        bool focusMoves;
        const char *typed;
    };
    const Case cases[] = {
        {"Tab", {VK_TAB}, false, "\t"},
        {"Ctrl+I", {VK_CONTROL, 'I'}, false, "\t"},
        {"Ctrl+Tab", {VK_CONTROL, VK_TAB}, true, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.keys);
        RecorderForm form;
        TestEdit first(ES_MULTILINE);
        TestEdit second;
        first.SetParent(&form);
        second.SetParent(&form);
        first.SetWantTabs(KvTrue);
        Activate(form);
        first.SetFocus();
        PressKeys(c.chord);
        HWND expected = c.focusMoves ? second.GetHandle() : first.GetHandle();
        EXPECT_TRUE(PumpUntil([&] { return GetFocus() == expected && first.GetCaption() == c.typed; }));
        // Nothing more arrives later.
        form.Flush();
        EXPECT_EQ(GetFocus(), expected);
        EXPECT_EQ(first.GetCaption(), c.typed);
        EXPECT_EQ(second.GetCaption(), "");
    }
}

namespace {

// Every control reports the focus exactly when its window has it.
void ExpectFocusedAgreesWithTheSystem(std::initializer_list<KVCONTROL *> controls)
{
    for (KVCONTROL *control : controls)
        EXPECT_EQ(control->GetFocused() == KvTrue, GetFocus() == control->GetHandle()) << control;
}

} // namespace

TEST(ControlEvents, TheFocusGoesToControlsThatTakeItAndIsReportedByThemOnly)
{
    RecorderForm form;
    TestEdit first, skipped, last;
    first.SetParent(&form);
    skipped.SetParent(&form);
    last.SetParent(&form);
    skipped.SetTabStop(KvFalse);
    Activate(form);
    const auto all = {static_cast<KVCONTROL *>(&form), static_cast<KVCONTROL *>(&first),
                      static_cast<KVCONTROL *>(&skipped), static_cast<KVCONTROL *>(&last)};
    // The first child took the focus when it was added; the form stays active.
    EXPECT_EQ(GetFocus(), first.GetHandle());
    EXPECT_EQ(GetActiveWindow(), form.GetHandle());
    ExpectFocusedAgreesWithTheSystem(all);

    form.events.clear();
    skipped.SetFocus();
    EXPECT_EQ(GetFocus(), last.GetHandle());
    ExpectFocusedAgreesWithTheSystem(all);
    const auto moved = form.EventsOf({eGotFocus, eLostFocus});
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_EQ(moved[0].code, eLostFocus);
    EXPECT_EQ(moved[0].sender, &first);
    EXPECT_EQ(moved[1].code, eGotFocus);
    EXPECT_EQ(moved[1].sender, &last);

    // Tab from the last control wraps around to the first.
    PostKey(last.GetHandle(), VK_TAB);
    form.Flush();
    EXPECT_EQ(GetFocus(), first.GetHandle());
    ExpectFocusedAgreesWithTheSystem(all);
    // A Tab typed into a control outside Tab navigation does not move it.
    SendMessageA(skipped.GetHandle(), WM_CHAR, VK_TAB, 1);
    EXPECT_EQ(GetFocus(), first.GetHandle());

    // A form passes the focus to its first living control that takes it.
    DestroyWindow(first.GetHandle());
    SetFocus(form.GetHandle());
    EXPECT_EQ(GetFocus(), last.GetHandle());
    ExpectFocusedAgreesWithTheSystem({&form, &skipped, &last});
}

TEST(ControlEvents, AFormOfControlsThatRefuseTheFocusKeepsItItself)
{
    RecorderForm form;
    TestEdit labels[3];
    for (TestEdit &label : labels)
        label.SetTabStop(KvFalse);
    for (TestEdit &label : labels)
        label.SetParent(&form);
    Activate(form);
    for (TestEdit &label : labels)
        label.messages.clear();
    labels[1].SetFocus();
    EXPECT_EQ(GetFocus(), form.GetHandle());
    // Each label heard of the focus at most once: no ping-pong.
    for (TestEdit &label : labels) {
        EXPECT_LE(std::count(label.messages.begin(), label.messages.end(), WM_SETFOCUS), 1);
        EXPECT_EQ(label.GetFocused(), KvFalse);
    }
    EXPECT_EQ(form.GetFocused(), KvTrue);
}

TEST(ControlEvents, PaintAndResizeRaiseTheirEventsAndCreateStaysWithTheBaseForm)
{
    RecorderForm form;
    // The form's constructor fired eCreate while the object was still a
    // KVFORM, whose handler ignores it.
    EXPECT_TRUE(form.EventsOf({eCreate}).empty());
    Activate(form);
    form.Flush();
    form.events.clear();
    InvalidateRect(form.GetHandle(), nullptr, TRUE);
    UpdateWindow(form.GetHandle());
    form.SetWidth(form.GetWidth() + 10);
    const auto events = form.EventsOf({ePaint, eResize});
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].code, ePaint);
    EXPECT_EQ(events[1].code, eResize);
    EXPECT_EQ(events[0].sender, &form);
    EXPECT_EQ(events[1].sender, &form);
}

TEST(ControlEvents, DestroyIsRaisedWhileRegisteredThenOnlyDefaultProcessing)
{
    auto form = std::make_unique<RecorderForm>();
    HWND window = form->GetHandle();
    SendMessageA(window, WM_DESTROY, 0, 0);
    ASSERT_EQ(form->events.size() > 0, true);
    EXPECT_EQ(form->events.back().code, eDestroy);
    EXPECT_EQ(form->events.back().sender, form.get());
    EXPECT_EQ(form->GetHandle(), nullptr);
    EXPECT_EQ(FindControl(window), nullptr);
    // The window still exists, but its messages no longer reach the object.
    const size_t recorded = form->events.size();
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(form->events.size(), recorded);
    EXPECT_FALSE(IsWindow(window));
}

TEST(ControlEvents, DestroyingAStandardControlUnregistersItAndRaisesDestroy)
{
    RecorderForm form;
    TestEdit edit;
    edit.SetParent(&form);
    HWND window = edit.GetHandle();
    DestroyWindow(window);
    const auto events = form.EventsOf({eDestroy});
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].sender, &edit);
    EXPECT_EQ(edit.GetHandle(), nullptr);
    EXPECT_EQ(FindControl(window), nullptr);
}

TEST(ControlEvents, CloseRaisesCloseThenDestroy)
{
    RecorderForm form;
    SendMessageA(form.GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(CodesOf(form.EventsOf({eClose, eDestroy})), (std::vector<int32_t>{eClose, eDestroy}));
    EXPECT_EQ(form.GetHandle(), nullptr);
}

TEST(ControlEvents, DeletingAControlWithAWindowUnregistersAndRestoresItsProcedure)
{
    RecorderForm form;
    HWND plain = CreateWindowExA(0, "edit", "", WS_CHILD, 0, 0, 10, 10, form.GetHandle(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    const LONG_PTR editProcedure = GetWindowLongPtrA(plain, GWLP_WNDPROC);
    DestroyWindow(plain);

    auto edit = std::make_unique<TestEdit>();
    edit->SetParent(&form);
    HWND window = edit->GetHandle();
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&LibraryWindowProc));
    EXPECT_NE(edit->GetOldWindowProc(), nullptr);
    edit.reset();
    EXPECT_EQ(FindControl(window), nullptr);
    EXPECT_EQ(form.GetChildCount(), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), editProcedure);
    // The window lives on with its own procedure.
    SetWindowTextA(window, "still works");
    char text[32] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "still works");
    SendMessageA(window, WM_KEYDOWN, 'A', 1);
    EXPECT_TRUE(form.events.empty() || form.events.back().code != eKeyDown);
}

TEST(ControlEvents, TimerMessagesAnswerZeroAndReachTheTimerHook)
{
    struct TimerDefaultsForm : RecorderForm {
        LRESULT DefaultHandler() override
        {
            timerDefaults += CurrentMessage == WM_TIMER;
            return RecorderForm::DefaultHandler();
        }
        int timerDefaults = 0;
    } form;
    {
        HookGuard guard(TimerTickHandler);
        EXPECT_EQ(SendMessageA(form.GetHandle(), WM_TIMER, 7, 0), 0);
        EXPECT_EQ(Received, (std::vector<uint32_t>{7}));
        EXPECT_EQ(form.timerDefaults, 0);
        // A timer of the window's own goes to its own processing.
        EXPECT_EQ(SendMessageA(form.GetHandle(), WM_TIMER, 8, 0), 0);
        EXPECT_EQ(form.timerDefaults, 1);
    }
    // Without a hook the message is still answered with 0.
    EXPECT_EQ(SendMessageA(form.GetHandle(), WM_TIMER, 9, 0), 0);
}

TEST(ControlEvents, MenuAndAcceleratorCommandsReachTheCommandHookAndNotificationsTheChild)
{
    RecorderForm form;
    TestEdit edit;
    edit.SetParent(&form);
    HookGuard guard(MenuCommandHandler);
    SendMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(12, 0), 0);
    SendMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(13, 1), 0);
    EXPECT_EQ(Received, (std::vector<uint32_t>{12, 13}));

    edit.messages.clear();
    SendMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(99, EN_CHANGE),
                 reinterpret_cast<LPARAM>(edit.GetHandle()));
    EXPECT_EQ(edit.messages, (std::vector<UINT>{WM_COMMAND}));
    EXPECT_EQ(Received.size(), 2u);
}

TEST(ControlEvents, ColourRequestsAreAnsweredByTheChildsCanvas)
{
    RecorderForm form;
    TestEdit edit;
    edit.SetParent(&form);
    edit.SetColor(RGB(10, 20, 30));
    edit.SetTextColor(RGB(200, 100, 50));
    HDC dc = GetDC(edit.GetHandle());
    const LRESULT brush = SendMessageA(form.GetHandle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(edit.GetHandle()));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(edit.GetCanvas()->GetBrush()));
    EXPECT_EQ(GetTextColor(dc), RGB(200, 100, 50));
    EXPECT_EQ(GetBkColor(dc), RGB(10, 20, 30));
    // A control that is not a container does not answer for others.
    EXPECT_EQ(SendMessageA(edit.GetHandle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(form.GetHandle())),
              0);
    ReleaseDC(edit.GetHandle(), dc);
}

TEST(ControlEvents, FireClimbsToTheNearestFormAndDropsEventsWithoutOne)
{
    RecorderForm form;
    TestEdit outer;
    outer.SetParent(&form);
    KVCONTROL inner;
    inner.SetParent(&outer);
    KvEvent event(eChange);
    inner.Fire(event);
    ASSERT_FALSE(form.events.empty());
    EXPECT_EQ(form.events.back().code, eChange);
    EXPECT_EQ(form.events.back().sender, &inner);

    TestEdit orphan;
    const size_t recorded = form.events.size();
    orphan.Fire(event);
    EXPECT_EQ(form.events.size(), recorded);
}
