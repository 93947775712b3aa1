// Modal loops and the forms around them: a press that opens one, forms shown
// while one runs; and the focus of a form: built hidden and then shown, back
// after a modal loop, kept while controls are added.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "gui_test_support.h"
#include "kvbutton.h"
#include "kvedit.h"
#include "kvtimer.h"

namespace {

// Runs an action on the first press of the left button in its client area.
class PressActionForm : public RecorderForm {
  public:
    void EventHandler(void *sender, KvEvent &event) override
    {
        RecorderForm::EventHandler(sender, event);
        if (sender == this && event.Event == eMouseDown && onFirstPress)
            std::exchange(onFirstPress, nullptr)();
    }

    std::function<void()> onFirstPress;
};

size_t ClicksFrom(const RecorderForm &form, const void *sender)
{
    size_t count = 0;
    for (const RecordedEvent &event : form.EventsOf({eClick}))
        count += event.sender == sender;
    return count;
}

} // namespace

// After the loop, the focus is back in the edit that had it, unless the
// handler disabled that edit; the next click goes where it is aimed.
TEST(ModalLoops, AfterAPressHandlerRanAModalLoopTheFocusIsBackAndAButtonTakesTheClick)
{
    const std::pair<const char *, std::function<void(KVFORM &)>> loops[] = {
        {"message box",
         [](KVFORM &form) {
             AnswerDialog(IDOK);
             form.MessageBox("Pressed", "Press", MB_OK);
         }},
        {"modal form",
         [](KVFORM &) {
             RecorderForm dialog;
             AfterDelay(300, [&] { dialog.Close(); });
             dialog.ShowModal();
         }},
    };
    for (const auto &[name, loop] : loops) {
        for (const bool disableEdit : {false, true}) {
            SCOPED_TRACE(std::string(name) + (disableEdit ? ", focused edit disabled" : ""));
            PressActionForm form;
            KVEDIT first(&form, "", 10, 40, 100, 20), second(&form, "", 10, 65, 100, 20),
                third(&form, "", 10, 90, 100, 20);
            KVBUTTON button(&form, "OK", 10, 10, 75, 25);
            Activate(form);
            third.SetFocus();
            bool ran = false;
            form.onFirstPress = [&, &loop = loop] {
                third.SetEnabled(ToKvBool(!disableEdit));
                loop(form);
                ran = true;
            };
            // Pressed and released at once: the release comes while the loop runs.
            ClickAt(form.GetHandle(), 200, 150);
            ASSERT_TRUE(PumpUntil([&] { return ran; }, 5000));
            HWND expected = (disableEdit ? first : third).GetHandle();
            EXPECT_TRUE(PumpUntil([&] { return GetFocus() == expected; }));
            ClickAt(button.GetHandle(), 20, 10);
            EXPECT_TRUE(PumpUntil([&] { return ClicksFrom(form, &button) == 1; }));
            EXPECT_EQ(GetCapture(), nullptr);
        }
    }
}

TEST(ModalLoops, FormsShownWhileModalFormsRunStayEnabledAndTheDisabledOnesComeBack)
{
    RecorderForm bystander, outer;
    Activate(bystander);
    std::unique_ptr<RecorderForm> duringOuter, duringInner;
    bool checked = false;
    AfterDelay(50, [&] {
        duringOuter = std::make_unique<RecorderForm>();
        duringOuter->Show();
        RecorderForm inner;
        AfterDelay(50, [&] {
            EXPECT_EQ(duringOuter->GetEnabled(), KvFalse);
            EXPECT_EQ(outer.GetEnabled(), KvFalse);
            duringInner = std::make_unique<RecorderForm>();
            duringInner->Show();
            inner.Close();
        });
        inner.ShowModal();
        EXPECT_EQ(outer.GetEnabled(), KvTrue);
        EXPECT_EQ(duringOuter->GetEnabled(), KvTrue);
        EXPECT_EQ(duringInner->GetEnabled(), KvTrue);
        EXPECT_EQ(bystander.GetEnabled(), KvFalse);
        checked = true;
        outer.Close();
    });
    outer.ShowModal();
    EXPECT_TRUE(checked);
    EXPECT_EQ(bystander.GetEnabled(), KvTrue);
    EXPECT_EQ(duringOuter->GetEnabled(), KvTrue);
    EXPECT_EQ(duringInner->GetEnabled(), KvTrue);
}

// A form built hidden, as a program builds its forms: a component first (no
// window, no focus), then the edit that should have the focus once shown.
class HiddenBuiltForm : public RecorderForm {
  public:
    HiddenBuiltForm()
    {
        timer.SetParent(this);
        edit.SetParent(this);
    }

    KVTIMER timer;
    KVEDIT edit;
};

TEST(FormFocus, AFormBuiltHiddenFocusesItsFirstControlWhenShownAndTakesNothingBefore)
{
    // Whether another form is up and focused when the form is built, and how
    // it is shown.
    const std::pair<bool, bool> cases[] = {{false, false}, {false, true}, {true, false}, {true, true}};
    for (const auto &[withMain, modal] : cases) {
        SCOPED_TRACE(std::string(withMain ? "beside a main form, " : "alone, ") +
                     (modal ? "ShowModal" : "Show"));
        RecorderForm main;
        KVEDIT first(&main, "", 5, 5, 100, 20), second(&main, "", 5, 30, 100, 20);
        if (withMain) {
            Activate(main);
            second.SetFocus();
            ASSERT_TRUE(PumpUntil([&] { return GetFocus() == second.GetHandle(); }));
        }
        HiddenBuiltForm form;
        if (withMain) {
            EXPECT_EQ(GetActiveWindow(), main.GetHandle());
            EXPECT_EQ(GetFocus(), second.GetHandle());
        }
        auto checkShown = [&] {
            EXPECT_EQ(GetFocus(), form.edit.GetHandle());
            SetForegroundWindow(form.GetHandle());
            PressKey('K');
            EXPECT_TRUE(PumpUntil([&] { return form.edit.GetText() == "k"; }));
        };
        if (modal) {
            AfterDelay(50, [&] {
                checkShown();
                form.Close();
            });
            form.ShowModal();
        } else {
            form.Show();
            checkShown();
        }
    }
}

// Only a control that joins the active form while nothing in it has the
// focus takes it; the user's focus stays, without focus events.
TEST(FormFocus, AddingAControlToAnotherFormLeavesTheActiveFormsFocus)
{
    RecorderForm active, other, empty;
    KVEDIT first(&active, "", 5, 5, 100, 20), second(&active, "", 5, 30, 100, 20);
    other.Show();
    Activate(active);
    second.SetFocus();
    active.events.clear();
    other.events.clear();
    KVEDIT added(&other, "", 5, 5, 100, 20);
    active.Flush();
    EXPECT_EQ(GetActiveWindow(), active.GetHandle());
    EXPECT_EQ(GetFocus(), second.GetHandle());
    EXPECT_TRUE(active.EventsOf({eGotFocus, eLostFocus}).empty());
    EXPECT_TRUE(other.EventsOf({eGotFocus, eLostFocus}).empty());
    Activate(empty);
    KVEDIT joined(&empty, "", 5, 5, 100, 20);
    EXPECT_EQ(GetFocus(), joined.GetHandle());
}
