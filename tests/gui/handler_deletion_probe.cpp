// A program that deletes a form, a control or a menu item inside one of the
// handlers of an event, then checks that another form still hears a real
// click (which the system sends to a window that holds the capture).
// Freed memory is overwritten and kept, so that any later read through a
// deleted object faults at once and any later write is found at the end.
//
//   handler_deletion_probe TRIGGER VICTIM
//
// TRIGGER names the event and its sender (see Triggers), VICTIM the object
// its handler destroys and deletes: form, button, edit or item; form-only
// deletes the form and leaves its window. Exit status:
// 0 the program went on, 2 the deleting handler never ran, 3 the later
// click did not arrive, 4 deleted memory was written, 1 bad arguments.
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "app_instance.h"
#include "kvbutton.h"
#include "kvedit.h"
#include "kvform.h"
#include "kvmenu.h"
#include "message_loop.h"
#include "real_input.h"

namespace {

// Every block starts with its size; a deleted block is filled with a pattern
// and kept, linked through its header, so that a write after the delete
// shows too.
struct Block {
    std::size_t size;
    Block *nextFreed;
};
constexpr std::size_t HeaderSize =
    (sizeof(Block) + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) * alignof(std::max_align_t);
constexpr unsigned char FreedFill = 0xDD;

Block *FreedBlocks = nullptr;

unsigned char *Payload(Block *block) { return reinterpret_cast<unsigned char *>(block) + HeaderSize; }

bool FreedBlocksUntouched()
{
    for (Block *block = FreedBlocks; block; block = block->nextFreed) {
        for (std::size_t index = 0; index < block->size; ++index) {
            if (Payload(block)[index] != FreedFill)
                return false;
        }
    }
    return true;
}

} // namespace

void *operator new(std::size_t size)
{
    auto *block = static_cast<Block *>(std::malloc(size + HeaderSize));
    if (!block)
        throw std::bad_alloc();
    block->size = size;
    return Payload(block);
}

void operator delete(void *memory) noexcept
{
    if (!memory)
        return;
    auto *block = reinterpret_cast<Block *>(static_cast<unsigned char *>(memory) - HeaderSize);
    std::memset(memory, FreedFill, block->size);
    block->nextFreed = FreedBlocks;
    FreedBlocks = block;
}

void operator delete(void *memory, std::size_t) noexcept { operator delete(memory); }

namespace {

enum class Sender { Form, Button, Edit, Item };

struct Trigger {
    const char *name;
    Sender sender;
    int32_t event;
};

const Trigger Triggers[] = {
    {"close", Sender::Form, eClose},
    {"destroy", Sender::Form, eDestroy},
    {"form-click", Sender::Form, eClick},
    {"form-mousedown", Sender::Form, eMouseDown},
    {"form-keydown", Sender::Form, eKeyDown},
    {"button-click", Sender::Button, eClick},
    {"button-mousedown", Sender::Button, eMouseDown},
    {"edit-keydown", Sender::Edit, eKeyDown},
    {"edit-destroy", Sender::Edit, eDestroy},
    {"menu", Sender::Item, eClick},
    {"accelerator", Sender::Item, eClick},
};

// The objects of the run, each allocated on its own so that any one of them
// can be deleted.
KVFORM *Form = nullptr;
KVBUTTON *Button = nullptr;
KVEDIT *Edit = nullptr;
KVMAINMENU *Bar = nullptr;
KVMENUITEM *FileMenu = nullptr;
KVMENUITEM *Item = nullptr;

const Trigger *Chosen = nullptr;
std::string Victim;
bool Deleted = false;

void *SenderObject()
{
    switch (Chosen->sender) {
    case Sender::Form:
        return Form;
    case Sender::Button:
        return Button;
    case Sender::Edit:
        return Edit;
    case Sender::Item:
        return Item;
    }
    return nullptr;
}

// Destroys the victim's window when asked (not when it is going already: the
// victim is the sender of eDestroy), then deletes the object.
template <typename Control> void Delete(Control *&control, bool destroyWindow)
{
    if (destroyWindow)
        Lazy::DestroyWindow(control->GetHandle());
    delete control;
    control = nullptr;
}

void DeleteVictim(void *sender)
{
    const bool windowGoing = Chosen->event == eDestroy;
    if (Victim == "form")
        Delete(Form, !(windowGoing && sender == Form));
    else if (Victim == "form-only")
        Delete(Form, false);
    else if (Victim == "button")
        Delete(Button, true);
    else if (Victim == "edit")
        Delete(Edit, !(windowGoing && sender == Edit));
    else if (Victim == "item") {
        delete Item;
        Item = nullptr;
    }
    Deleted = true;
}

class ProbeForm : public KVFORM {
  public:
    // Touches nothing of the form after the victim is gone.
    void EventHandler(void *sender, KvEvent &event) override
    {
        if (!Deleted && event.Event == Chosen->event && sender == SenderObject())
            DeleteVictim(sender);
    }
};

class WitnessForm : public KVFORM {
  public:
    void EventHandler(void *, KvEvent &event) override
    {
        if (event.Event == eClick)
            clicked = true;
    }

