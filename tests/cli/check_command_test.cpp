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

    std::string listed;
    EXPECT_EQ(runCli(directory, "check six.KVS --trle '" + trle + "'", listed), 1);
    EXPECT_NE(listed.find("SIXSHOOTER_ANIM needs FLARE_ANIM, LARA_SKIN,"), std::string::npos)
        << listed;

    std::string built, clean;
    EXPECT_EQ(runCli(directory, "build six.KVS --with-dependencies --yes" + options, built), 0)
        << built;
    EXPECT_EQ(runCli(directory, "check out/six.WAS --trle '" + trle + "'", clean), 0) << clean;
    EXPECT_NE(clean.find("Slots 10/525 |"), std::string::npos) << clean;
}

}  // namespace
}  // namespace kavrin
