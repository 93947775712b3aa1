// Forms: creation defaults, geometry cache, frame styles, window states,
// captions, message boxes and the modal loop.
#include <gtest/gtest.h>

#include <memory>

#include "gui_test_support.h"
#include "window_class.h"

namespace {

RECT WindowRectOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// Answers the next message box titled `title` with `button`, from a timer.
void AnswerMessageBox(const char *title, int button, bool *found)
{
    AfterDelay(100, [=] {
        HWND box = FindWindowA("#32770", title);
        *found = box != nullptr;
        PostMessageA(box, WM_COMMAND, button, 0);
    });
}

} // namespace

TEST(Form, NewFormIsHidden400By300WithAnEmptyCaption)
{
    RecorderForm form;
    ASSERT_NE(form.GetHandle(), nullptr);
    EXPECT_FALSE(IsWindowVisible(form.GetHandle()));
    EXPECT_EQ(form.GetVisible(), KvFalse);
    EXPECT_EQ(form.GetWidth(), 400);
    EXPECT_EQ(form.GetHeight(), 300);
    const RECT rect = WindowRectOf(form.GetHandle());
    EXPECT_EQ(form.GetLeft(), rect.left);
    EXPECT_EQ(form.GetTop(), rect.top);
    EXPECT_EQ(form.GetCaption(), "");
    EXPECT_EQ(form.GetBorderStyle(), BorderNone);
    EXPECT_EQ(FindControl(form.GetHandle()), &form);
    char className[64] = {};
    GetClassNameA(form.GetHandle(), className, sizeof className);
    EXPECT_STREQ(className, "gcl_std_wndclass");
    // The form's own class procedure: nothing was subclassed.
    EXPECT_EQ(GetWindowLongPtrA(form.GetHandle(), GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&LibraryWindowProc));
}

TEST(Form, TheWindowClassHasTheLibrarysValues)
{
    RecorderForm form;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "gcl_std_wndclass", &windowClass));
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_DBLCLKS | CS_CLASSDC | CS_PARENTDC));
    EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(windowClass.cbClsExtra, 0);
    EXPECT_EQ(windowClass.cbWndExtra, 0);
}

TEST(Form, EveryFormClassAnswersIsA)
{
    RecorderForm form;
    TestEdit edit;
    EXPECT_EQ(form.IsA("Form"), KvTrue);
    EXPECT_EQ(form.IsA("control"), KvTrue);
    EXPECT_EQ(form.IsA("EDIT"), KvFalse);
    EXPECT_EQ(edit.IsA("Control"), KvTrue);
    EXPECT_EQ(edit.IsA("form"), KvFalse);
    EXPECT_EQ(form.GetForm(), &form);
}

TEST(Form, GeometryCacheFollowsMoves)
{
    RecorderForm form;
    form.SetLeft(30);
    form.SetTop(40);
    form.SetWidth(350);
    form.SetHeight(250);
    const RECT rect = WindowRectOf(form.GetHandle());
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.top, 40);
    EXPECT_EQ(form.GetLeft(), 30);
    EXPECT_EQ(form.GetTop(), 40);
    EXPECT_EQ(form.GetWidth(), 350);
    EXPECT_EQ(form.GetHeight(), 250);

    TestEdit edit;
    edit.SetParent(&form);
    EXPECT_EQ(edit.GetWidth(), 120);
    EXPECT_EQ(edit.GetHeight(), 20);
    edit.SetLeft(5);
    edit.SetTop(6);
    edit.SetWidth(100);
    RECT child = WindowRectOf(edit.GetHandle());
    MapWindowPoints(nullptr, form.GetHandle(), reinterpret_cast<POINT *>(&child), 2);
    EXPECT_EQ(edit.GetLeft(), 5);
    EXPECT_EQ(edit.GetTop(), 6);
    EXPECT_EQ(child.left, 5);
    EXPECT_EQ(child.top, 6);
    EXPECT_EQ(edit.GetWidth(), 100);
    EXPECT_EQ(edit.GetHeight(), 20);
}

TEST(Form, ConstructorWithParentCaptionAndGeometry)
{
    RecorderForm form;
    struct CaptionedEdit : TestEdit {
        explicit CaptionedEdit(KVCONTROL *parent) { Place(parent, "typed", 7, 8, 90, 22); }
    } edit(&form);
    EXPECT_EQ(edit.GetParent(), &form);
    EXPECT_EQ(edit.GetCaption(), "typed");
    EXPECT_EQ(edit.GetLeft(), 7);
    EXPECT_EQ(edit.GetTop(), 8);
    EXPECT_EQ(edit.GetWidth(), 90);
    EXPECT_EQ(edit.GetHeight(), 22);
}

