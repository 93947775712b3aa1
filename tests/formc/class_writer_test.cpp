#include <gtest/gtest.h>

#include <string>

#include "class_writer.h"
#include "stream_text.h"

namespace {

// The golden cases pin the text of whole classes; these check when each
// part reaches the output, which a finished file cannot show.

TEST(ClassWriter, TheConstructorWaitsForTheFormsEnd)
{
    TextStream output;
    ClassWriter writer(output);
    writer.ClassHead("Main");
    writer.Control("Ok AS KvButton", "Ok", "");
    writer.Property("Ok", "Left = 1");
    writer.PassThrough("' member comment");
    writer.Flush();
    const std::string before = output.Text();
    EXPECT_NE(before.find("Ok AS KvButton"), std::string::npos);
    EXPECT_NE(before.find("' member comment"), std::string::npos);
    EXPECT_EQ(before.find("CONSTRUCTOR"), std::string::npos) << before;
    EXPECT_EQ(before.find("Ok.Left = 1"), std::string::npos) << before;

    writer.FinishConstructor();
    writer.PassThrough("SUB X");
    writer.Flush();
    const std::string after = output.Text();
    EXPECT_EQ(after.compare(0, before.size(), before), 0) << "what was written stays first";
    const size_t property = after.find("Ok.Left = 1");
    const size_t end = after.find("END CONSTRUCTOR");
    ASSERT_NE(property, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    EXPECT_LT(property, end);
    EXPECT_LT(end, after.find("SUB X"));
    EXPECT_FALSE(writer.Failed());
}

TEST(ClassWriter, TheDispatchWaitsForTheEndOfTheInput)
{
    TextStream output;
    ClassWriter writer(output);
    writer.ClassHead("Main");
    writer.Control("Pane AS KvPanel", "Pane", "");
    writer.EventHandler("ECLICK", "Pane_Click", "KvMouseEvent");
    writer.FinishConstructor();
    writer.PassThrough("SUB Pane_Click");
    writer.Flush();
    EXPECT_EQ(output.Text().find("SELECT CASE"), std::string::npos) << output.Text();

    writer.FinishClass();
    writer.Flush();
    const std::string after = output.Text();
    const size_t dispatch = after.find("SELECT CASE");
    ASSERT_NE(dispatch, std::string::npos);
    EXPECT_LT(after.find("SUB Pane_Click"), dispatch);
    const size_t paneCase = after.find("CASE &Pane", dispatch);
    ASSERT_NE(paneCase, std::string::npos);
    EXPECT_LT(paneCase, after.find("Pane_Click(", dispatch)) << "the handler is called in its control's case";
    EXPECT_EQ(after.substr(after.size() - 10), "END CLASS\n");
    EXPECT_FALSE(writer.Failed());
}

TEST(ClassWriter, AShortWriteIsReported)
{
    ShortStream output(10);
    ClassWriter writer(output);
    writer.PassThrough("short");
    writer.Flush();
    EXPECT_FALSE(writer.Failed());
    writer.PassThrough("too long for the rest");
    writer.Flush();
    EXPECT_TRUE(writer.Failed());
}

// Counts the writes it receives.
class CountingStream : public TextStream {
  public:
    int32_t Write(const void *buffer, int32_t count) override
    {
        ++writes;
        return TextStream::Write(buffer, count);
    }
    int writes = 0;
};

TEST(ClassWriter, LinesReachTheOutputInLargeWritesAndInOrder)
{
    CountingStream output;
    ClassWriter writer(output);
    std::string expected;
    for (int k = 0; k < 100000; ++k) {
        const std::string line = "' line " + std::to_string(k);
        writer.PassThrough(line);
        expected += "\t" + line + "\n";
    }
    writer.Flush();
    EXPECT_LT(output.writes, 20) << "lines are gathered, not written one by one";
    EXPECT_GT(output.writes, 1) << "a large amount of text does not wait for Flush";
    EXPECT_EQ(output.Text(), expected);
}

TEST(ClassWriter, TheConstructorFollowsEverythingWrittenBeforeTheFormsEnd)
{
    CountingStream output;
    ClassWriter writer(output);
    writer.ClassHead("M");
    std::string declarations = "DECLARE CLASS KvM\n\nDIM ^M AS KvM\n\nCLASS KvM EXTENDS KvForm\n";
    std::string constructor = "\n\tCONSTRUCTOR KvM\n";
    for (int k = 0; k < 30000; ++k) {
        const std::string name = "C" + std::to_string(k);
        writer.Control(name + " AS KvLabel", name, "");
        writer.Property(name, "Left = 1");
        declarations += "\t" + name + " AS KvLabel\n";
        constructor += "\t\t' " + name + "\n\t\t" + name + ".Parent = Self\n\t\t" + name + ".Left = 1\n";
    }
    writer.FinishConstructor();
    writer.Flush();
    EXPECT_EQ(output.Text(), declarations + constructor +
                                 "\tSelf.OnCreate\n\tSelf.Fire(NEW KvEvent[eCreate])\n\tEND CONSTRUCTOR\n");
    EXPECT_FALSE(writer.Failed());
}

} // namespace