    bool clicked = false;
};

template <typename Done> bool PumpUntil(Done done)
{
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, nullptr);
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < 5000)
        PumpMessage();
    KillTimer(nullptr, timer);
    return done();
}

void PostClick(HWND window, int x, int y)
{
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void Build()
{
    Form = new ProbeForm;
    Button = new KVBUTTON(Form, "Button", 10, 10, 75, 25);
    Edit = new KVEDIT(Form, "", 10, 50, 120, 20);
    Bar = new KVMAINMENU(Form);
    FileMenu = new KVMENUITEM;
    FileMenu->SetParent(Bar);
    FileMenu->SetCaption("&File");
    Item = new KVMENUITEM;
    Item->SetParent(FileMenu);
    Item->SetCaption("&Close\tF5");
    Item->SetShortcut("F5");
}

void Raise(const std::string &trigger)
{
    HWND form = Form->GetHandle();
    if (trigger == "close" || trigger == "destroy")
        PostMessageA(form, WM_CLOSE, 0, 0);
    else if (trigger == "form-click")
        PostClick(form, 200, 150);
    else if (trigger == "form-mousedown")
        PostMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 150));
    else if (trigger == "form-keydown")
        PostMessageA(form, WM_KEYDOWN, 'A', 1);
    else if (trigger == "button-click")
        PostClick(Button->GetHandle(), 5, 5);
    else if (trigger == "button-mousedown")
        PostMessageA(Button->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    else if (trigger == "edit-keydown")
        PostMessageA(Edit->GetHandle(), WM_KEYDOWN, 'A', 1);
    else if (trigger == "edit-destroy")
        Lazy::DestroyWindow(Edit->GetHandle());
    else if (trigger == "menu")
        PostMessageA(form, WM_COMMAND, MAKEWPARAM(Item->GetID(), 0), 0);
    else if (trigger == "accelerator")
        PostMessageA(form, WM_KEYDOWN, VK_F5, 1);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return 1;
    for (const Trigger &trigger : Triggers) {
        if (argv[1] == std::string(trigger.name))
            Chosen = &trigger;
    }
    Victim = argv[2];
    if (!Chosen)
        return 1;
    AppInstanceHandle = GetModuleHandleA(nullptr);

    WitnessForm witness;
    witness.SetBounds(600, 400, 300, 200);
    witness.Show();
    SetForegroundWindow(witness.GetHandle());
    Build();
    Raise(Chosen->name);
    if (!PumpUntil([] { return Deleted; }))
        return 2;
    ClickAt(witness.GetHandle(), 20, 20);
    if (!PumpUntil([&] { return witness.clicked; }))
        return 3;
    return FreedBlocksUntouched() ? 0 : 4;
}
