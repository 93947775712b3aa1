#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "stream_text.h"
#include "write_queue.h"

namespace {

std::vector<char> Text(const std::string &text) { return std::vector<char>(text.begin(), text.end()); }

TEST(WriteQueue, WritesAndCopiesHappenInTheOrderQueued)
{
    TextStream first, second, joined;
    std::string expectedFirst, expectedSecond;
    WriteQueue queue;
    for (int k = 0; k < 1000; ++k) {
        const std::string a = "a" + std::to_string(k) + ";", b = "b" + std::to_string(k) + ";";
        queue.Write(first, Text(a), a.size());
        queue.Write(second, Text(b + "not this"), b.size());
        expectedFirst += a;
        expectedSecond += b;
    }
    queue.Copy(first, joined);
    queue.Write(joined, Text("|"), 1);
    queue.Copy(second, joined);
    queue.Write(first, Text("later"), 5);
    queue.Finish();
    EXPECT_EQ(joined.Text(), expectedFirst + "|" + expectedSecond)
        << "a copy takes exactly what was queued for its source before it";
    EXPECT_EQ(first.Text(), expectedFirst + "later");
    EXPECT_FALSE(queue.Failed());
}

TEST(WriteQueue, AShortWriteMarksTheQueueFailedAndLaterWritesStillHappen)
{
    ShortStream full(4);
    TextStream other;
    WriteQueue queue;
    queue.Write(full, Text("abc"), 3);
    queue.Finish();
    EXPECT_FALSE(queue.Failed());
    queue.Write(full, Text("def"), 3);
    queue.Write(other, Text("ghi"), 3);
    queue.Finish();
    EXPECT_TRUE(queue.Failed());
    EXPECT_EQ(full.Text(), "abcd");
    EXPECT_EQ(other.Text(), "ghi");
}

TEST(WriteQueue, BuffersOfFinishedWritesComeBackForTheNextText)
{
    TextStream stream;
    WriteQueue queue;
    // The write may be done before its own call returns, which then hands
    // the buffer back at once; otherwise the next call does.
    const std::vector<char> first = queue.Write(stream, std::vector<char>(100000, 'x'), 10);
    queue.Finish();
    const std::vector<char> second = queue.Write(stream, {}, 0);
    EXPECT_GE(std::max(first.capacity(), second.capacity()), 100000u)
        << "a finished write's buffer is handed out again";
    queue.Finish();
    EXPECT_EQ(stream.Text(), std::string(10, 'x'));
}

TEST(WriteQueue, DestroyingTheQueueCarriesOutWhatIsQueued)
{
    TextStream stream;
    std::string expected;
    {
        WriteQueue queue;
        for (int k = 0; k < 100; ++k) {
            queue.Write(stream, Text(std::to_string(k)), std::to_string(k).size());
            expected += std::to_string(k);
        }
    }
    EXPECT_EQ(stream.Text(), expected);
}

} // namespace
