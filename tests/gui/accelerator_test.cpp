// The message loop's accelerator owners: a key acts once, only through the
// tables of enabled forms that contain the key's window.
#include <gtest/gtest.h>

#include "gui_test_support.h"

namespace {

constexpr WORD CopyCommand = 40001;

class TestOwner : public AcceleratorOwner {
  public:
    explicit TestOwner(KVCONTROL *form) : form(form)
    {
        ACCEL copy = {FVIRTKEY | FCONTROL, 'C', CopyCommand};
        table = CreateAcceleratorTableA(&copy, 1);
        RegisterAccelerators(this);
    }
    ~TestOwner()
    {
        UnregisterAccelerators(this);
        DestroyAcceleratorTable(table);
    }
    HACCEL GetAcceleratorTable() override { return table; }
    KVCONTROL *GetOwnerForm() override { return form; }

  private:
    KVCONTROL *form;
    HACCEL table;
};

void PostKey(HWND window, UINT key)
{
    PostMessageA(window, WM_KEYDOWN, key, 0x00000001);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

size_t CountOf(const std::vector<UINT> &messages, UINT message)
{
    size_t count = 0;
    for (UINT seen : messages)
        count += seen == message;
    return count;
}

// A shown form with a focused edit.
class AcceleratorTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_EQ(AcceleratorOwnerCount(), 0);
        edit.SetParent(&form);
        Activate(form);
        edit.SetFocus();
        form.Flush();
        edit.messages.clear();
    }

    RecorderForm form;
    TestEdit edit;
};

} // namespace

TEST_F(AcceleratorTest, ARegisteredTableTurnsTheKeyIntoExactlyOneCommand)
{
    TestOwner owner(&form);
    {
        HeldControlKey control;
        PostKey(edit.GetHandle(), 'C');
        form.Flush();
    }
    EXPECT_EQ(form.commands, (std::vector<WPARAM>{MAKEWPARAM(CopyCommand, 1)}));
    EXPECT_EQ(CountOf(edit.messages, WM_KEYDOWN), 0u);
    EXPECT_EQ(CountOf(edit.messages, WM_CHAR), 0u);
    EXPECT_TRUE(form.EventsOf({eKeyDown, eKeyPress}).empty());
}

TEST_F(AcceleratorTest, AKeyNoTableKnowsReachesTheFocusedControl)
{
    TestOwner owner(&form);
    PostKey(edit.GetHandle(), 'X');
    form.Flush();
    EXPECT_TRUE(form.commands.empty());
    EXPECT_EQ(CountOf(edit.messages, WM_KEYDOWN), 1u);
    EXPECT_EQ(CountOf(edit.messages, WM_CHAR), 1u);
    EXPECT_EQ(edit.GetCaption(), "x");
}

TEST_F(AcceleratorTest, ADisabledFormsTableIsNotTried)
{
    TestOwner owner(&form);
    const DisabledForms disabled = DisableForms();
    {
        HeldControlKey control;
        PostKey(edit.GetHandle(), 'C');
        form.Flush();
    }
    RestoreForms(disabled);
    EXPECT_TRUE(form.commands.empty());
    EXPECT_EQ(CountOf(edit.messages, WM_KEYDOWN), 1u);
    EXPECT_EQ(form.GetEnabled(), KvTrue);
}

TEST_F(AcceleratorTest, AKeyInsideAModalFormIsNotTakenByTheDisabledFormsTable)
{
    TestOwner owner(&form);
    RecorderForm dialog;
    TestEdit field;
    field.SetParent(&dialog);
    bool formWasDisabled = false;
    AfterDelay(50, [&] {
        formWasDisabled = form.GetEnabled() == KvFalse;
        field.SetFocus();
        field.messages.clear();
        {
            HeldControlKey control;
            PostKey(field.GetHandle(), 'C');
            dialog.Flush();
        }
        dialog.Close();
    });
    dialog.ShowModal();
    EXPECT_TRUE(formWasDisabled);
    EXPECT_TRUE(form.commands.empty());
    EXPECT_EQ(CountOf(field.messages, WM_KEYDOWN), 1u);
}

