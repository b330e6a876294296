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
    // A cancel ends the command; so does a language file that went away after it was chosen, once
    // the load has said so.
    recording.fileChoices = {FileChoice{language, 1}, FileChoice{script, 1}, std::nullopt,
                             FileChoice{(directory / "GONE.DAT").string(), 1}};
    for (int run = 0; run < 3; ++run) {
        decompileGameScript(recording.ui, strings);
        if (run == 0) fs::remove(directory / "SCRIPT.txt");
    }
    std::vector<uint32_t> types;
    for (const FileDialogRequest& request : recording.fileRequests)
        types.push_back(request.type);
    EXPECT_EQ(types,
              (std::vector<uint32_t>{FILE_LANGUAGE, FILE_SCRIPT, FILE_LANGUAGE, FILE_LANGUAGE}));
    EXPECT_TRUE(fs::exists(directory / "ENGLISH.txt"));
    EXPECT_FALSE(fs::exists(directory / "SCRIPT.txt"));
    EXPECT_EQ(strings.strings, std::vector<std::string>{"Lara"});
    EXPECT_EQ(recording.onlyMessage().title, "Kavrin");
}

}  // namespace
}  // namespace kavrin
