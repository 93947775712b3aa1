// Buttons and labels on a form: clicks and the focus.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "gui_test_support.h"
#include "kvbutton.h"
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