TEST_F(AcceleratorTest, OnlyTheFormsOwnTableIsTriedForItsWindows)
{
    RecorderForm other;
    TestOwner owner(&other);
    {
        HeldControlKey control;
        PostKey(edit.GetHandle(), 'C');
        form.Flush();
    }
    EXPECT_TRUE(other.commands.empty());
    EXPECT_TRUE(form.commands.empty());
    EXPECT_EQ(CountOf(edit.messages, WM_KEYDOWN), 1u);
}

TEST_F(AcceleratorTest, WithoutOwnersTheLoopOnlyTranslatesAndDispatches)
{
    PostKey(edit.GetHandle(), 'A');
    form.Flush();
    EXPECT_EQ(CountOf(edit.messages, WM_KEYDOWN), 1u);
    EXPECT_EQ(CountOf(edit.messages, WM_CHAR), 1u);
    EXPECT_EQ(CountOf(edit.messages, WM_KEYUP), 1u);
}

TEST_F(AcceleratorTest, AnUnregisteredOwnerIsNoLongerReached)
{
    {
        TestOwner owner(&form);
        EXPECT_EQ(AcceleratorOwnerCount(), 1);
    }
    EXPECT_EQ(AcceleratorOwnerCount(), 0);
    {
        HeldControlKey control;
        PostKey(edit.GetHandle(), 'C');
        form.Flush();
    }
    EXPECT_TRUE(form.commands.empty());
    EXPECT_EQ(CountOf(edit.messages, WM_KEYDOWN), 1u);
}

TEST(AcceleratorOwners, TheRegistryRefusesOwnersBeyondItsCapacityAndKeepsOrder)
{
    struct NoTable : AcceleratorOwner {
        HACCEL GetAcceleratorTable() override { return nullptr; }
        KVCONTROL *GetOwnerForm() override { return nullptr; }
    };
    std::vector<NoTable> owners(AcceleratorOwnerCapacity + 1);
    for (int32_t i = 0; i < AcceleratorOwnerCapacity; ++i)
        ASSERT_TRUE(RegisterAccelerators(&owners[i]));
    EXPECT_FALSE(RegisterAccelerators(&owners.back()));
    EXPECT_EQ(AcceleratorOwnerCount(), AcceleratorOwnerCapacity);
    UnregisterAccelerators(&owners[3]);
    EXPECT_EQ(AcceleratorOwnerCount(), AcceleratorOwnerCapacity - 1);
    EXPECT_TRUE(RegisterAccelerators(&owners.back()));
    for (NoTable &owner : owners)
        UnregisterAccelerators(&owner);
    EXPECT_EQ(AcceleratorOwnerCount(), 0);
}

// A tool window that takes its shortcuts from the window it serves: a key
// typed into it acts once, through that window's table alone, while that
// window is enabled; a modal form that disabled it uses its own table.
TEST_F(AcceleratorTest, AFormTakingAnothersShortcutsUsesThatTableInPlaceOfItsOwnWhileTheOtherIsEnabled)
{
    const std::vector<WPARAM> copied = {MAKEWPARAM(CopyCommand, 1)};
    for (const bool lenderDisabled : {false, true}) {
        SCOPED_TRACE(lenderDisabled ? "lender disabled" : "lender enabled");
        RecorderForm lender;
        TestOwner lenderTable(&lender);
        TestOwner ownTable(&form);
        form.SetShortcutForm(&lender);
        const DisabledForms disabled = lenderDisabled ? DisableForms(&form) : DisabledForms();
        form.commands.clear();
        edit.messages.clear();
        {
            HeldControlKey control;
            PostKey(edit.GetHandle(), 'C');
            form.Flush();
        }
        lender.Flush();
        RestoreForms(disabled);
        form.SetShortcutForm(nullptr);
        EXPECT_EQ(lender.commands, lenderDisabled ? std::vector<WPARAM>{} : copied);
        EXPECT_EQ(form.commands, lenderDisabled ? copied : std::vector<WPARAM>{});
        EXPECT_EQ(CountOf(edit.messages, WM_KEYDOWN), 0u);
    }
}
