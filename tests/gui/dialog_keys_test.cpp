// Enter and Escape in forms, as in Windows dialogs: the default button (one
// of the form's own), the focused button, a memo that types Enter, and
// Escape in a dialog whose modal loop runs inside another form's.
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

// The dialog's default button: none, `ok`, `ok` moved into the other form,
// or a button of the other form.
enum class Default { None, Ok, OkMoved, OthersButton };

// What runs around the dialog's modal loop: nothing, the other form's modal
// loop (the dialog is in front of it), or the other form shown as a splash
// that stays up or is closed before the key comes.
enum class Around { Nothing, OthersLoop, Splash, SplashClosed };

struct KeyCase {
    const char *name;
    Default defaultButton;
    Around around;
    bool takeEscape; // the eKeyDown handler takes Escape
    Focus focus;
    WORD key;
    // What follows: the button clicked (null for none), whether the dialog
    // closed, whether the memo got a line break.
    const char *clicked;
    bool closed;
    bool lineBreak;
};

const KeyCase KeyCases[] = {
    {"Enter in an edit presses the default button", Default::Ok, Around::OthersLoop, false, Focus::Edit,
     VK_RETURN, "ok", false, false},
    {"Enter in a memo is a line break", Default::Ok, Around::OthersLoop, false, Focus::Memo, VK_RETURN,
     nullptr, false, true},
    {"Enter on a button presses it", Default::Ok, Around::OthersLoop, false, Focus::Other, VK_RETURN, "other",
     false, false},
    {"Enter on a check box presses the default button", Default::Ok, Around::OthersLoop, false, Focus::Check,
     VK_RETURN, "ok", false, false},
    {"without a default button Enter presses nothing", Default::None, Around::OthersLoop, false, Focus::Edit,
     VK_RETURN, nullptr, false, false},
    {"without a default button the memo still types Enter", Default::None, Around::OthersLoop, false,
     Focus::Memo, VK_RETURN, nullptr, false, true},
    {"a default button moved into another form is not pressed", Default::OkMoved, Around::OthersLoop, false,
     Focus::Edit, VK_RETURN, nullptr, false, false},
    {"another form's button is no default button", Default::OthersButton, Around::OthersLoop, false,
     Focus::Edit, VK_RETURN, nullptr, false, false},
    {"Escape closes the dialog", Default::Ok, Around::OthersLoop, false, Focus::Edit, VK_ESCAPE, nullptr,
     true, false},
    {"Escape closes a dialog without a default button", Default::None, Around::OthersLoop, false, Focus::Memo,
     VK_ESCAPE, nullptr, true, false},
    {"Escape taken by the handler leaves the dialog", Default::Ok, Around::OthersLoop, true, Focus::Edit,
     VK_ESCAPE, nullptr, false, false},
    {"Escape leaves the main form", Default::Ok, Around::Nothing, false, Focus::Edit, VK_ESCAPE, nullptr,
     false, false},
    {"Escape leaves the main form shown after a splash", Default::Ok, Around::Splash, false, Focus::Edit,
     VK_ESCAPE, nullptr, false, false},
    {"Escape leaves the main form after its splash closed", Default::None, Around::SplashClosed, false,
     Focus::Edit, VK_ESCAPE, nullptr, false, false},
    {"Enter in the main form presses its default button", Default::Ok, Around::Nothing, false, Focus::Edit,
     VK_RETURN, "ok", false, false},
};

} // namespace

TEST(DialogKeys, EnterAndEscapeActAsInDialogsAfterTheControlsHandlers)
{
    for (const KeyCase &row : KeyCases) {
        SCOPED_TRACE(row.name);
        RecorderForm other;
        KVBUTTON othersButton(&other, "Other's", 5, 5, 75, 25);
        DialogForm dialog;
        if (row.defaultButton != Default::None)
            dialog.SetDefaultButton(row.defaultButton == Default::OthersButton ? &othersButton : &dialog.ok);
        if (row.defaultButton == Default::OkMoved)
            dialog.ok.SetParent(&other);
        dialog.takeEscape = row.takeEscape;
        dialog.SetModalResult(7);
        HWND window = dialog.GetHandle();
        KVCONTROL *focused = row.focus == Focus::Edit    ? static_cast<KVCONTROL *>(&dialog.edit)
                             : row.focus == Focus::Memo  ? static_cast<KVCONTROL *>(&dialog.memo)
                             : row.focus == Focus::Check ? static_cast<KVCONTROL *>(&dialog.check)
                                                         : static_cast<KVCONTROL *>(&dialog.other);
        bool closed = false;
        const auto pressKey = [&] {
            if (row.around == Around::SplashClosed)
                other.Close();
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
        };
        int32_t result = 0;
        const auto showDialog = [&] {
            AfterDelay(50, pressKey);
            result = dialog.ShowModal();
        };
        if (row.around == Around::OthersLoop) {
            AfterDelay(10, [&] {
                showDialog();
                other.Close();
            });
            other.ShowModal();
        } else {
            if (row.around != Around::Nothing)
                other.Show();
            showDialog();
        }
        EXPECT_EQ(result, 7);
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
        EXPECT_TRUE(other.EventsOf({eClick}).empty()) << "Enter pressed a button of the other form";
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
    // Out of the form, the button is no default button, neither drawn nor
    // answered as one; back in, it is again.
    RecorderForm elsewhere;
    dialog.other.SetParent(&elsewhere);
    EXPECT_EQ(dialog.GetDefaultButton(), nullptr);
    EXPECT_EQ(typeOf(dialog.other), BS_PUSHBUTTON);
    dialog.other.SetParent(&dialog);
    EXPECT_EQ(dialog.GetDefaultButton(), &dialog.other);
    EXPECT_EQ(typeOf(dialog.other), BS_DEFPUSHBUTTON);
    KVBUTTON strangers(&elsewhere, "Stranger's", 5, 5, 75, 25);
    dialog.SetDefaultButton(&strangers);
    EXPECT_EQ(dialog.GetDefaultButton(), nullptr);
    EXPECT_EQ(typeOf(strangers), BS_PUSHBUTTON);
    // Only a push button takes the default look: a check box named as the
    // default keeps its kind, and so its mark.
    KVCHECKBOX check(&dialog, "Check", 5, 140, 100, 20);
    const auto checkType = typeOf(check);
    dialog.SetDefaultButton(&check);
    dialog.SetDefaultButton(&dialog.ok);
    EXPECT_EQ(typeOf(check), checkType);
    auto gone = std::make_unique<KVBUTTON>(&dialog, "Gone", 5, 110, 75, 25);
    dialog.SetDefaultButton(gone.get());
    gone.reset();
    EXPECT_EQ(dialog.GetDefaultButton(), nullptr);
}
