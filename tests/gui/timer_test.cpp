// Timers on a form: each tick is an eClick from the timer itself, at the
// timer's own interval; stopped and deleted timers get no more ticks.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include "gui_test_support.h"
#include "kvtimer.h"

namespace {

// Timers never fire early, but the clocks count in steps of up to this.
constexpr DWORD ClockSlack = 16;
// Long enough never to elapse during a test.
constexpr uint32_t Never = 600000;

// Records when each sender's clicks arrived.
class TickForm : public RecorderForm {
  public:
    void EventHandler(void *sender, KvEvent &event) override
    {
        RecorderForm::EventHandler(sender, event);
        if (event.Event == eClick)
            ticks[sender].push_back(GetTickCount());
    }
    size_t TicksOf(void *sender) { return ticks[sender].size(); }

    std::map<void *, std::vector<DWORD>> ticks;
};

void Start(KVTIMER &timer, KVCONTROL &parent, uint32_t interval)
{
    timer.SetParent(&parent);
    timer.SetInterval(interval);
    timer.SetEnabled(KvTrue);
}

// Whether the system still has the timer on the window (and stops it).
bool SystemTimerRuns(HWND window, uint32_t identifier) { return KillTimer(window, identifier) != FALSE; }

// Pumps until a reference timer has ticked a few times at `interval`.
void LetTimePass(TickForm &form, uint32_t interval)
{
    KVTIMER reference;
    Start(reference, form, interval);
    ASSERT_TRUE(PumpUntil([&] { return form.TicksOf(&reference) >= 4; }));
}

class TimerTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(TimerList, nullptr); }

    TickForm form;
};

} // namespace

TEST_F(TimerTest, TwoTimersTickWithTheirOwnSenderAtTheirOwnRate)
{
    KVTIMER fast;
    KVTIMER slow;
    const DWORD start = GetTickCount();
    Start(fast, form, 20);
    Start(slow, form, 200);
    ASSERT_TRUE(PumpUntil([&] { return form.TicksOf(&slow) >= 3; }, 5000));

    for (const RecordedEvent &event : form.EventsOf({eClick}))
        EXPECT_TRUE(event.sender == &fast || event.sender == &slow);
    EXPECT_GT(form.TicksOf(&fast), 2 * form.TicksOf(&slow));
    for (KVTIMER *timer : {&fast, &slow}) {
        DWORD previous = start;
        for (DWORD tick : form.ticks[timer]) {
            EXPECT_GE(tick - previous + ClockSlack, timer->GetInterval());
            previous = tick;
        }
    }
}

TEST_F(TimerTest, ANewIntervalTakesEffectAtOnce)
{
    KVTIMER timer;
    Start(timer, form, Never);
    timer.SetInterval(20);
    ASSERT_TRUE(PumpUntil([&] { return form.TicksOf(&timer) >= 2; }));
    EXPECT_EQ(timer.GetInterval(), 20u);

    timer.SetInterval(Never);
    const size_t ticks = form.TicksOf(&timer);
    LetTimePass(form, 30);
    EXPECT_EQ(form.TicksOf(&timer), ticks);
    EXPECT_EQ(timer.GetEnabled(), KvTrue);
}

TEST_F(TimerTest, ATimerWithoutParentNeitherStartsNorStoresEnabled)
{
    KVTIMER timer;
    timer.SetEnabled(KvTrue);
    timer.SetInterval(20);
    EXPECT_EQ(timer.GetEnabled(), KvFalse);
    EXPECT_EQ(timer.GetHandle(), nullptr);
    EXPECT_EQ(timer.GetInterval(), 20u);

    // A parent alone does not start it either.
    timer.SetParent(&form);
    EXPECT_EQ(form.GetChild(1), &timer);
    LetTimePass(form, 30);
    EXPECT_EQ(form.TicksOf(&timer), 0u);

    timer.SetEnabled(KvTrue);
    EXPECT_TRUE(PumpUntil([&] { return form.TicksOf(&timer) >= 1; }));
}

// Stopping or deleting a running timer: the system timer goes, and a
// WM_TIMER still in the queue for it ticks nothing.
TEST_F(TimerTest, StoppedAndDeletedTimersGetNoMoreTicks)
{
    const std::vector<std::pair<const char *, std::function<void(std::unique_ptr<KVTIMER> &)>>> ways = {
        {"SetEnabled(false)",
         [](std::unique_ptr<KVTIMER> &timer) {
             timer->SetEnabled(KvFalse);
             EXPECT_EQ(timer->GetEnabled(), KvFalse);
             EXPECT_EQ(timer->GetHandle(), nullptr);
         }},
        {"delete", [](std::unique_ptr<KVTIMER> &timer) { timer.reset(); }},
    };
    for (const auto &[name, stop] : ways) {
        SCOPED_TRACE(name);
        auto timer = std::make_unique<KVTIMER>();
        KVCONTROL *const sender = timer.get();
        const uint32_t identifier = timer->GetTimerID();
        Start(*timer, form, 20);
        ASSERT_TRUE(PumpUntil([&] { return form.TicksOf(sender) >= 1; }));

        stop(timer);
        const size_t ticks = form.TicksOf(sender);
        EXPECT_FALSE(SystemTimerRuns(form.GetHandle(), identifier));
        PostMessageA(form.GetHandle(), WM_TIMER, identifier, 0);
        form.Flush();
        EXPECT_EQ(form.TicksOf(sender), ticks);
        timer.reset();
    }
}

TEST_F(TimerTest, ARunningTimerMovesToItsNewParentsWindow)
{
    TickForm other;
    KVTIMER timer;
    Start(timer, form, 20);
    timer.SetParent(&other);
    EXPECT_FALSE(SystemTimerRuns(form.GetHandle(), timer.GetTimerID()));
    EXPECT_EQ(form.GetChildCount(), 0);
    EXPECT_EQ(other.GetChild(1), &timer);
    EXPECT_TRUE(PumpUntil([&] { return other.TicksOf(&timer) >= 1; }));
}

// The form hands the focus to its first child; a timer there has no window
// and passes it on.
TEST_F(TimerTest, ATimerAmongTheChildrenPassesTheFocusOn)
{
    KVTIMER timer;
    TestEdit edit;
    timer.SetParent(&form);
    edit.SetParent(&form);
    Activate(form);
    ::SetFocus(form.GetHandle());
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == edit.GetHandle(); }));
    EXPECT_EQ(form.GetChild(1), &timer);
    EXPECT_EQ(timer.GetCaption(), "");
    EXPECT_EQ(timer.GetWidth(), 0);
}
