#include "editor_fixture.h"

#include <ostream>

std::string Text(const KVSTRING &s) { return std::string(s.Data(), static_cast<size_t>(s.Len())); }

std::ostream &operator<<(std::ostream &out, const DocumentState &state)
{
    return out << "{caption \"" << state.caption << "\", file \"" << state.fileName << "\", text \""
               << state.text << "\", save " << (state.saveEnabled ? "enabled" : "disabled") << ", "
               << (state.modified ? "modified" : "unmodified") << "}";
}

void EditorTest::Command(KVMENUITEM &item)
{
    SendMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(item.GetID(), 0), 0);
}

void EditorTest::Type(const std::string &text)
{
    for (char c : text)
        SendMessageA(form.Memo.GetHandle(), WM_CHAR, static_cast<unsigned char>(c), 1);
}

DocumentState EditorTest::State()
{
    return {Text(form.GetCaption()), Text(form.FileDialog.FileName), Text(form.Memo.GetText()),
            form.SaveItem.GetEnabled() != KvFalse, form.Memo.GetModified() != KvFalse};
}

void EditorTest::OpenThroughDialog(const std::string &path)
{
    answers.FileDialogChoose("Open", path);
    Command(form.OpenItem);
}
