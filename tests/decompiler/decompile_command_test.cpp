#include <gtest/gtest.h>

#include <filesystem>

#include "decompiler/decompile_command.h"
#include "decompiler/language_strings.h"
#include "framework/file_types.h"
#include "support/recording_ui.h"
#include "support/synthetic_script.h"
#include "support/synthetic_wad.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

TEST(DecompileCommand, DecompilesTheLanguageFileThenTheScriptUnlessTheFirstFails) {
    const fs::path directory = test::makeTempDirectory("decompile");
    const std::string language = (directory / "ENGLISH.DAT").string();
    const std::string script = (directory / "SCRIPT.DAT").string();
    test::writeBytes(language, test::buildLanguageFile({{"Lara"}, {}, {}}));
    test::writeBytes(script, test::buildScriptFile({}));
    test::RecordingUi recording;
    LanguageStrings strings;
    recording.fileChoices = {FileChoice{language, 1}, FileChoice{script, 1}};
    decompileGameScript(recording.ui, strings);
    ASSERT_EQ(recording.fileRequests.size(), 2u);
    EXPECT_EQ(recording.fileRequests[0].type, FILE_LANGUAGE);
    EXPECT_EQ(recording.fileRequests[1].type, FILE_SCRIPT);
    EXPECT_TRUE(fs::exists(directory / "ENGLISH.txt"));
    EXPECT_TRUE(fs::exists(directory / "SCRIPT.txt"));
    EXPECT_EQ(strings.strings, std::vector<std::string>{"Lara"});
    EXPECT_TRUE(recording.messages.empty());
    fs::remove(directory / "SCRIPT.txt");

    // A cancel ends the command; so does a language file that went away after it was chosen,
    // once the load has said so.
    recording.fileChoices = {std::nullopt, FileChoice{(directory / "GONE.DAT").string(), 1}};
    decompileGameScript(recording.ui, strings);
    EXPECT_EQ(recording.fileRequests.size(), 3u);
    decompileGameScript(recording.ui, strings);
    EXPECT_EQ(recording.fileRequests.size(), 4u);
    EXPECT_EQ(recording.onlyMessage().title, "Kavrin");
    EXPECT_FALSE(fs::exists(directory / "SCRIPT.txt"));
    fs::remove_all(directory);
}

}  // namespace
}  // namespace kavrin
