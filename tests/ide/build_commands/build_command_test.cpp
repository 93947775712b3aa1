// The Build commands' command line reaches the compiler with the file name
// as one argument, whatever characters the name holds.
#include <gtest/gtest.h>

#include "build_command.h"
#include "kvo_on_path.h"

TEST(BuildCommand, TheFileNameReachesTheCompilerUnchangedAsOneArgument)
{
    EXPECT_EQ(BuildCommandLine("Untitled"), "kvo \"Untitled\"");
    EXPECT_EQ(BuildCommandLine("%a%%"), "kvo \"\"%\"a\"%\"\"%\"\"");
    KvoOnPath kvo;
    // The command processor would expand %OS% and %PATH% even inside the
    // quotes, and treat ^ & | < > ( ) ! as its own outside them.
    const std::vector<std::string> names = {
        "Untitled",          "C:\\src\\main.kvo", "C:\\my forms\\main form",
        "a&b|c<d>e^f g.kvo", "p%OS%q.kvo",        "100% %PATH% done",
        "%%OS%%%",           "wow!OS!^^ (x).kvo", "caf\xe9 na\xefve.kvo"};
    for (const std::string &name : names)
        RunCompiler(name.c_str());
    const auto runs = kvo.Runs();
    ASSERT_EQ(runs.size(), names.size());
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(runs[i], std::vector<std::string>{names[i]});
}
