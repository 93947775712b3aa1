// Enter and Escape in forms, as in Windows dialogs: the default button, the
// focused button, a memo that types Enter, and Escape in a modal dialog.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gui_test_support.h"
#include "kvbutton.h"
#include "kvcheckbox.h"
#include "kvedit.h"

namespace {

// A dialog of an edit, a memo, two buttons and a check box; it can take
// Escape in its eKeyDown handler.
class DialogForm : public RecorderForm {
  public:
    DialogForm()
        : edit(this, "", 5, 5, 100, 20), memo(this, "", 5, 30, 100, 40), ok(this, "OK", 5, 80, 75, 25),
          other(this, "Other", 90, 80, 75, 25), check(this, "Check", 5, 110, 75, 20)
    {
    }

    void EventHandler(void *sender, KvEvent &event) override
    {
        RecorderForm::EventHandler(sender, event);
        if (takeEscape && event.Event == eKeyDown && static_cast<KvKeyEvent &>(event).KeyCode == VK_ESCAPE)
            static_cast<KvKeyEvent &>(event).KeyCode = 0;
    }

    KVEDIT edit;
    KVMEMO memo;
    KVBUTTON ok, other;
    KVCHECKBOX check;
    bool takeEscape = false;
};

enum class Focus { Edit, Memo, Other, Check };

struct KeyCase {
    const char *name;
    bool withDefault; // `ok` is the default button
    bool overMain;    // shown modally in front of a visible main form
    bool takeEscape;  // the eKeyDown handler takes Escape
    Focus focus;
    WORD key;
    // What follows: the button clicked (null for none), whether the dialog
    // closed, whether the memo got a line break.
    const char *clicked;
    bool closed;
    bool lineBreak;
};

const KeyCase KeyCases[] = {
    {"Enter in an edit presses the default button", true, true, false, Focus::Edit, VK_RETURN, "ok", false,
     false},
    {"Enter in a memo is a line break", true, true, false, Focus::Memo, VK_RETURN, nullptr, false, true},
    {"Enter on a button presses it", true, true, false, Focus::Other, VK_RETURN, "other", false, false},
    {"Enter on a check box presses the default button", true, true, false, Focus::Check, VK_RETURN, "ok",
     false, false},
    {"without a default button Enter presses nothing", false, true, false, Focus::Edit, VK_RETURN, nullptr,
     false, false},
    {"without a default button the memo still types Enter", false, true, false, Focus::Memo, VK_RETURN,
     nullptr, false, true},
    {"Escape closes the dialog", true, true, false, Focus::Edit, VK_ESCAPE, nullptr, true, false},
    {"Escape closes a dialog without a default button", false, true, false, Focus::Memo, VK_ESCAPE, nullptr,
     true, false},
    {"Escape taken by the handler leaves the dialog", true, true, true, Focus::Edit, VK_ESCAPE, nullptr,
     false, false},
    {"Escape leaves the main form", true, false, false, Focus::Edit, VK_ESCAPE, nullptr, false, false},
    {"Enter in the main form presses its default button", true, false, false, Focus::Edit, VK_RETURN, "ok",
     false, false},
};

} // namespace

TEST(DialogKeys, EnterAndEscapeActAsInDialogsAfterTheControlsHandlers)
{
    for (const KeyCase &row : KeyCases) {
        SCOPED_TRACE(row.name);
        RecorderForm main;
        if (row.overMain)
            Activate(main);
        DialogForm dialog;
        if (row.withDefault)
            dialog.SetDefaultButton(&dialog.ok);
        dialog.takeEscape = row.takeEscape;
        dialog.SetModalResult(7);
        HWND window = dialog.GetHandle();
        KVCONTROL *focused = row.focus == Focus::Edit    ? static_cast<KVCONTROL *>(&dialog.edit)
                             : row.focus == Focus::Memo  ? static_cast<KVCONTROL *>(&dialog.memo)
                             : row.focus == Focus::Check ? static_cast<KVCONTROL *>(&dialog.check)
                                                         : static_cast<KVCONTROL *>(&dialog.other);
        bool closed = false;
        AfterDelay(50, [&] {
            focused->SetFocus();
            PostMessageA(focused->GetHandle(), WM_KEYDOWN, row.key, 1);
            PostMessageA(focused->GetHandle(), WM_KEYUP, row.key, 0xC0000001);
            PumpUntil([] { return false; }, 300);
            closed = !IsWindow(window);
            if (!closed) {
                EXPECT_EQ(dialog.memo.GetText().Len() > 0, row.lineBreak);
                // Only Space and clicks toggle the check box.
                EXPECT_EQ(dialog.check.GetState(), BST_UNCHECKED);
                dialog.Close();
            }
        });
        EXPECT_EQ(dialog.ShowModal(), 7);
        EXPECT_EQ(closed, row.closed);
        // The key reached the focused control's handlers first.
        const auto keys = dialog.EventsOf({eKeyDown, eClick});
        ASSERT_FALSE(keys.empty());
        EXPECT_EQ(keys[0].sender, focused);
        const void *expected = row.clicked == nullptr             ? nullptr
                               : std::string(row.clicked) == "ok" ? static_cast<void *>(&dialog.ok)
                                                                  : static_cast<void *>(&dialog.other);
        const auto clicks = dialog.EventsOf({eClick});
        ASSERT_EQ(clicks.size(), expected ? 1u : 0u);
        if (expected) {
            EXPECT_EQ(clicks[0].sender, expected);
        }
    }
}

TEST(DialogKeys, TheDefaultButtonIsDrawnAsSuchAndForgottenWhenDeleted)
{
    DialogForm dialog;
    auto typeOf = [](KVBUTTON &button) {
        return GetWindowLongPtrA(button.GetHandle(), GWL_STYLE) & BS_TYPEMASK;
    };
    EXPECT_EQ(dialog.GetDefaultButton(), nullptr);
    dialog.SetDefaultButton(&dialog.ok);
    EXPECT_EQ(dialog.GetDefaultButton(), &dialog.ok);
    EXPECT_EQ(typeOf(dialog.ok), BS_DEFPUSHBUTTON);
    dialog.SetDefaultButton(&dialog.other);
    EXPECT_EQ(typeOf(dialog.ok), BS_PUSHBUTTON);
    EXPECT_EQ(typeOf(dialog.other), BS_DEFPUSHBUTTON);
    // The other style bits stay.
    EXPECT_EQ(dialog.other.HasStyle(BS_MULTILINE | WS_TABSTOP), KvTrue);
    auto gone = std::make_unique<KVBUTTON>(&dialog, "Gone", 5, 110, 75, 25);
    dialog.SetDefaultButton(gone.get());
    gone.reset();
    EXPECT_EQ(dialog.GetDefaultButton(), nullptr);
}
