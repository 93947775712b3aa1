#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kvfile.h"
#include "scratch_directory.h"
#include "stream_text.h"
#include "text_line_reader.h"

namespace {

using Lines = std::vector<std::string>;

Lines ReaderLines(const std::string &text)
{
    TextStream stream(text);
    TextLineReader reader(stream);
    Lines lines;
    std::string_view line;
    while (reader.Next(line))
        lines.emplace_back(line);
    return lines;
}

// What KVFILE.ReadLine gives for the same bytes.
Lines FileLines(const ScratchDirectory &dir, const std::string &text)
{
    dir.Put("text", text);
    KVFILE file;
    EXPECT_EQ(file.Open(dir.File("text").c_str(), 0), 255);
    Lines lines;
    while (file.AtEnd() == 0.0) {
        const KVSTRING line = file.ReadLine();
        lines.emplace_back(line.Data(), static_cast<size_t>(line.Len()));
    }
    return lines;
}

TEST(TextLineReader, GivesTheLinesOfReadLine)
{
    ScratchDirectory dir;
    const std::string samples[] = {
        "",
        "a\nb\nc\n",
        "a\r\nb\r\nc",
        "x\r\r\ny\rz\n\r",
        std::string(1021, 'a') + "\n" + std::string(1022, 'b') + "\n" + std::string(1023, 'c') + "\n",
        std::string(1021, 'd') + "\r\n" + std::string(3000, 'e'),
        std::string(1020, 'f') + "\rg" + std::string(1022, 'h') + "\r",
        std::string("nul\0after\nnext\n", 15),
        std::string("\0\n\0", 3),
    };
    for (const std::string &sample : samples)
        EXPECT_EQ(ReaderLines(sample), FileLines(dir, sample)) << "sample of " << sample.size() << " bytes";
}

TEST(TextLineReader, LinesAcrossTheBufferBoundary)
{
    // Lines of every length around the piece limit, more than one buffer in all.
    std::string text;
    Lines expected;
    for (int i = 0; text.size() < 3u * 1024 * 1024; ++i) {
        const std::string line(static_cast<size_t>(i % 1030), static_cast<char>('a' + i % 26));
        text += line + "\n";
        if (line.size() <= 1021) {
            expected.push_back(line);
        } else {
            expected.push_back(line.substr(0, 1022));
            expected.push_back(line.substr(1022));
        }
    }
    EXPECT_EQ(ReaderLines(text), expected);
}

} // namespace
