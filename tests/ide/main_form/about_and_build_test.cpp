// The about box, and the Build commands running a stand-in "kvo".
#include "about_form.h"
#include "editor_fixture.h"
#include "kvo_on_path.h"

TEST_F(EditorTest, AboutShowsNameAndVersionModallyUntilOkOrTheCloseBox)
{
    for (bool okButton : {true, false}) {
        bool checked = false;
        answers.FormAction("About Kelvo IDE", [&](HWND box) {
            KVABOUTFORM &about = *TheAboutForm;
            EXPECT_EQ(about.GetHandle(), box);
            EXPECT_EQ(about.VersionLabel.GetCaption(), "Kelvo IDE version 0.0");
            EXPECT_FALSE(IsWindowEnabled(form.GetHandle()));
            if (okButton)
                SendMessageA(about.AboutOkButton.GetHandle(), BM_CLICK, 0, 0);
            else
                PostMessageA(box, WM_CLOSE, 0, 0);
            checked = true;
        });
        Command(form.AboutItem);
        EXPECT_TRUE(checked);
        EXPECT_EQ(TheAboutForm, nullptr);
        EXPECT_TRUE(IsWindowEnabled(form.GetHandle()));
    }
    EXPECT_EQ(answers.Unexpected(), std::vector<std::string>());
}

TEST_F(EditorTest, BuildCommandsRunKvoOnTheFileAsLastSaved)
{
    KvoOnPath kvo;
    Command(form.CompileItem);
    const std::string name = Path("my form & more");
    scratch.Put("my form & more", "saved");
    OpenThroughDialog(name);
    Type("unsaved ");
    Command(form.CompileItem);
    SetFocus(nullptr);
    Command(form.CompileFormItem);
    // The editor takes the keyboard back from the command processor.
    EXPECT_EQ(GetFocus(), form.Memo.GetHandle());
    using Runs = std::vector<std::vector<std::string>>;
    EXPECT_EQ(kvo.Runs(), (Runs{{"Untitled"}, {name}, {name}}));
    EXPECT_EQ(scratch.Get("my form & more"), "saved");
    EXPECT_EQ(State().text, "unsaved saved");
}
