#include "write_queue.h"

#include <cstdint>
#include <utility>

namespace {

// Writes queued at most: with the text batches of the class writer, about
// 2 MB of text in flight.
constexpr size_t MaximumQueued = 8;

} // namespace

WriteQueue::WriteQueue() : worker(&WriteQueue::Work, this) {}

WriteQueue::~WriteQueue()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    worker.join();
}

std::vector<char> WriteQueue::Write(KVSTREAM &stream, std::vector<char> text, size_t count)
{
    Queue(Job{&stream, std::move(text), count, nullptr});
    std::lock_guard<std::mutex> lock(mutex);
    if (done.empty())
        return {};
    std::vector<char> buffer = std::move(done.back());
    done.pop_back();
    return buffer;
}

void WriteQueue::Copy(KVSTREAM &source, KVSTREAM &destination) { Queue(Job{&destination, {}, 0, &source}); }

void WriteQueue::Queue(Job job)
{
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return jobs.size() < MaximumQueued; });
    jobs.push_back(std::move(job));
    lock.unlock();
    changed.notify_all();
}

void WriteQueue::Finish()
{
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return jobs.empty(); });
}

void WriteQueue::Work()
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return stopping || !jobs.empty(); });
        if (jobs.empty())
            return;
        // The job stays queued while it is carried out, so that Finish waits
        // for it; only this thread removes jobs.
        Job &job = jobs.front();
        lock.unlock();
        CarryOut(job);
        lock.lock();
        if (job.text.capacity() > 0)
            done.push_back(std::move(job.text));
        jobs.pop_front();
        changed.notify_all();
    }
}

void WriteQueue::CarryOut(Job &job)
{
    if (job.copySource != nullptr) {
        job.copySource->CopyTo(*job.destination);
        return;
    }
    const auto count = static_cast<int32_t>(job.count);
    if (count > 0 && job.destination->Write(job.text.data(), count) != count)
        failed = true;
}
