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
    const std::string here = std::string(".") + PATH_SEPARATOR;
    EXPECT_EQ(test::runCli(directory, "decompile ENGLISH.DAT SCRIPT.DAT"),
              (test::CliRun{0, here + "ENGLISH.txt\n" + here + "SCRIPT.txt\n"}));
    EXPECT_TRUE(std::filesystem::exists(directory + "/ENGLISH.txt"));
    EXPECT_TRUE(std::filesystem::exists(directory + "/SCRIPT.txt"));

    EXPECT_EQ(
        test::runCli(directory, "decompile NONE.DAT SCRIPT.DAT"),
        (test::CliRun{
            1, "Kavrin: Unable to open NONE.DAT for reading: 2 (No such file or directory)\n"}));
    EXPECT_EQ(test::runCli(directory, "decompile ONLY.DAT").code, 2);
}

}  // namespace
}  // namespace kavrin
