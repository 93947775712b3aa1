// Buttons and labels on a form, and the construction of every control of
// this family: classes, styles, default sizes and placing.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "gui_test_support.h"
#include "kvbutton.h"
#include "kvedit.h"

namespace {

std::vector<int32_t> CodesOf(const std::vector<RecordedEvent> &events)
{
    std::vector<int32_t> codes;
    for (const RecordedEvent &event : events)
        codes.push_back(event.code);
    return codes;
}

} // namespace

TEST(ButtonsAndLabels, ClickAndSpaceRaiseClickWithTheButtonAsSender)
{
    struct Press {
        const char *how;
        UINT down, up;
        WPARAM downWParam, upWParam;
        LPARAM downLParam, upLParam;
        std::vector<int32_t> expected;
    };
    const Press presses[] = {
        {"mouse",
         WM_LBUTTONDOWN,
         WM_LBUTTONUP,
         MK_LBUTTON,
         0,
         MAKELPARAM(10, 10),
         MAKELPARAM(10, 10),
         {eMouseDown, eClick, eMouseUp}},
        {"space",
         WM_KEYDOWN,
         WM_KEYUP,
         VK_SPACE,
         VK_SPACE,
         0x00390001,
         static_cast<LPARAM>(0xC0390001),
         {eClick}},
    };
    for (const Press &press : presses) {
        SCOPED_TRACE(press.how);
        RecorderForm form;
        KVBUTTON button(&form, "OK", 10, 10, 75, 25);
        Activate(form);
        button.SetFocus();
        form.Flush();
        form.events.clear();
        PostMessageA(button.GetHandle(), press.down, press.downWParam, press.downLParam);
        PostMessageA(button.GetHandle(), press.up, press.upWParam, press.upLParam);
        form.Flush();
        const auto events = form.EventsOf({eMouseDown, eClick, eMouseUp});
        EXPECT_EQ(CodesOf(events), press.expected);
        for (const RecordedEvent &event : events)
            EXPECT_EQ(event.sender, &button);
    }
}

TEST(ButtonsAndLabels, ButtonStylesReadBackWhatWasSet)
{
    RecorderForm form;
    KVBUTTON button;
    button.SetParent(&form);
    struct Flag {
        const char *name;
        void (KVBUTTON::*set)(KvBool);
        KvBool (KVBUTTON::*get)();
    };
    const Flag flags[] = {{"push-like", &KVBUTTON::SetPushLike, &KVBUTTON::GetPushLike},
                          {"flat", &KVBUTTON::SetFlat, &KVBUTTON::GetFlat}};
    for (const Flag &flag : flags) {
        EXPECT_EQ((button.*flag.get)(), KvFalse) << flag.name;
        for (KvBool value : {KvTrue, KvFalse}) {
            (button.*flag.set)(value);
            EXPECT_EQ((button.*flag.get)(), value) << flag.name;
        }
    }
}

TEST(ButtonsAndLabels, ALabelPassesTheFocusOnToTheNextControl)
{
    // Positions of the label among two edits, and who ends up focused when
    // the focus is given to `target`: the label itself, the form, or Tab
    // typed in the edit before the label.
    enum Target { Label, Form, TabBefore };
    struct Case {
        const char *what;
        int labelPosition;
        Target target;
        int focusedEdit;
    };
    const Case cases[] = {
        {"label between", 1, Label, 1},
        {"label last wraps to the first", 2, Label, 0},
        {"form with a label first", 0, Form, 0},
        {"Tab onto a label", 1, TabBefore, 1},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.what);
        RecorderForm form;
        KVEDIT edits[2];
        KVLABEL label;
        for (int position = 0, edit = 0; position < 3; ++position) {
            if (position == test.labelPosition)
                label.SetParent(&form);
            else
                edits[edit++].SetParent(&form);
        }
        label.SetCaption("Name:");
        Activate(form);
        switch (test.target) {
        case Label:
            label.SetFocus();
            break;
        case Form:
            SetFocus(form.GetHandle());
            break;
        case TabBefore:
            edits[0].SetFocus();
            PostMessageA(edits[0].GetHandle(), WM_KEYDOWN, VK_TAB, 1);
            PostMessageA(edits[0].GetHandle(), WM_KEYUP, VK_TAB, 0xC0000001);
            break;
        }
        form.Flush();
        EXPECT_EQ(GetFocus(), edits[test.focusedEdit].GetHandle());
        EXPECT_EQ(edits[test.focusedEdit].GetFocused(), KvTrue);
        EXPECT_EQ(label.GetCaption(), "Name:");
    }
}

