// Carries out stream writes on a thread of its own, in the order they were
// queued. The translation goes on while the kernel copies text into the page
// cache and a growing memory text touches its new pages, so on a machine with
// two cores that work costs no time of the translation's own.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "kvstream.h"

class WriteQueue {
  public:
    WriteQueue();
    // Carries out every queued write before it returns.
    ~WriteQueue();
    WriteQueue(const WriteQueue &) = delete;
    WriteQueue &operator=(const WriteQueue &) = delete;

    // Queues the first `count` bytes of `text` for `stream`, and returns a
    // buffer to gather the next text in: one whose write is done, when there
    // is one. Waits while many writes are still to do, so that the queue
    // holds a bounded amount of text.
    std::vector<char> Write(KVSTREAM &stream, std::vector<char> text, size_t count);
    // Queues the copy of the whole of `source` into `destination`.
    void Copy(KVSTREAM &source, KVSTREAM &destination);
    // Returns when every queued write is done.
    void Finish();

    // True once any write has come short; complete after Finish.
    bool Failed() const { return failed; }

  private:
    struct Job {
        KVSTREAM *destination;
        std::vector<char> text;
        size_t count;
        KVSTREAM *copySource; // set for a copy, which has no text
    };

    void Queue(Job job);
    void Work();
    void CarryOut(Job &job);

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Job> jobs;                // waiting or being carried out
    std::vector<std::vector<char>> done; // buffers back from finished writes
    bool stopping = false;
    std::atomic<bool> failed{false};
    std::thread worker; // last: starts once everything above exists
};
