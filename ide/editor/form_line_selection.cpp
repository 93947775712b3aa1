#include "form_line_selection.h"

#include <string_view>

#include "kvmemorystream.h"
#include "text_line_reader.h"

void SelectFormLine(KVMEMO &memo, int32_t lineNumber)
{
    const KVSTRING text = memo.GetText();
    KVMEMORYSTREAM stream(text.Len(), 64);
    stream.Write(text.Data(), text.Len());
    stream.Seek(0);
    TextLineReader reader(stream);
    std::string_view line;
    int32_t start = text.Len();
    int32_t length = 0;
    for (int32_t number = 1; number <= lineNumber && reader.Next(line); ++number) {
        if (number == lineNumber) {
            start = static_cast<int32_t>(reader.LineStart());
            length = static_cast<int32_t>(line.size());
        }
    }
    // Selection lengths count one more than the characters selected.
    memo.SetSelStart(start);
    memo.SetSelLength(length + 1);
    Lazy::SendMessageA(memo.GetHandle(), EM_SCROLLCARET, 0, 0);
    memo.SetFocus();
}
