#include <gtest/gtest.h>

#include <filesystem>

#include "framework/paths.h"
#include "support/parsed_file.h"
#include "support/run_cli.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::runCli;

const std::string DEMO = test::sourcePath("data/demo");
const std::string SHOWCASE = test::sourcePath("data/demo/graphics/wads/showcase.KVS");

TEST(BuildCommand, BuildsTheDemoScriptReplacingTheSetOnlyWithYesAndFailsOnAMissingSource) {
    std::string directory = test::makeTempDirectory("cli-build");
    std::string arguments = "build '" + SHOWCASE + "' --trle '" + DEMO + "' --out out";
    const CliRun built = runCli(directory, arguments);
    ASSERT_EQ(built.code, 0) << built;
    const std::string was = std::string("out") + PATH_SEPARATOR + "showcase.WAS";
    EXPECT_NE(built.output.find("Wad Saved: " + was + "\n"), std::string::npos) << built;
    for (const char* extension : {"WAS", "WAD", "SWD", "SFX", "SAM"}) {
        EXPECT_TRUE(fs::exists(directory + "/out/showcase." + extension)) << extension;
    }

    // The set is there now: without --yes the question is answered Cancel and nothing is written.
    const std::string written = test::readBytes(directory + "/" + was);
    test::writeFileText(directory + "/" + was, "kept");
    EXPECT_EQ(runCli(directory, arguments),
              (CliRun{1, "Save Wad: " + was +
                             "\nThis file already exists.\n\nReplace existing file?\n"
                             "(answered Cancel; --yes answers Yes)\n"}));
    EXPECT_EQ(test::readBytes(directory + "/" + was), "kept");

    EXPECT_EQ(runCli(directory, arguments + " --yes").code, 0);
    EXPECT_EQ(test::readBytes(directory + "/" + was), written);

    // A file that cannot be written fails the build (the save test checks the set stays whole):
    // here a folder holds the name of the .WAD's temporary, which not even root can write over.
    // Windows refuses to open a folder as a file for lack of access.
    fs::create_directories(directory + "/out/showcase.WAD.kavrin-tmp/taken");
    const CliRun failed = runCli(directory, arguments + " --yes");
    EXPECT_EQ(failed.code, 1);
#ifdef _WIN32
    const std::string reason = "13 (Permission denied)";
#else
    const std::string reason = "21 (Is a directory)";
#endif
    EXPECT_TRUE(failed.output.ends_with("Error Opening File: Could not open out" +
                                        std::string(1, PATH_SEPARATOR) +
                                        "showcase.WAD for writing: " + reason + ".\n"))
        << failed;
    EXPECT_EQ(test::readBytes(directory + "/" + was), written);

    // A source that is not where the script looks fails: no folder can be picked on a console.
    EXPECT_EQ(
        runCli(directory,
               "build '" + SHOWCASE + "' --trle '" + DEMO + "' --sources . --out elsewhere"),
        (CliRun{1,
                "Kavrin: Could not find the demo.WAD file in the current directory.  Specify the "
                "directory for demo.WAD.\n(no folder can be chosen here; looked in .)\n"}));
    EXPECT_FALSE(fs::exists(directory + "/elsewhere/showcase.WAS"));
    EXPECT_EQ(runCli(directory, "build --trle '" + DEMO + "'").code, 2);
}

}  // namespace
}  // namespace kavrin
