// Reading a text file line by line through KVFILE, the way Kelvo programs
// do it, against reading the same lines with no end test:
//   readline_bench FILE [LINES] [LIMIT]
// Writes LINES lines (default 80,000) to FILE, then reads them in turns with
// `while not AtEnd: ReadLine` and with LINES plain ReadLine calls, best of
// five runs each, and prints one Markdown table row. Exits with status 1
// when the AtEnd loop takes more than LIMIT (default 4) times the plain
// reads, or when either loop reads other lines than were written.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "kvfile.h"

namespace {

constexpr int Runs = 5;

const char *Platform()
{
#if defined(_WIN64)
    return "Windows x64 (Wine)";
#elif defined(_WIN32)
    return "Windows x86 (Wine)";
#else
    return "Linux";
#endif
}

std::string LineText(long number)
{
    char text[80];
    std::snprintf(text, sizeof text, "Line %06ld: the quick brown fox jumps over the lazy dog", number);
    return text;
}

void WriteLines(const char *path, long lines)
{
    KVFILE file;
    if (file.Open(path, KVFILE::Create) != 255) {
        std::fprintf(stderr, "cannot create %s\n", path);
        std::exit(1);
    }
    for (long i = 1; i <= lines; ++i)
        file.WriteLine(LineText(i).c_str());
    if (file.Close() != 0) {
        std::fprintf(stderr, "cannot write %s\n", path);
        std::exit(1);
    }
}

// Reads the file with `useAtEnd` deciding how the loop stops; returns the
// seconds taken, or -1 when a line differs from what was written.
double ReadLines(const char *path, long lines, bool useAtEnd)
{
    KVFILE file;
    file.Open(path, 0);
    long read = 0;
    bool same = true;
    const auto start = std::chrono::steady_clock::now();
    if (useAtEnd) {
        while (file.AtEnd() == 0.0) {
            const KVSTRING line = file.ReadLine();
            same = same && (read % 1000 != 0 || line == LineText(read + 1).c_str());
            ++read;
        }
    } else {
        for (; read < lines; ++read) {
            const KVSTRING line = file.ReadLine();
            same = same && (read % 1000 != 0 || line == LineText(read + 1).c_str());
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    file.Close();
    return same && read == lines ? seconds : -1.0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: readline_bench FILE [LINES] [LIMIT]\n");
        return 2;
    }
    const char *path = argv[1];
    const long lines = argc > 2 ? std::atol(argv[2]) : 80000;
    const double limit = argc > 3 ? std::atof(argv[3]) : 4.0;
    WriteLines(path, lines);
    double plain = 1e9, atEnd = 1e9;
    for (int run = 0; run < Runs; ++run) {
        const double plainRun = ReadLines(path, lines, false);
        const double atEndRun = ReadLines(path, lines, true);
        if (plainRun < 0 || atEndRun < 0) {
            std::fprintf(stderr, "the lines read back differ from those written\n");
            return 1;
        }
        plain = std::min(plain, plainRun);
        atEnd = std::min(atEnd, atEndRun);
    }
    std::remove(path);
    const double ratio = atEnd / plain;
    std::printf("| %s | %ld | %.4f s | %.4f s | %.2f |\n", Platform(), lines, plain, atEnd, ratio);
    if (ratio > limit) {
        std::fprintf(stderr, "the AtEnd loop takes %.1f times the plain reads (limit %.1f)\n", ratio, limit);
        return 1;
    }
    return 0;
}
