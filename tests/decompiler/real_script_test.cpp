// The Level Editor's own ENGLISH.DAT and SCRIPT.DAT, decompiled in turn as the Utilities command
// and kavrin-cli decompile do. The inputs are read in place; the text goes to a scratch directory.
#include <gtest/gtest.h>

#include "decompiler/language_strings.h"
#include "framework/file_types.h"
#include "support/recording_ui.h"
#include "support/synthetic_script.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

size_t countOf(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// True when the lines appear in the text in this order.
bool inOrder(const std::string& text, const std::vector<std::string>& lines) {
    size_t at = 0;
    for (const std::string& line : lines) {
        at = text.find("\r\n" + line + "\r\n", at);
        if (at == std::string::npos) return false;
    }
    return true;
}

TEST(RealScript, EnglishAndScriptDecompileCompletely) {
    std::string language = test::testDataPath("trle/script/ENGLISH.DAT");
    std::string script = test::testDataPath("trle/script/SCRIPT.DAT");
    KAVRIN_REQUIRE_DATA(language);
    KAVRIN_REQUIRE_DATA(script);
    std::string directory = test::makeTempDirectory("real-script");
    test::RecordingUi rec;
    LanguageStrings strings;
    ParseContext context{rec.ui, nullptr, &strings};

    test::Decompiled english =
        test::decompileFile(FILE_LANGUAGE, language, directory, "ENGLISH", context);
    ASSERT_TRUE(english.ok);
    EXPECT_TRUE(english.text.starts_with(
        "[Strings]\r\nCambodia, 1984\r\nThe year 2000, somewhere in Egypt...\r\n"));
    size_t psx = english.text.find("\r\n\r\n[PSXStrings]\r\n");
    size_t pc = english.text.find("\r\n\r\n[PCStrings]\r\n");
    EXPECT_EQ(countOf(english.text.substr(0, psx + 2), "\r\n"), 1u + 204u);
    EXPECT_EQ(countOf(english.text.substr(psx + 4, pc - psx - 2), "\r\n"), 1u + 96u);
    EXPECT_EQ(countOf(english.text.substr(pc + 4), "\r\n"), 1u + 59u);
    EXPECT_EQ(strings.strings.size(), 204u + 96u + 59u);

    test::Decompiled out = test::decompileFile(FILE_SCRIPT, script, directory, "SCRIPT", context);
    ASSERT_TRUE(out.ok);
    EXPECT_TRUE(rec.messages.empty());
    EXPECT_TRUE(inOrder(out.text, {"[PCExtensions]", "Level=\t.TR4", "Cut=\t.TR4", "FMV=\t.BIK"}));
    EXPECT_TRUE(inOrder(
        out.text, {"[Language]", "File=\t\t0,ENGLISH.TXT", "File=\t\t1,FRENCH.TXT",
                   "File=\t\t2,GERMAN.TXT", "File=\t\t3,ITALIAN.TXT", "File=\t\t4,SPANISH.TXT",
                   "File=\t\t5,US.TXT", "File=\t\t6,JAPAN.TXT", "File=\t\t7,DUTCH.TXT", ""}));
    // Header: options 0x0F, input timeout 0x4650, security 0x55.
    EXPECT_TRUE(inOrder(out.text, {"[Options]", "LoadSave=\tENABLED", "Title=\t\tENABLED",
                                   "PlayAnyLevel=\tENABLED", "InputTimeout=\t18000",
                                   "FlyCheat=\tENABLED", "Security=\t$55", "DemoDisc=\tDISABLED"}));
    EXPECT_EQ(countOf(out.text, "\r\n[Title]\r\n"), 1u);
    EXPECT_EQ(countOf(out.text, "\r\n[Level]\r\n"), 7u);
    EXPECT_TRUE(inOrder(
        out.text,
        {"[Title]", "Level=\t\tDATA\\TITLE,104", "[Level]", "Name=\t\tPlayable Tutorial Level",
         "Level=\t\tDATA\\TUT1,107", "Name=\t\tThe Tomb Of Seth", "Level=\t\tDATA\\SETTOMB,107",
         "Name=\t\tTemple Of Karnak", "Level=\t\tDATA\\KARNAK,110", "Name=\t\tCoastal Ruins",
         "Level=\t\tDATA\\COASTAL,105", "Name=\t\tCatacombs", "Level=\t\tDATA\\CATACOMB,108",
         "Name=\t\tCleopatra's Palaces", "Level=\t\tDATA\\CLEOPAL,107", "Name=\t\tCity Of The Dead",
         "Level=\t\tDATA\\CITY,102"}));
    EXPECT_TRUE(out.text.ends_with("Level=\t\tDATA\\CITY,102\r\n"));
    EXPECT_EQ(out.text.find("Invalid opcode"), std::string::npos);
    EXPECT_EQ(out.text.find("<missing"), std::string::npos);
}

}  // namespace
}  // namespace kavrin
