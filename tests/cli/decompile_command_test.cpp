#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "support/synthetic_script.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

// Runs kavrin-cli in `directory`; returns its exit code and appends its standard output to `out`.
int runCli(const std::string& directory, const std::string& arguments, std::string& out) {
    std::string command = "cd '" + directory + "' && '" KAVRIN_CLI_PATH "' " + arguments + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    char chunk[256];
    for (size_t n; pipe && (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        out.append(chunk, n);
    int status = pipe ? pclose(pipe) : -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(DecompileCommand, WritesBothTextsBesideInputsNamedRelativeToTheCurrentDirectory) {
    std::string directory = test::makeTempDirectory("cli-decompile");
    test::writeFileBytes(directory + "/ENGLISH.DAT",
                         test::buildLanguageFile({{"Cambodia"}, {}, {}}));
    test::writeFileBytes(directory + "/SCRIPT.DAT", test::buildScriptFile({}));
    std::string out;
    EXPECT_EQ(runCli(directory, "decompile ENGLISH.DAT SCRIPT.DAT", out), 0);
    EXPECT_EQ(out, "./ENGLISH.txt\n./SCRIPT.txt\n");
    EXPECT_TRUE(std::filesystem::exists(directory + "/ENGLISH.txt"));
    EXPECT_TRUE(std::filesystem::exists(directory + "/SCRIPT.txt"));

    std::string missing;
    EXPECT_EQ(runCli(directory, "decompile NONE.DAT SCRIPT.DAT", missing), 1);
    EXPECT_EQ(missing, "Kavrin: Unable to open NONE.DAT for reading: 2\n");
    std::string usage;
    EXPECT_EQ(runCli(directory, "decompile ONLY.DAT", usage), 2);
}

}  // namespace
}  // namespace kavrin
