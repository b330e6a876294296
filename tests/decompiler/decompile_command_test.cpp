#include <gtest/gtest.h>

#include <filesystem>

#include "decompiler/decompile_command.h"
#include "decompiler/language_strings.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/recording_ui.h"
#include "support/synthetic_script.h"
#include "support/synthetic_wad.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

struct DecompileCommand : ::testing::Test {
    void SetUp() override {
        test::SyntheticLanguage strings;
        strings.generic = {"Lara"};
        test::writeBytes(language, test::buildLanguageFile(strings));
        test::writeBytes(script, test::buildScriptFile({}));
    }
    void TearDown() override { fs::remove_all(directory); }

    test::RecordingUi recording;
    LanguageStrings strings;
    std::string directory = test::makeTempDirectory("decompile");
    std::string language = (fs::path(directory) / "ENGLISH.DAT").string();
    std::string script = (fs::path(directory) / "SCRIPT.DAT").string();
};

TEST_F(DecompileCommand, DecompilesTheLanguageFileThenTheScriptBesideThem) {
    recording.fileChoices = {FileChoice{language, 1}, FileChoice{script, 1}};
    decompileGameScript(recording.ui, strings);
    ASSERT_EQ(recording.fileRequests.size(), 2u);
    EXPECT_EQ(recording.fileRequests[0].title, "Load <language>.dat for Decompile");
    EXPECT_EQ(recording.fileRequests[0].type, FILE_LANGUAGE);
    EXPECT_EQ(recording.fileRequests[1].title, "Load Script.dat for Decompile");
    EXPECT_EQ(recording.fileRequests[1].type, FILE_SCRIPT);
    EXPECT_TRUE(recording.fileRequests[0].strict && recording.fileRequests[1].strict);
    EXPECT_TRUE(fs::exists(fs::path(directory) / "ENGLISH.txt"));
    EXPECT_TRUE(fs::exists(fs::path(directory) / "SCRIPT.txt"));
    EXPECT_EQ(strings.strings, std::vector<std::string>{"Lara"});
    EXPECT_TRUE(recording.messages.empty());
}

TEST_F(DecompileCommand, ACancelOrAFailedLanguageFileEndsTheCommand) {
    recording.fileChoices = {std::nullopt};
    decompileGameScript(recording.ui, strings);
    EXPECT_EQ(recording.fileRequests.size(), 1u);

    // The file went away after it was chosen: the load says so and the script is not asked for.
    recording.fileChoices = {FileChoice{(fs::path(directory) / "GONE.DAT").string(), 1}};
    decompileGameScript(recording.ui, strings);
    EXPECT_EQ(recording.fileRequests.size(), 2u);
    EXPECT_EQ(recording.onlyMessage().title, "Kavrin");
    EXPECT_FALSE(fs::exists(fs::path(directory) / "SCRIPT.txt"));
}

}  // namespace
}  // namespace kavrin
