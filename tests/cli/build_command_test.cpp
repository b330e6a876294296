#include <gtest/gtest.h>

#include <filesystem>

#include "framework/paths.h"
#include "support/parsed_file.h"
#include "support/run_cli.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;
using test::runCli;

const std::string DEMO = test::sourcePath("data/demo");
const std::string SHOWCASE = test::sourcePath("data/demo/graphics/wads/showcase.KVS");

TEST(BuildCommand, BuildsTheDemoScriptReplacingTheSetOnlyWithYesAndFailsOnAMissingSource) {
    std::string directory = test::makeTempDirectory("cli-build");
    std::string arguments = "build '" + SHOWCASE + "' --trle '" + DEMO + "' --out out";
    std::string out;
    ASSERT_EQ(runCli(directory, arguments, out), 0) << out;
    const std::string was = std::string("out") + PATH_SEPARATOR + "showcase.WAS";
    EXPECT_NE(out.find("Wad Saved: "), std::string::npos) << out;
    EXPECT_NE(out.find(was + "\n"), std::string::npos) << out;
    for (const char* extension : {"WAS", "WAD", "SWD", "SFX", "SAM"}) {
        EXPECT_TRUE(fs::exists(directory + "/out/showcase." + extension)) << extension;
    }

    // The set is there now: without --yes the question is answered Cancel and nothing is written.
    const std::string written = test::readBytes(directory + "/" + was);
    test::writeFileText(directory + "/" + was, "kept");
    std::string refused;
    EXPECT_EQ(runCli(directory, arguments, refused), 1);
    EXPECT_EQ(refused, "Save Wad: " + was +
                           "\nThis file already exists.\n\nReplace existing file?\n"
                           "(answered Cancel; --yes answers Yes)\n");
    EXPECT_EQ(test::readBytes(directory + "/" + was), "kept");

    std::string replaced;
    EXPECT_EQ(runCli(directory, arguments + " --yes", replaced), 0) << replaced;
    EXPECT_EQ(test::readBytes(directory + "/" + was), written);

    // A file that cannot be written fails the build (the save test checks the set stays whole):
    // here a folder holds the name of the .WAD's temporary, which not even root can write over.
    // Windows refuses to open a folder as a file for lack of access.
    fs::create_directories(directory + "/out/showcase.WAD.kavrin-tmp/taken");
    std::string failed;
    EXPECT_EQ(runCli(directory, arguments + " --yes", failed), 1);
#ifdef _WIN32
    const std::string reason = "13 (Permission denied)";
#else
    const std::string reason = "21 (Is a directory)";
#endif
    EXPECT_TRUE(failed.ends_with("Error Opening File: Could not open out" +
                                 std::string(1, PATH_SEPARATOR) +
                                 "showcase.WAD for writing: " + reason + ".\n"))
        << failed;
    EXPECT_EQ(test::readBytes(directory + "/" + was), written);

    // A source that is not where the script looks fails: no folder can be picked on a console.
    std::string missing;
    EXPECT_EQ(runCli(directory,
                     "build '" + SHOWCASE + "' --trle '" + DEMO + "' --sources . --out elsewhere",
                     missing),
              1);
    EXPECT_EQ(missing,
              "Kavrin: Could not find the demo.WAD file in the current directory.  Specify the "
              "directory for demo.WAD.\n(no folder can be chosen here; looked in .)\n");
    EXPECT_FALSE(fs::exists(directory + "/elsewhere/showcase.WAS"));
    std::string usage;
    EXPECT_EQ(runCli(directory, "build --trle '" + DEMO + "'", usage), 2);
}

}  // namespace
}  // namespace kavrin