TEST(Form, ChildrenListAndReparenting)
{
    RecorderForm form, other;
    TestEdit first, second;
    EXPECT_EQ(form.GetChild(1), nullptr);
    EXPECT_EQ(form.GetChildCount(), 0);
    first.SetParent(&form);
    second.SetParent(&form);
    EXPECT_EQ(form.GetChild(0), &first);
    EXPECT_EQ(form.GetChild(1), &first);
    EXPECT_EQ(form.GetChild(2), &second);
    EXPECT_EQ(form.GetChild(3), nullptr);
    EXPECT_EQ(form.GetChildCount(), 2);
    EXPECT_EQ(first.HasStyle(WS_TABSTOP), KvTrue);
    EXPECT_EQ(first.HasStyle(WS_THICKFRAME), KvFalse);

    first.SetParent(&other);
    EXPECT_EQ(form.GetChildCount(), 1);
    EXPECT_EQ(form.GetChild(1), &second);
    EXPECT_EQ(other.GetChild(1), &first);
    EXPECT_EQ(GetParent(first.GetHandle()), other.GetHandle());
}

TEST(Form, SetClientWidthAndHeightKeepTheFrame)
{
    RecorderForm form;
    const int32_t frameWidth = form.GetWidth() - form.GetClientWidth();
    const int32_t frameHeight = form.GetHeight() - form.GetClientHeight();
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    EXPECT_EQ(form.GetClientWidth(), 300);
    EXPECT_EQ(form.GetClientHeight(), 200);
    EXPECT_EQ(form.GetWidth(), 300 + frameWidth);
    EXPECT_EQ(form.GetHeight(), 200 + frameHeight);
}

TEST(Form, BorderStylesAndTheBoxGetters)
{
    RecorderForm form;
    const int32_t width = form.GetWidth();
    form.SetBorderStyle(BorderFixedDialog);
    EXPECT_EQ(form.GetBorderStyle(), BorderFixedDialog);
    EXPECT_EQ(form.HasStyle(WS_DLGFRAME), KvTrue);
    EXPECT_EQ(form.HasStyle(WS_THICKFRAME), KvFalse);
    EXPECT_EQ(form.GetMinimizeBox(), KvFalse);
    EXPECT_EQ(form.GetMaximizeBox(), KvFalse);
    EXPECT_EQ(form.GetControlBox(), KvFalse);
    EXPECT_EQ(form.GetWidth(), width);
    form.SetMinimizeBox(KvTrue);
    form.SetMaximizeBox(KvTrue);
    form.SetControlBox(KvTrue);
    EXPECT_EQ(form.GetMinimizeBox(), KvTrue);
    EXPECT_EQ(form.GetMaximizeBox(), KvTrue);
    EXPECT_EQ(form.GetControlBox(), KvTrue);

    form.SetBorderStyle(BorderSizeable);
    EXPECT_EQ(form.HasStyle(WS_THICKFRAME), KvTrue);
    EXPECT_EQ(form.HasStyle(WS_DLGFRAME), KvFalse);
    form.SetBorderStyle(BorderDialog);
    EXPECT_EQ(form.HasStyle(WS_DLGFRAME), KvTrue);
    EXPECT_EQ(form.GetMinimizeBox(), KvFalse);
    EXPECT_EQ(form.GetControlBox(), KvTrue);
    form.SetBorderStyle(BorderNone);
    EXPECT_EQ(form.HasStyle(WS_DLGFRAME | WS_THICKFRAME), KvFalse);
}

TEST(Form, WindowStatesCaptionsAndVisibility)
{
    RecorderForm form;
    form.SetCaption("Kelvo form");
    EXPECT_EQ(form.GetCaption(), "Kelvo form");
    form.Show();
    EXPECT_EQ(form.GetVisible(), KvTrue);
    EXPECT_EQ(form.GetWindowState(), WindowNormal);
    form.SetWindowState(WindowMinimized);
    EXPECT_EQ(form.GetWindowState(), WindowMinimized);
    form.SetWindowState(WindowMaximized);
    EXPECT_EQ(form.GetWindowState(), WindowMaximized);
    form.SetWindowState(7);
    EXPECT_EQ(form.GetWindowState(), WindowMaximized);
    form.Hide();
    EXPECT_EQ(form.GetVisible(), KvFalse);
    form.SetEnabled(KvFalse);
    EXPECT_EQ(form.GetEnabled(), KvFalse);
}

TEST(Form, IconsGoThroughTheWindow)
{
    RecorderForm form;
    HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    form.SetIconHandle(icon);
    EXPECT_EQ(form.GetIconHandle(), icon);
    form.SetIcon("no such icon file.ico");
    EXPECT_EQ(form.GetIconHandle(), nullptr);
}

