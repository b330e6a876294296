#include <gtest/gtest.h>

#include <filesystem>

#include "support/parsed_file.h"
#include "support/run_cli.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

using test::runCli;

// One object of tut1 that needs nine others: check lists them in one run, a build with its
// dependencies saves in one go, and the saved set checks clean.
TEST(CheckCommand, ListsWhatAScriptLacksAndBuildWithDependenciesSavesIt) {
    const std::string trle = test::realTrleDirectory();
    KAVRIN_REQUIRE_DATA(trle);
    const std::string directory = test::makeTempDirectory("cli-check");
    test::writeFileText(directory + "/six.KVS", "KVS V2\r\n6:WAD:6:tut1\r\n");
    const std::string options =
        " --trle '" + trle + "' --sources '" + trle + "/graphics/wads' --out out";

    const test::CliRun listed = runCli(directory, "check six.KVS --trle '" + trle + "'");
    EXPECT_EQ(listed.code, 1);
    EXPECT_NE(listed.output.find("SIXSHOOTER_ANIM needs FLARE_ANIM,"), std::string::npos) << listed;

    EXPECT_EQ(runCli(directory, "build six.KVS --with-dependencies --yes" + options).code, 0);
    const test::CliRun clean = runCli(directory, "check out/six.WAS --trle '" + trle + "'");
    EXPECT_EQ(clean.code, 0) << clean;
    EXPECT_NE(clean.output.find("Slots 10/525 |"), std::string::npos) << clean;
}

}  // namespace
}  // namespace kavrin
