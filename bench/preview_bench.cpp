// The editor's form preview on a large form: a generated form of 500
// controls (ten placeholder panels of 49 labels, edits and buttons, and a
// menu bar) in the memo of a real main form, previewed with Build > Preview
// form as the F12 key's command does it, until the preview is shown and
// every message it caused is handled.
//   preview_bench [RUNS]
// Each run closes the preview, then times a first request (the window is
// built and shown) and a second one (rebuilt in place). Beside it, the same
// window tree made with bare Win32 calls (each window created with its
// caption and place, no library between) is timed the same way: what the
// windowing system alone costs on this machine. Then the library's menus
// alone: a menu of 1,250, 2,500 and 5,000 items, each with a shortcut,
// built, its accelerator table gathered, and deleted, which takes time in
// proportion to the number of items. And the designer on the same preview:
// one arrow-key move of a control of the last panel (the end of the text),
// from the key to the text changed and the control moved and painted, and
// a mouse drag of 50 steps, each step timed to the control painted at its
// new place. Prints the median of RUNS runs
// (default 5) of each as Markdown table rows; exits with status 1 when a
// request fails.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "main_form.h"

namespace {

constexpr int Panels = 10;
constexpr int ControlsPerPanel = 49;

struct Bounds {
    int left, top, width, height;
};

// A control type of the generated form and the window it makes.
struct GeneratedType {
    const char *kelvoType;
    const char *windowClass;
    DWORD style;
    DWORD exStyle;
};

const GeneratedType Types[] = {
    {"KvLabel", "static", WS_CHILD | WS_VISIBLE, 0},
    {"KvEdit", "edit", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_WANTRETURN | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE},
    {"KvButton", "button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_MULTILINE, 0},
};

const char *const FormCaption = "Five hundred controls";
constexpr Bounds FormSize{0, 0, 1000, 760};

Bounds PanelBounds(int panel) { return {panel % 5 * 196, panel / 5 * 350, 192, 346}; }

Bounds ControlBounds(int index) { return {index % 2 * 94, index / 2 * 14, 90, 13}; }

const GeneratedType &ControlType(int index) { return Types[index % 3]; }

std::string PanelName(int panel) { return "Panel" + std::to_string(panel); }

std::string ControlName(int panel, int index) { return PanelName(panel) + "_" + std::to_string(index); }

std::string PlaceLines(const Bounds &bounds, const std::string &indent)
{
    return indent + "Left = " + std::to_string(bounds.left) + "\r\n" + indent +
           "Top = " + std::to_string(bounds.top) + "\r\n" + indent + "Width = " + std::to_string(bounds.width) +
           "\r\n" + indent + "Height = " + std::to_string(bounds.height) + "\r\n";
}

std::string GeneratedForm()
{
    std::string text = "Big AS FORM\r\n  Caption = \"" + std::string(FormCaption) +
                       "\"\r\n  Width = " + std::to_string(FormSize.width) +
                       "\r\n  Height = " + std::to_string(FormSize.height) +
                       "\r\n  eCreate: Big_Create\r\n"
                       "  Menu AS KvMainMenu\r\n    FileMenu AS KvMenu\r\n      Caption = \"&File\"\r\n"
                       "      Quit AS KvMenuItem\r\n        Caption = \"&Quit\"\r\n        ShortCut = \"Ctrl+Q\"\r\n"
                       "      END\r\n    END\r\n  END\r\n";
    for (int panel = 0; panel < Panels; ++panel) {
        text += "  " + PanelName(panel) + " AS KvPanel\r\n" + PlaceLines(PanelBounds(panel), "    ");
        for (int index = 0; index < ControlsPerPanel; ++index) {
            const std::string control = ControlName(panel, index);
            text += "    " + control + " AS " + ControlType(index).kelvoType + "\r\n      Caption = \"" + control +
                    "\"\r\n" + PlaceLines(ControlBounds(index), "      ") +
                    "      eClick: Any_Click\r\n    END\r\n";
        }
        text += "  END\r\n";
    }
    return text + "END\r\nSUB Any_Click(^Event AS KvEvent)\r\nEND SUB\r\n";
}

std::string Text(const KVSTRING &text) { return std::string(text.Data(), static_cast<size_t>(text.Len())); }

// Handles every message that is waiting, painting included.
void HandlePending()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

template <typename Request> double Seconds(Request request)
{
    const auto start = std::chrono::steady_clock::now();
    request();
    HandlePending();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Preview(KVMAINFORM &form)
{
    SendMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(form.PreviewItem.GetID(), 0), 0);
    KVFORM *preview = form.Preview.Window();
    if (preview == nullptr || !IsWindowVisible(preview->GetHandle())) {
        std::fprintf(stderr, "preview failed: %s\n", form.LastPreviewReport.Summary().c_str());
        std::exit(1);
    }
}

// A mouse or key message as the message loop hands it to the preview's
// filter, then everything it caused handled, painting included.
void Offer(KVFORM &preview, HWND window, UINT message, WPARAM wParam, POINT screen)
{
    MSG msg{window, message, wParam, 0, GetTickCount(), screen};
    POINT client = screen;
    ScreenToClient(window, &client);
    msg.lParam = MAKELPARAM(client.x, client.y);
    if (!preview.FilterMessage(msg)) {
        std::fprintf(stderr, "the designer did not take message %#x\n", message);
        std::exit(1);
    }
    HandlePending();
}

struct DesignTimings {
    std::vector<double> arrowKey, dragStep;
};

// The last control of the last panel, selected, moved by the Right key, then
// dragged by its middle in 50 steps of 3 pixels.
void TimeDesigner(KVMAINFORM &form, DesignTimings &timings)
{
    KVFORM &preview = *form.Preview.Window();
    FormDesigner &designer = *form.Preview.Designer();
    designer.Select(Panels * (ControlsPerPanel + 1));
    KVCONTROL &panel = *preview.GetChild(Panels);
    KVCONTROL &control = *panel.GetChild(ControlsPerPanel);
    const std::string before = Text(form.Memo.GetText());
    timings.arrowKey.push_back(Seconds([&] {
        Offer(preview, preview.GetHandle(), WM_KEYDOWN, VK_RIGHT, {0, 0});
    }));
    if (Text(form.Memo.GetText()) == before) {
        std::fprintf(stderr, "the arrow key changed no text\n");
        std::exit(1);
    }
    POINT start{control.GetWidth() / 2, control.GetHeight() / 2};
    ClientToScreen(control.GetHandle(), &start);
    Offer(preview, control.GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, start);
    for (int step = 1; step <= 50; ++step)
        timings.dragStep.push_back(Seconds([&] {
            Offer(preview, preview.GetHandle(), WM_MOUSEMOVE, MK_LBUTTON, {start.x + 3 * step, start.y});
        }));
    Offer(preview, preview.GetHandle(), WM_LBUTTONUP, 0, {start.x + 150, start.y});
}

// The generated form's windows made directly: the form owned by the
// editor, its menu bar, bordered panels of a class that only draws its
// background, and the controls in the library's window classes and styles
// with the stock font, shown without taking the focus.
class BareWindows {
  public:
    explicit BareWindows(HWND owner) : owner(owner)
    {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = ClassName;
        RegisterClassExA(&windowClass);
    }
    ~BareWindows() { Close(); }

    void Close()
    {
        if (form != nullptr)
            DestroyWindow(form);
        form = nullptr;
    }

    void Show()
    {
        Close();
        form = Window(0, ClassName, FormCaption, WS_OVERLAPPEDWINDOW, {CW_USEDEFAULT, CW_USEDEFAULT,
                                                                          FormSize.width, FormSize.height},
                      owner);
        HMENU bar = CreateMenu();
        HMENU file = CreatePopupMenu();
        AppendMenuA(file, MF_STRING, 1, "&Quit\tCtrl+Q");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
        SetMenu(form, bar);
        const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
        for (int panel = 0; panel < Panels; ++panel) {
            HWND box = Window(0, ClassName, "",
                              WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                              PanelBounds(panel), form);
            for (int index = 0; index < ControlsPerPanel; ++index) {
                const GeneratedType &type = ControlType(index);
                HWND control = Window(type.exStyle, type.windowClass, ControlName(panel, index).c_str(),
                                      type.style, ControlBounds(index), box);
                SendMessageA(control, WM_SETFONT, font, FALSE);
            }
        }
        ShowWindow(form, SW_SHOWNOACTIVATE);
    }

  private:
    static constexpr const char *ClassName = "preview_bench_bare";

    static HWND Window(DWORD exStyle, const char *windowClass, const char *caption, DWORD style,
                       const Bounds &bounds, HWND parent)
    {
        HWND window = CreateWindowExA(exStyle, windowClass, caption, style, bounds.left, bounds.top, bounds.width,
                                      bounds.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (window == nullptr) {
            std::fprintf(stderr, "CreateWindowExA(%s) failed\n", windowClass);
            std::exit(1);
        }
        return window;
    }

    HWND owner;
    HWND form = nullptr;
};

// A menu bar with one menu of `items` items, each with a shortcut: built,
// its table gathered as the message loop gathers it, then deleted, the
// last made first.
double MenuSeconds(KVFORM &owner, int items)
{
    return Seconds([&] {
        KVMAINMENU bar(&owner);
        KVMENUITEM menu;
        menu.SetParent(&bar);
        std::vector<std::unique_ptr<KVMENUITEM>> entries;
        for (int k = 0; k < items; ++k) {
            entries.push_back(std::make_unique<KVMENUITEM>());
            entries.back()->SetParent(&menu);
            entries.back()->SetCaption("Item");
            entries.back()->SetShortcut("ctrl+f9");
        }
        if (bar.GetAcceleratorTable() == nullptr) {
            std::fprintf(stderr, "no accelerator table\n");
            std::exit(1);
        }
        while (!entries.empty())
            entries.pop_back();
    });
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Timings {
    std::vector<double> first, second;
};

void PrintRow(const char *what, const Timings &timings, const char *goal)
{
    std::printf("| %s | %d | %.3f s | %.3f s | %s |\n", what, Panels * (ControlsPerPanel + 1),
                Median(timings.first), Median(timings.second), goal);
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    KVMAINFORM form;
    const std::string text = GeneratedForm();
    form.Memo.SetText(KVSTRING(text.data(), static_cast<int32_t>(text.size())));
    form.Show();
    HandlePending();
    BareWindows bare(form.GetHandle());
    Timings preview, baseline;
    DesignTimings design;
    // The two take turns, so that a change in the machine's load falls on
    // both.
    for (int run = 0; run < runs; ++run) {
        form.Preview.Close();
        HandlePending();
        preview.first.push_back(Seconds([&] { Preview(form); }));
        preview.second.push_back(Seconds([&] { Preview(form); }));
        for (int move = 0; move < 20 / runs + 1; ++move)
            TimeDesigner(form, design);
        form.Preview.Close();
        HandlePending();
        baseline.first.push_back(Seconds([&] { bare.Show(); }));
        baseline.second.push_back(Seconds([&] { bare.Show(); }));
        bare.Close();
        HandlePending();
    }
    std::printf("| windows made by | controls | first F12 (median of %d) | second F12 | goal |\n"
                "|---|---|---|---|---|\n",
                runs);
    PrintRow("the preview", preview, "< 0.5 s, second no slower");
    PrintRow("bare Win32 calls", baseline, "none: the windowing system's own cost");

    std::printf("\n| designer on the 500 controls | median | slowest | goal |\n|---|---|---|---|\n");
    std::printf("| one arrow-key move (%zu moves) | %.1f ms | %.1f ms | < 30 ms |\n", design.arrowKey.size(),
                1000 * Median(design.arrowKey),
                1000 * *std::max_element(design.arrowKey.begin(), design.arrowKey.end()));
    std::printf("| one step of a drag (%zu steps) | %.1f ms | %.1f ms | one frame, 16.7 ms |\n",
                design.dragStep.size(), 1000 * Median(design.dragStep),
                1000 * *std::max_element(design.dragStep.begin(), design.dragStep.end()));

    KVFORM menuOwner;
    std::printf("\n| menu items | built, gathered and deleted (median of %d) |\n|---|---|\n", runs);
    for (const int items : {1250, 2500, 5000}) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run)
            times.push_back(MenuSeconds(menuOwner, items));
        std::printf("| %d | %.3f s |\n", items, Median(times));
    }
    return 0;
}
