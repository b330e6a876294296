#include <gtest/gtest.h>

#include <filesystem>

#include "framework/paths.h"
#include "support/run_cli.h"
#include "support/synthetic_script.h"
#include "support/synthetic_wad.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

TEST(DecompileCommand, WritesBothTextsBesideInputsNamedRelativeToTheCurrentDirectory) {
    std::string directory = test::makeTempDirectory("cli-decompile");
    test::writeBytes(directory + "/ENGLISH.DAT", test::buildLanguageFile({{"Cambodia"}, {}, {}}));
    test::writeBytes(directory + "/SCRIPT.DAT", test::buildScriptFile({}));
    std::string out;
    EXPECT_EQ(test::runCli(directory, "decompile ENGLISH.DAT SCRIPT.DAT", out), 0);
    const std::string here = std::string(".") + PATH_SEPARATOR;
    EXPECT_EQ(out, here + "ENGLISH.txt\n" + here + "SCRIPT.txt\n");
    EXPECT_TRUE(std::filesystem::exists(directory + "/ENGLISH.txt"));
    EXPECT_TRUE(std::filesystem::exists(directory + "/SCRIPT.txt"));

    std::string missing;
    EXPECT_EQ(test::runCli(directory, "decompile NONE.DAT SCRIPT.DAT", missing), 1);
    EXPECT_EQ(missing,
              "Kavrin: Unable to open NONE.DAT for reading: 2 (No such file or directory)\n");
    std::string usage;
    EXPECT_EQ(test::runCli(directory, "decompile ONLY.DAT", usage), 2);
}

}  // namespace
}  // namespace kavrin
