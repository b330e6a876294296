#include <gtest/gtest.h>

#include "framework/paths.h"
#include "support/run_cli.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

TEST(ExtractCommand, WritesTheChosenPagesReplacesOnlyWithYesAndRefusesBadUsage) {
    const std::string level = test::testDataPath("trle/data/title.tr4");
    KAVRIN_REQUIRE_DATA(level);
    std::string directory = test::makeTempDirectory("cli-extract");
    const std::string arguments = "extract '" + level + "' --out out --type png --pages misc";
    using test::CliRun;
    const std::string folder = std::string("out") + PATH_SEPARATOR;
    ASSERT_EQ(test::runCli(directory, arguments),
              (CliRun{0,
                      "Kavrin: Extracted 2 pages to out:\ntitle-misc-00.png to "
                      "title-misc-01.png (2 files).\n" +
                          folder + "title-misc-00.png\n" + folder + "title-misc-01.png\n"}));
    EXPECT_EQ(test::runCli(directory, arguments),
              (CliRun{1,
                      "Kavrin: title-misc-00.png and 1 more of the files already exist in "
                      "out.\n\nReplace them?\n(answered No; --yes answers Yes)\n"}));
    EXPECT_EQ(test::runCli(directory, arguments + " --yes").code, 0);

    const std::string options = "extract '" + level + "' --out out ";
    EXPECT_EQ(test::runCli(directory, options + "--raw 2x2:rgba").code, 2);
    EXPECT_EQ(test::runCli(directory, options + "--type bmp").code, 2);
}

}  // namespace
}  // namespace kavrin
