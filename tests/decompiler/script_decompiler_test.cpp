#include <gtest/gtest.h>

#include <filesystem>

#include "decompiler/language_strings.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_format.h"
#include "support/recording_ui.h"
#include "support/synthetic_script.h"
#include "support/synthetic_wad.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

using test::buildScriptFile;
using test::SyntheticScript;

struct ScriptRun {
    test::RecordingUi rec;
    LanguageStrings strings{{"Zero", "One", "Two", "Three"}};
    ParseContext context{rec.ui, nullptr, &strings};

    test::Decompiled run(const SyntheticScript& script) {
        return test::decompileBytes(FILE_SCRIPT, buildScriptFile(script), context);
    }
};

// The text after the heading that opens the level data.
std::string levelsOf(const std::string& text) {
    for (const char* heading : {"\r\n[Title]\r\n", "\r\n[Level]\r\n"}) {
        size_t at = text.find(heading);
        if (at != std::string::npos) return text.substr(at + std::string(heading).size());
    }
    return "no heading in: " + text;
}

// With one path "A" and one level offset the level data starts at 56 + 2 + 2 + 2.
constexpr size_t ONE_PATH_LEVELS = 62;

SyntheticScript onePathScript(std::vector<uint8_t> levelData) {
    SyntheticScript script;
    script.paths = {"A"};
    script.levelOffsetCount = 1;
    script.levelData = std::move(levelData);
    script.languageNames = std::string("ENGLISH.DAT\0", 12);
    return script;
}

// clang-format off
std::vector<uint8_t> itemOperands(uint8_t opcode, uint8_t string) {
    // The byte after the string index is unused; then six words.
    return {opcode, string, 0xEE, 0x01, 0x00, 0x02, 0x00, 0xCD, 0xAB,
            0x04, 0x00, 0x05, 0x00, 0xFF, 0xFF};
}

TEST(ScriptDecompiler, WritesALineForEveryOpcodeFamily) {
    std::vector<uint8_t> levels = {
        0x82, 0x41, 0x00, 0x00, 104,  // title: YoungLara and Lightning, path 0, track 104
        0x83,
        0x81, 1, 0xFF, 0xFF, 1, 7,  // level "One", every option bit, path 1, track 7
        0x80, 0x85, 0x84, 10, 0x85, 3, 0x88, 4,
        0x89, 10, 20, 30, 0xF9, 0x8A, 255, 0, 1, 0x7F,
        0x8B, 0xFE, 0x8C, 2,
        0x8D, 0xFE, 0xFF, 0x03, 0x00, 0x00, 0x80, 1, 2, 255,
        0x8E, 9, 0xEF, 0xBE, 0x11, 0x22, 0x8F, 1, 2, 3, 0x90, 0x3A,
        0x91, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 0xFD, 0xFF, 0xFF, 0xFF, 4, 0, 0, 0,
        0xA0, 0x86, 0x01, 0x00, 0x60, 0x79, 0xFE, 0xFF, 200,
        0x92, 5,
    };
    // clang-format on
    const uint8_t items[] = {0x93, 0x9E, 0x9F, 0xAA, 0xAB, 0xAE, 0xAF, 0xB1,
                             0xB2, 0xB3, 0xB4, 0xC1, 0xC2, 0xD1, 0xD2, 0xD9};
    for (uint8_t opcode : items) {
        std::vector<uint8_t> item = itemOperands(opcode, 3);
        levels.insert(levels.end(), item.begin(), item.end());
    }
    levels.push_back(0x83);  // a last end of level opens no new block

    SyntheticScript script;
    script.options = 0x04;
    script.paths = {"DATA\\TITLE", "DATA\\TUT1"};
    script.levelData = levels;
    ScriptRun run;
    test::Decompiled out = run.run(script);
    ASSERT_TRUE(out.ok);
    const std::string words = ",Three,\t$0001,$0002,$abcd,$0004,$0005,$ffff\r\n";
    EXPECT_EQ(levelsOf(out.text),
              "YoungLara=\tENABLED\r\nLightning=\tENABLED\r\nLevel=\t\tDATA\\TITLE,104\r\n"
              "\r\n[Level]\r\n"
              "Name=\t\tOne\r\n"
              "YoungLara=\tENABLED\r\nWeather=\tENABLED\r\nHorizon=\tENABLED\r\n"
              "Lightning=\tENABLED\r\nStarField=\tENABLED\r\nTrain=\t\tENABLED\r\n"
              "Pulse=\t\tENABLED\r\nColAddHorizon=\tENABLED\r\nTimer=\t\tENABLED\r\n"
              "RemoveAmulet=\tENABLED\r\nNoLevel=\tENABLED\r\n"
              "Level=\t\tDATA\\TUT1,7\r\n"
              ";FMV=\t\t5,1\r\n;Cut=\t\t10\r\nResidentCut=\t1,3\r\nResidentCut=\t4,4\r\n"
              "Layer1=\t\t10,20,30,-7\r\nLayer2=\t\t255,0,1,127\r\n"
              "UVrotate=\t254\r\nLegend=\t\tTwo\r\nLensFlare=\t-512,768,-8388608,1,2,255\r\n"
              "Mirror=\t\t9,$beef\r\nFog=\t\t1,2,3\r\nAnimatingMIP=\t11,3\r\n"
              "LoadCamera=\t-1,2,-3,4,100000,-100000,200\r\nResetHUB=\t5\r\n"
              // clang-format off
              "Key=\t\t1" + words + "Key=\t\t12" + words +
              "Puzzle=\t\t1" + words + "Puzzle=\t\t12" + words +
              "Pickup=\t\t1" + words + "Pickup=\t\t4" + words +
              "Examine=\t1" + words + "Examine=\t3" + words +
              "KeyCombo=\t1,1" + words + "KeyCombo=\t1,2" + words + "KeyCombo=\t2,1" + words +
              "KeyCombo=\t8,2" + words +
              "PuzzleCombo=\t1,1" + words + "PuzzleCombo=\t8,2" + words +
              "PickupCombo=\t1,1" + words + "PickupCombo=\t4,2" + words);
    // clang-format on
}

