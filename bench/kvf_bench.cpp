// Throughput of kvf on a large generated form, against `cat` of the same
// file, in one sequence of runs:
//   kvf_bench KVF WORKDIR [MEGABYTES]
// Generates forms of MEGABYTES (default 100) and twice that, translates each
// and copies each with cat, taking turns (best of five runs each), and prints
// a Markdown report:
// MB/s, the ratio to cat, the scaling from one size to the double, and the
// peak memory against its budget (twice the constructor and dispatch texts
// plus 16 MB).
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct RunResult {
    double seconds;    // wall-clock time
    double cpuSeconds; // user and system time of the program
    double peakMegabytes;
};

// Runs `argv` once with standard output to `outputPath` and keeps the best
// figures in `best`. `removed` is deleted before the run, so that no run pays
// for truncating the previous run's output.
void Run(const std::vector<std::string> &argv, const std::string &outputPath, const std::string &directory,
         const std::string &removed, RunResult &best)
{
    std::remove(removed.c_str());
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    std::vector<char *> args;
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child;
    if (posix_spawnp(&child, args[0], &actions, nullptr, args.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", args[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", args[0]);
        std::exit(1);
    }
    best.seconds = std::min(best.seconds, seconds);
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    best.cpuSeconds = std::min(best.cpuSeconds, cpu);
    best.peakMegabytes = std::max(best.peakMegabytes, usage.ru_maxrss / 1024.0);
}

// A form of about `bytes` bytes: panels, each with properties, events and a
// nested label, then the handler code.
size_t GenerateForm(const std::string &path, size_t bytes, size_t &controls)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    std::string text = "' Generated form for the kvf benchmark\nBigForm AS FORM\n  Caption = \"Benchmark\"\n"
                       "  eCreate: BigForm_Create\n";
    size_t written = 0;
    controls = 0;
    char block[1024];
    for (size_t n = 1; written + text.size() < bytes; ++n) {
        const int length = std::snprintf(block, sizeof block,
                                         "  Panel%zu AS KvPanel\n"
                                         "    Caption = \"Panel number %zu\"\n"
                                         "    Left = %zu\n"
                                         "    Top = %zu\n"
                                         "    Width = 120\n"
                                         "    eClick: Panel%zu_Click\n"
                                         "    Label%zu AS KvLabel\n"
                                         "      Caption = \"Label %zu of the benchmark form\"\n"
                                         "      eMouseMove: Label%zu_Move\n"
                                         "    END\n"
                                         "  END\n",
                                         n, n, n % 800, n % 600, n, n, n, n);
        text.append(block, static_cast<size_t>(length));
        controls += 2;
        if (text.size() > (1 << 20)) {
            std::fwrite(text.data(), 1, text.size(), file);
            written += text.size();
            text.clear();
        }
    }
    text += "END\nSUB BigForm_Create(^Event AS KvEvent)\nEND SUB\n";
    std::fwrite(text.data(), 1, text.size(), file);
    written += text.size();
    std::fclose(file);
    return written;
}

std::string ReadFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The sizes of the constructor and the dispatch method in the output.
size_t HeldTextBytes(const std::string &output)
{
    const size_t constructor = output.find("\n\tCONSTRUCTOR ");
    const size_t constructorEnd = output.find("\tSelf.OnCreate\n", constructor);
    const size_t dispatch = output.find("\tSUB EventHandler(Sender AS POINTER");
    const size_t dispatchEnd = output.rfind("\t\tEND SELECT\n");
    return (constructorEnd - constructor) + (dispatchEnd - dispatch);
}

struct Measurement {
    double megabytes;
    size_t controls;
    RunResult kvf;
    RunResult cat;
    double budgetMegabytes;
    double outputMegabytes;
};

Measurement Measure(const std::string &kvf, const std::string &directory, size_t bytes)
{
    Measurement m{};
    const std::string name = "form" + std::to_string(bytes >> 20);
    const size_t size = GenerateForm(directory + "/" + name, bytes, m.controls);
    m.megabytes = static_cast<double>(size) / (1 << 20);
    const std::string copy = directory + "/" + name + ".copy";
    // cat and kvf take turns, so that a change in the machine's load between
    // runs weighs on both alike; the best of five runs each.
    m.cat = m.kvf = RunResult{1e30, 1e30, 0};
    for (int round = 0; round < 5; ++round) {
        Run({"cat", name}, copy, directory, copy, m.cat);
        Run({kvf, name}, directory + "/console.txt", directory, directory + "/" + name + ".kv", m.kvf);
    }
    const std::string output = ReadFile(directory + "/" + name + ".kv");
    m.outputMegabytes = static_cast<double>(output.size()) / (1 << 20);
    m.budgetMegabytes = 2.0 * static_cast<double>(HeldTextBytes(output)) / (1 << 20) + 16;
    std::remove((directory + "/" + name + ".copy").c_str());
    return m;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: kvf_bench KVF WORKDIR [MEGABYTES]\n");
        return 2;
    }
    const std::string kvf = argv[1], directory = argv[2];
    const size_t megabytes = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 100;
    const Measurement single = Measure(kvf, directory, megabytes << 20);
    const Measurement twice = Measure(kvf, directory, (2 * megabytes) << 20);

    std::printf("| Form | Controls | Output | kvf | kvf MB/s | kvf CPU | cat | cat MB/s | kvf / cat | kvf "
                "peak memory "
                "| budget |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const Measurement *m : {&single, &twice}) {
        std::printf("| %.0f MB | %zu | %.0f MB | %.3f s | %.0f | %.3f s | %.3f s | %.0f | %.2f | %.0f MB | "
                    "%.0f MB |\n",
                    m->megabytes, m->controls, m->outputMegabytes, m->kvf.seconds,
                    m->megabytes / m->kvf.seconds, m->kvf.cpuSeconds, m->cat.seconds,
                    m->megabytes / m->cat.seconds, m->kvf.seconds / m->cat.seconds, m->kvf.peakMegabytes,
                    m->budgetMegabytes);
    }
    const double scaling = twice.kvf.seconds / single.kvf.seconds;
    std::printf("\nDoubling the form multiplies kvf's time by %.2f (input %.2f times larger).\n", scaling,
                twice.megabytes / single.megabytes);
    const bool fast =
        single.megabytes / single.kvf.seconds >= 150 && twice.megabytes / twice.kvf.seconds >= 150;
    const bool memory = single.kvf.peakMegabytes <= single.budgetMegabytes &&
                        twice.kvf.peakMegabytes <= twice.budgetMegabytes;
    const bool linear = scaling <= 1.1 * twice.megabytes / single.megabytes;
    std::printf("\nAt least 150 MB/s: %s. Within the memory budget: %s. Linear: %s. Under 5 times cat: %s.\n",
                fast ? "yes" : "NO", memory ? "yes" : "NO", linear ? "yes" : "NO",
                single.kvf.seconds < 5 * single.cat.seconds && twice.kvf.seconds < 5 * twice.cat.seconds
                    ? "yes"
                    : "no");
    return fast && memory && linear ? 0 : 1;
}
