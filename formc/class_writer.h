// Writes the class source of one form. Text goes to three places: the output
// itself, and two memory texts, the constructor and the event dispatch method,
// which join the output at the form's END and at the end of the input. Each
// place gathers its lines into large writes, which a write queue carries out
// while the translation goes on; Flush waits until everything is written.
#pragma once

#include <string_view>

#include "kvmemorystream.h"
#include "kvstream.h"
#include "text_batch.h"
#include "write_queue.h"

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

    // Everything written so far reaches the output stream.
    void Flush();

    // True once any write has come short; complete after Flush.
    bool Failed() const { return queue.Failed(); }

  private:
    KVSTREAM &outputStream;
    KVMEMORYSTREAM constructorText;
    KVMEMORYSTREAM dispatchText;
    // After the streams it writes to: it finishes its writes when destroyed.
    WriteQueue queue;
    TextBatch output{outputStream, queue};
    TextBatch constructor{constructorText, queue};
    TextBatch dispatch{dispatchText, queue};
};