// Every option bit but Title's, both platforms' extensions, and the language files, of which a
// name of three characters has them all replaced and a shorter one is listed as it stands.
TEST(ScriptDecompiler, WritesTheExtensionsLanguageFilesAndOptionsOfTheHeader) {
    SyntheticScript script;
    script.options = 0x8B;
    script.languageNames = std::string("ENGLISH.DAT\0ABC\0US", 18);
    ScriptRun run;
    EXPECT_EQ(run.run(script).text,
              "[PSXExtensions]\r\nLevel=\t.PSX\r\nCut=\t.CUT\r\nFMV=\t.FMV\r\n\r\n"
              "[PCExtensions]\r\nLevel=\t.TR4\r\nCut=\t.TR4\r\nFMV=\t.BIK\r\n\r\n"
              "[Language]\r\nFile=\t\t0,ENGLISH.TXT\r\nFile=\t\t1,TXT\r\nFile=\t\t2,US\r\n\r\n"
              "[Options]\r\nLoadSave=\tENABLED\r\nTitle=\t\tDISABLED\r\nPlayAnyLevel=\tENABLED\r\n"
              "InputTimeout=\t0\r\nFlyCheat=\tENABLED\r\nSecurity=\t$00\r\nDemoDisc=\tENABLED\r\n"
              "\r\n[Level]\r\n");
}

TEST(ScriptDecompiler, NamesMissingEntriesAndStopsAtAnInvalidOpcode) {
    ScriptRun run;
    EXPECT_EQ(levelsOf(run.run(onePathScript({0x81, 4, 0x00, 0x00, 1, 2, 0x8C, 255})).text),
              "Name=\t\t<missing string 4>\r\nLevel=\t\t<missing path 1>,2\r\n"
              "Legend=\t\t<missing string 255>\r\n");
    ScriptRun withoutLanguage;
    withoutLanguage.context.languageStrings = nullptr;
    EXPECT_EQ(levelsOf(withoutLanguage.run(onePathScript({0x8C, 0})).text),
              "Legend=\t\t<missing string 0>\r\n");

    // The offset given is that of the byte after the opcode; nothing after it is read, and what
    // came before it stays.
    ScriptRun invalid;
    test::Decompiled out = invalid.run(onePathScript({0x8B, 1, 0x83, 0xDA, 0x8B, 2}));
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(levelsOf(out.text),
              format("UVrotate=\t1\r\n\r\n[Level]\r\nInvalid opcode = 218 @0x%08zx\r\n"
                     "Decompile Aborted\r\n",
                     ONE_PATH_LEVELS + 4));
}

TEST(ScriptDecompiler, RefusesDamageAndNeverWritesOverItsInput) {
    SyntheticScript script;
    script.paths = {"DATA\\A", "DATA\\B"};  // paths from 60 to 74, offsets to 78, levels to 82
    script.levelOffsetCount = 2;
    script.levelData = {0x8B, 1, 0x92, 2};
    std::vector<uint8_t> whole = buildScriptFile(script);
    ASSERT_EQ(whole.size(), 82u);
    const std::pair<size_t, const char*> cuts[] = {
        {55, "its header runs past the end of the file"},
        {70, "level path 2 of 2 runs past the end of the file"},
        {81, "its level data runs past the end of the file"},
    };
    for (const auto& [length, problem] : cuts) {
        ScriptRun run;
        test::Decompiled out = test::decompileBytes(
            FILE_SCRIPT, {whole.begin(), whole.begin() + static_cast<long>(length)}, run.context);
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(run.rec.onlyMessage().text, out.outputPath + " cannot be read:\n" + problem);
        EXPECT_EQ(fileNamePart(out.outputPath), "INPUT.DAT");  // nothing written
    }

    // The operands of the last opcode lie in the language names, outside the level data.
    ScriptRun overrun;
    test::Decompiled out = overrun.run(onePathScript({0x8B, 1, 0x84}));
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(overrun.rec.onlyMessage().text,
              out.outputPath + format(" cannot be read:\nthe operands of opcode 132 at 0x%08zx "
                                      "run past the end of the level data",
                                      ONE_PATH_LEVELS + 2));

    // An input named .txt would get its own path back as the output's.
    std::string directory = test::makeTempDirectory("script-self");
    std::string input = directory + PATH_SEPARATOR + "SCRIPT.txt";
    test::writeBytes(input, whole);
    ScriptRun self;
    EXPECT_FALSE(test::decompileFile(FILE_SCRIPT, input, directory, "SCRIPT", self.context).ok);
    EXPECT_EQ(
        self.rec.onlyMessage().text,
        input + " cannot be read:\nits decompiled text would be written over the file itself");
    EXPECT_EQ(std::filesystem::file_size(input), whole.size());
}

}  // namespace
}  // namespace kavrin
