// The editor's form preview on a large form: a generated form of 500
// controls (ten placeholder panels of 49 labels, edits and buttons, and a
// menu bar) in the memo of a real main form, previewed with Build > Preview
// form as the F12 key's command does it, until the preview is shown and
// every message it caused is handled.
//   preview_bench [RUNS]
// Each run closes the preview, then times a first request (the window is
// built and shown) and a second one (rebuilt in place). Prints the median
// of RUNS runs (default 5) of each as a Markdown table row; exits with
// status 1 when a request fails.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "main_form.h"

namespace {

constexpr int Panels = 10;
constexpr int ControlsPerPanel = 49;

std::string GeneratedForm()
{
    static const char *const Types[] = {"KvLabel", "KvEdit", "KvButton"};
    std::string text =
        "Big AS FORM\r\n  Caption = \"Five hundred controls\"\r\n  Width = 1000\r\n"
        "  Height = 760\r\n  eCreate: Big_Create\r\n"
        "  Menu AS KvMainMenu\r\n    FileMenu AS KvMenu\r\n      Caption = \"&File\"\r\n"
        "      Quit AS KvMenuItem\r\n        Caption = \"&Quit\"\r\n        ShortCut = \"Ctrl+Q\"\r\n"
        "      END\r\n    END\r\n  END\r\n";
    for (int panel = 0; panel < Panels; ++panel) {
        const std::string name = "Panel" + std::to_string(panel);
        text += "  " + name + " AS KvPanel\r\n    Left = " + std::to_string(panel % 5 * 196) +
                "\r\n    Top = " + std::to_string(panel / 5 * 350) +
                "\r\n    Width = 192\r\n    Height = 346\r\n";
        for (int k = 0; k < ControlsPerPanel; ++k) {
            const std::string control = name + "_" + std::to_string(k);
            text += "    " + control + " AS " + Types[k % 3] + "\r\n      Caption = \"" + control +
                    "\"\r\n      Left = " + std::to_string(k % 2 * 94) +
                    "\r\n      Top = " + std::to_string(k / 2 * 14) +
                    "\r\n      Width = 90\r\n      Height = 13\r\n"
                    "      eClick: Any_Click\r\n    END\r\n";
        }
        text += "  END\r\n";
    }
    return text + "END\r\nSUB Any_Click(^Event AS KvEvent)\r\nEND SUB\r\n";
}

// Handles every message that is waiting, painting included.
void HandlePending()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

double PreviewSeconds(KVMAINFORM &form)
{
    const auto start = std::chrono::steady_clock::now();
    SendMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(form.PreviewItem.GetID(), 0), 0);
    KVFORM *preview = form.Preview.Window();
    if (preview == nullptr || !IsWindowVisible(preview->GetHandle())) {
        std::fprintf(stderr, "preview failed: %s\n", form.LastPreviewReport.Summary().c_str());
        std::exit(1);
    }
    HandlePending();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    std::vector<double> first, second;
    for (int run = 0; run < runs; ++run) {
        form.Preview.Close();
        HandlePending();
        first.push_back(PreviewSeconds(form));
        second.push_back(PreviewSeconds(form));
    }
    std::printf("| controls | first F12 (median of %d) | second F12 | goal |\n|---|---|---|---|\n", runs);
    std::printf("| %d | %.3f s | %.3f s | < 0.5 s, second no slower |\n", Panels * (ControlsPerPanel + 1),
                Median(first), Median(second));
    return 0;
}