TEST(Form, FontDescriptionIsRebuiltItemByItem)
{
    RecorderForm form;
    TestEdit edit;
    edit.SetParent(&form);
    ControlFont *font = edit.GetFont();
    EXPECT_EQ(font, edit.GetFont());
    font->SetName("Tahoma");
    font->SetSize(15);
    font->SetBold(KvTrue);
    font->SetUnderline(KvTrue);
    EXPECT_EQ(font->GetName(), "Tahoma");
    EXPECT_EQ(font->GetSize(), 15);
    EXPECT_EQ(font->GetBold(), KvTrue);
    EXPECT_EQ(font->GetItalic(), KvFalse);
    EXPECT_EQ(font->GetUnderline(), KvTrue);
    EXPECT_EQ(font->GetStrikeOut(), KvFalse);
    font->SetBold(KvFalse);
    EXPECT_EQ(font->GetBold(), KvFalse);
    EXPECT_EQ(font->GetSize(), 15);
    // The window uses the rebuilt font.
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit.GetHandle(), WM_GETFONT, 0, 0)), font->GetHandle());
}

TEST(Form, MessageBoxesAnswerTheButtonAndMessageUsesTheCaption)
{
    RecorderForm form;
    form.SetCaption("Form title");
    bool found = false;
    AnswerMessageBox("Form title", IDNO, &found);
    EXPECT_EQ(form.Message("Question?", MB_YESNO), IDNO);
    EXPECT_TRUE(found);

    found = false;
    AnswerMessageBox("Other title", IDOK, &found);
    EXPECT_EQ(form.MessageBox("Text", "Other title", MB_OK), IDOK);
    EXPECT_TRUE(found);
}

TEST(Modal, ShowModalReturnsTheModalResult)
{
    RecorderForm form;
    AfterDelay(50, [&] {
        EXPECT_EQ(form.GetVisible(), KvTrue);
        form.SetModalResult(42);
        form.Close();
    });
    EXPECT_EQ(form.ShowModal(), 42);
    EXPECT_EQ(form.GetHandle(), nullptr);
}

TEST(Modal, APostedQuitDoesNotEndTheModalLoop)
{
    RecorderForm form;
    bool openWhenClosed = false;
    PostQuitMessage(0);
    AfterDelay(300, [&] {
        openWhenClosed = IsWindow(form.GetHandle()) != FALSE;
        form.SetModalResult(5);
        form.Close();
    });
    EXPECT_EQ(form.ShowModal(), 5);
    EXPECT_TRUE(openWhenClosed);
}

TEST(Modal, AFormWithoutWindowReturnsAtOnce)
{
    RecorderForm form;
    form.SetModalResult(3);
    DestroyWindow(form.GetHandle());
    EXPECT_EQ(form.ShowModal(), 3);
}

TEST(Modal, NestedModalFormsDisableAndRestoreTheOthers)
{
    RecorderForm bystander, disabledBefore, outer;
    Activate(bystander);
    disabledBefore.SetEnabled(KvFalse);
    bool checkedInner = false, checkedAfterInner = false;
    AfterDelay(50, [&] {
        EXPECT_EQ(bystander.GetEnabled(), KvFalse);
        EXPECT_EQ(outer.GetEnabled(), KvTrue);
        auto inner = std::make_unique<RecorderForm>();
        AfterDelay(50, [&] {
            EXPECT_EQ(outer.GetEnabled(), KvFalse);
            EXPECT_EQ(bystander.GetEnabled(), KvFalse);
            EXPECT_EQ(disabledBefore.GetEnabled(), KvFalse);
            EXPECT_EQ(inner->GetEnabled(), KvTrue);
            checkedInner = true;
            inner->Close();
        });
        SetActiveWindow(outer.GetHandle());
        inner->ShowModal();
        EXPECT_EQ(outer.GetEnabled(), KvTrue);
        EXPECT_EQ(bystander.GetEnabled(), KvFalse);
        EXPECT_EQ(disabledBefore.GetEnabled(), KvFalse);
        EXPECT_EQ(GetActiveWindow(), outer.GetHandle());
        checkedAfterInner = true;
        outer.Close();
    });
    outer.ShowModal();
    EXPECT_TRUE(checkedInner);
    EXPECT_TRUE(checkedAfterInner);
    EXPECT_EQ(bystander.GetEnabled(), KvTrue);
    EXPECT_EQ(disabledBefore.GetEnabled(), KvFalse);
    EXPECT_EQ(GetActiveWindow(), bystander.GetHandle());
}
