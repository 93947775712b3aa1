// Writes the class source of one form. Text goes to three places: the output
// itself, and two memory texts, the constructor and the event dispatch method,
// which join the output at the form's END and at the end of the input.
#pragma once

#include <cstring>
#include <string_view>
#include <vector>

#include "kvmemorystream.h"
#include "kvstream.h"

class ClassWriter {
  public:
    explicit ClassWriter(KVSTREAM &output);

    // The header comment lines.
    void Header();
    void PassThrough(std::string_view line);
    void ClassHead(std::string_view formName);
    // `declaration` is the whole line; `parent` is empty for a control placed
    // on the form itself.
    void Control(std::string_view declaration, std::string_view name, std::string_view parent);
    void Property(std::string_view owner, std::string_view line);
    void EventHandler(std::string_view event, std::string_view handler, std::string_view recordClass);
    // At the form's END: the constructor, closed.
    void FinishConstructor();
    // At the end of the input: the dispatch method and the end of the class.
    void FinishClass();

    // True once any write has come short.
    bool Failed() const { return failed; }

  private:
    // Sends the assembled `text` to `stream`.
    void Flush(KVSTREAM &stream);

    // Appends to `text`; the buffer only grows, so a line costs no allocation.
    ClassWriter &operator<<(std::string_view part)
    {
        if (part.size() > text.size() - textLength)
            text.resize(2 * (textLength + part.size()));
        std::memcpy(text.data() + textLength, part.data(), part.size());
        textLength += part.size();
        return *this;
    }

    KVSTREAM &output;
    KVMEMORYSTREAM constructorText;
    KVMEMORYSTREAM dispatchText;
    std::vector<char> text; // the piece being assembled, reused for every line
    size_t textLength = 0;
    bool failed = false;
};
