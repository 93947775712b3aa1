// Buttons, check boxes, radio buttons and labels on a form: clicks, keys
// and the focus.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "gui_test_support.h"
#include "kvbutton.h"
#include "kvcheckbox.h"
#include "kvedit.h"

TEST(ButtonsAndLabels, ClickAndSpaceRaiseClickWithTheButtonAsSender)
{
    struct Press {
        const char *how;
        UINT down, up;
        WPARAM downWParam, upWParam;
        LPARAM where;
        std::vector<int32_t> expected;
    };
    const Press presses[] = {
        {"mouse",
         WM_LBUTTONDOWN,
         WM_LBUTTONUP,
         MK_LBUTTON,
         0,
         MAKELPARAM(10, 10),
         {eMouseDown, eClick, eMouseUp}},
        {"space", WM_KEYDOWN, WM_KEYUP, VK_SPACE, VK_SPACE, 0, {eClick}},
    };
    for (const Press &press : presses) {
        SCOPED_TRACE(press.how);
        RecorderForm form;
        KVBUTTON button(&form, "OK", 10, 12, 75, 25);
        EXPECT_EQ(button.GetLeft(), 10);
        EXPECT_EQ(button.GetTop(), 12);
        EXPECT_EQ(button.GetCaption(), "OK");
        Activate(form);
        button.SetFocus();
        form.Flush();
        form.events.clear();
        PostMessageA(button.GetHandle(), press.down, press.downWParam, press.where);
        PostMessageA(button.GetHandle(), press.up, press.upWParam, press.where);
        form.Flush();
        std::vector<int32_t> codes;
        for (const RecordedEvent &event : form.EventsOf({eMouseDown, eClick, eMouseUp})) {
            codes.push_back(event.code);
            EXPECT_EQ(event.sender, &button);
        }
        EXPECT_EQ(codes, press.expected);
    }
}

TEST(ButtonsAndLabels, ALabelPassesTheFocusOnToTheNextControl)
{
    // Where the label stands among two edits, whether the focus goes to the
    // label or to the form, and which edit ends up with it.
    const std::tuple<int, bool, int> cases[] = {{1, true, 1}, {2, true, 0}, {0, false, 0}};
    for (const auto &[labelPosition, toLabel, focusedEdit] : cases) {
        SCOPED_TRACE("label at " + std::to_string(labelPosition));
        RecorderForm form;
        KVEDIT edits[2];
        KVLABEL label;
        for (int position = 0, edit = 0; position < 3; ++position)
            position == labelPosition ? label.SetParent(&form) : edits[edit++].SetParent(&form);
        Activate(form);
        SetFocus(toLabel ? label.GetHandle() : form.GetHandle());
        form.Flush();
        EXPECT_EQ(GetFocus(), edits[focusedEdit].GetHandle());
        EXPECT_EQ(edits[focusedEdit].GetFocused(), KvTrue);
    }
}

// The radio buttons of a form are one group: a press checks one and clears
// the others; arrow keys move round the group, passing over a disabled
// one; Tab reaches only the checked one.
TEST(ButtonsAndLabels, CheckBoxesToggleAndRadioButtonsChooseOneOfTheirGroup)
{
    RecorderForm form;
    KVCHECKBOX box(&form, "Box", 5, 5, 80, 20);
    KVRADIOBUTTON radios[3];
    for (int i = 0; i < 3; ++i) {
        radios[i].SetParent(&form);
        radios[i].SetBounds(5, 30 + 25 * i, 80, 20);
    }
    radios[1].SetEnabled(KvFalse);
    Activate(form);
    auto states = [&] {
        return std::vector<int32_t>{box.GetState(), radios[0].GetState(), radios[1].GetState(),
                                    radios[2].GetState()};
    };
    // What each step leaves: the marks, the focused control and the
    // sender of the one eClick it raised (null for none).
    struct Step {
        const char *what;
        KVCONTROL *target;
        WORD key; // 0 for a click
        std::vector<int32_t> marks;
        KVCONTROL *focused;
        KVCONTROL *clicked;
    };
    const Step steps[] = {
        {"Space toggles the box", &box, VK_SPACE, {1, 0, 0, 0}, &box, &box},
        {"a click checks the third", &radios[2], 0, {1, 0, 0, 1}, &radios[2], &radios[2]},
        {"Down goes round to the first", &radios[2], VK_DOWN, {1, 1, 0, 0}, &radios[0], &radios[0]},
        {"Up passes over the disabled one", &radios[0], VK_UP, {1, 0, 0, 1}, &radios[2], &radios[2]},
        {"Tab from the box reaches the checked one", &box, VK_TAB, {1, 0, 0, 1}, &radios[2], nullptr},
        {"Space toggles the box back", &box, VK_SPACE, {0, 0, 0, 1}, &box, &box},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.target->SetFocus();
        form.Flush();
        form.events.clear();
        if (step.key == 0) {
            SendMessageA(step.target->GetHandle(), BM_CLICK, 0, 0);
        } else {
            PostMessageA(step.target->GetHandle(), WM_KEYDOWN, step.key, 1);
            PostMessageA(step.target->GetHandle(), WM_KEYUP, step.key, 0xC0000001);
        }
        form.Flush();
        EXPECT_EQ(states(), step.marks);
        EXPECT_EQ(GetFocus(), step.focused->GetHandle());
        const auto clicks = form.EventsOf({eClick});
        ASSERT_EQ(clicks.size(), step.clicked ? 1u : 0u);
        if (step.clicked) {
            EXPECT_EQ(clicks[0].sender, step.clicked);
        }
    }
}
