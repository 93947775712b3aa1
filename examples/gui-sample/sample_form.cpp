#include "sample_form.h"

#include <cstdio>

namespace {

// Puts a menu item with its caption (and shortcut, shown at the right) into
// a menu.
void AddMenuItem(KVMENUITEM &item, KVPOPUP &menu, const KVSTRING &caption, KVSTRING shortcut = "")
{
    item.SetParent(&menu);
    item.SetShortcut(shortcut);
    item.SetCaption(Length(shortcut) ? caption + "\t" + shortcut : caption);
}

} // namespace

SampleForm::SampleForm()
    : MainMenu(this), NameLabel(this, "Name:", 20, 23, 50, 20), NameField(this, "Kelvo", 75, 20, 185, 22),
      AddButton(this, "&Add", 270, 19, 75, 25), Notes(this, "", 20, 55, 325, 110),
      ClockLabel(this, "", 20, 175, 325, 20)
{
    SetCaption("Kelvo sample: click the form");
    SetBorderStyle(BorderDialog);
    AddMenuItem(FileMenu, MainMenu, "&File");
    AddMenuItem(AddItem, FileMenu, "&Add the name", "Ctrl+N");
    AddMenuItem(ClearItem, FileMenu, "&Clear the notes", "Ctrl+L");
    Separator.SetParent(&FileMenu);
    Separator.SetSeparator(KvTrue);
    AddMenuItem(ExitItem, FileMenu, "E&xit", "Alt+X");
    AddMenuItem(HelpMenu, MainMenu, "&Help");
    AddMenuItem(AboutItem, HelpMenu, "&About", "F1");
    SetClientWidth(365);
    SetClientHeight(250);
    NameField.SetColor(KvSystemColorFlag | COLOR_WINDOW);
    Notes.SetColor(KvSystemColorFlag | COLOR_WINDOW);
    Clock.SetParent(this);
    Clock.SetInterval(1000);
    Clock.SetEnabled(KvTrue);
    ShowTime();
    KvEvent created(eCreate);
    Fire(created);
}

void SampleForm::EventHandler(void *sender, KvEvent &event)
{
    if (sender == this)
        FormEvent(event);
    if (event.Event != eClick)
        return;
    if (sender == &AddButton || sender == &AddItem)
        AddNote();
    else if (sender == &ClearItem)
        Notes.SetText("");
    else if (sender == &ExitItem)
        Close();
    else if (sender == &AboutItem)
        Message("A form built on the Kelvo class library alone.", MB_OK);
    else if (sender == &Clock)
        ShowTime();
}

void SampleForm::FormEvent(KvEvent &event)
{
    switch (event.Event) {
    case eClick: {
        char caption[64];
        std::snprintf(caption, sizeof caption, "Kelvo sample: %d clicks", static_cast<int>(++Clicks));
        SetCaption(caption);
        break;
    }
    case ePaint:
        GetCanvas()->SetPenColor(RGB(0, 0, 160));
        GetCanvas()->FrameRectangle(10, 10, 355, 200);
        GetCanvas()->TextOut(20, 215, "Close the window to end the program.");
        break;
    default:
        break;
    }
}

// Appends the name as a line of the notes.
void SampleForm::AddNote()
{
    Notes.SetSelStart(Length(Notes.GetText()));
    Notes.SetSelLength(1);
    Notes.SetSelText(NameField.GetText() + "\r\n");
}

void SampleForm::ShowTime()
{
    char text[48];
    std::snprintf(text, sizeof text, "Open for %d s", static_cast<int>(Seconds++));
    ClockLabel.SetCaption(text);
}
