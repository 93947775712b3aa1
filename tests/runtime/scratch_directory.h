// A fresh directory for the files of the running test, removed with
// everything in it. It is named after the test and the moment it was made,
// so tests that run at the same time, in one build or in several, never
// share one.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ScratchDirectory {
  public:
    ScratchDirectory()
    {
        const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
        path = std::filesystem::temp_directory_path() /
               (std::string("kelvo-") + test->test_suite_name() + "-" + test->name() + "-" +
                std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ScratchDirectory(const ScratchDirectory &) = delete;
    ScratchDirectory &operator=(const ScratchDirectory &) = delete;
    ~ScratchDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

    // The path of `name` inside, as text for the runtime.
    std::string File(const std::string &name) const { return (path / name).string(); }

    void Put(const std::string &name, const std::string &contents) const
    {
        std::ofstream(path / name, std::ios::binary) << contents;
    }

    std::string Get(const std::string &name) const
    {
        std::ifstream in(path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path path;
};