TEST(ButtonsAndLabels, EachControlHasItsClassStyleAndPlace)
{
    struct Kind {
        const char *name;
        std::function<std::unique_ptr<KVCONTROL>()> makeDefault;
        std::function<std::unique_ptr<KVCONTROL>(KVCONTROL *)> makePlaced;
        const char *windowClass;
        LONG_PTR style;
        int32_t width, height;
        std::vector<const char *> classNames;
    };
    const Kind kinds[] = {
        {"edit",
         [] { return std::make_unique<KVEDIT>(); },
         [](KVCONTROL *p) { return std::make_unique<KVEDIT>(p, "text", 5, 6, 150, 30); },
         "edit",
         0x50011040,
         120,
         20,
         {"EDIT", "Control"}},
        {"memo",
         [] { return std::make_unique<KVMEMO>(); },
         [](KVCONTROL *p) { return std::make_unique<KVMEMO>(p, "text", 5, 6, 150, 30); },
         "edit",
         0x50011044,
         120,
         20,
         {"memo", "edit", "CONTROL"}},
        {"button",
         [] { return std::make_unique<KVBUTTON>(); },
         [](KVCONTROL *p) { return std::make_unique<KVBUTTON>(p, "text", 5, 6, 150, 30); },
         "button",
         0x50012000,
         75,
         25,
         {"button", "control"}},
        {"label",
         [] { return std::make_unique<KVLABEL>(); },
         [](KVCONTROL *p) { return std::make_unique<KVLABEL>(p, "text", 5, 6, 150, 30); },
         "static",
         0x50000000,
         120,
         20,
         {"Label", "control"}},
    };
    const char *const allNames[] = {"EDIT", "MEMO", "BUTTON", "LABEL", "FORM"};
    for (const Kind &kind : kinds) {
        SCOPED_TRACE(kind.name);
        RecorderForm form;
        std::unique_ptr<KVCONTROL> bare = kind.makeDefault();
        EXPECT_EQ(bare->GetHandle(), nullptr);
        bare->SetParent(&form);
        ASSERT_NE(bare->GetHandle(), nullptr);
        char windowClass[32] = {};
        GetClassNameA(bare->GetHandle(), windowClass, sizeof windowClass);
        EXPECT_STRCASEEQ(windowClass, kind.windowClass);
        EXPECT_EQ(GetWindowLongPtrA(bare->GetHandle(), GWL_STYLE) & 0xFFFFFFFF, kind.style);
        EXPECT_EQ(bare->GetWidth(), kind.width);
        EXPECT_EQ(bare->GetHeight(), kind.height);
        // Text controls paint the window background, the others keep the
        // canvas default.
        EXPECT_EQ(bare->GetColor() == GetSysColor(COLOR_WINDOW), bare->IsA("Edit") != KvFalse);
        for (const char *name : allNames) {
            bool expected = false;
            for (const char *own : kind.classNames)
                expected = expected || ToUpper(own) == name;
            EXPECT_EQ(bare->IsA(name), ToKvBool(expected)) << name;
        }

        std::unique_ptr<KVCONTROL> placed = kind.makePlaced(&form);
        EXPECT_EQ(placed->GetParent(), &form);
        EXPECT_EQ(placed->GetCaption(), "text");
        EXPECT_EQ(placed->GetLeft(), 5);
        EXPECT_EQ(placed->GetTop(), 6);
        EXPECT_EQ(placed->GetWidth(), 150);
        EXPECT_EQ(placed->GetHeight(), 30);
        EXPECT_EQ(form.GetChild(2), placed.get());
    }
}
