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
    // 204 generic, 96 PSX and 59 PC strings, a line each under their headings.
    EXPECT_EQ(strings.strings.size(), 204u + 96u + 59u);
    EXPECT_TRUE(inOrder("\r\n" + english.text,
                        {"[Strings]", "Cambodia, 1984", "The year 2000, somewhere in Egypt...",
                         strings.strings[203], "", "[PSXStrings]", strings.strings[204],
                         strings.strings[299], "", "[PCStrings]", strings.strings[300]}));
    EXPECT_TRUE(english.text.ends_with("\r\n" + strings.strings.back() + "\r\n"));

    test::Decompiled out = test::decompileFile(FILE_SCRIPT, script, directory, "SCRIPT", context);
    ASSERT_TRUE(out.ok);
    EXPECT_TRUE(rec.messages.empty());
    EXPECT_TRUE(inOrder(
        out.text,
        {"[PCExtensions]", "Level=\t.TR4", "Cut=\t.TR4", "FMV=\t.BIK", "[Language]",
         "File=\t\t0,ENGLISH.TXT", "File=\t\t7,DUTCH.TXT", "",
         // Header: options 0x0F, input timeout 0x4650, security 0x55.
         "[Options]", "LoadSave=\tENABLED", "Title=\t\tENABLED", "PlayAnyLevel=\tENABLED",
         "InputTimeout=\t18000", "FlyCheat=\tENABLED", "Security=\t$55", "DemoDisc=\tDISABLED", "",
         "[Title]", "Level=\t\tDATA\\TITLE,104", "[Level]", "Name=\t\tPlayable Tutorial Level",
         "Level=\t\tDATA\\TUT1,107", "Name=\t\tThe Tomb Of Seth", "Level=\t\tDATA\\SETTOMB,107",
         "Name=\t\tTemple Of Karnak", "Level=\t\tDATA\\KARNAK,110", "Name=\t\tCoastal Ruins",
         "Level=\t\tDATA\\COASTAL,105", "Name=\t\tCatacombs", "Level=\t\tDATA\\CATACOMB,108",
         "Name=\t\tCleopatra's Palaces", "Level=\t\tDATA\\CLEOPAL,107", "Name=\t\tCity Of The Dead",
         "Level=\t\tDATA\\CITY,102"}));
    EXPECT_TRUE(out.text.ends_with("Level=\t\tDATA\\CITY,102\r\n"));
    for (const char* absent : {"Invalid opcode", "<missing", "File=\t\t8,"})
        EXPECT_EQ(out.text.find(absent), std::string::npos) << absent;
}

}  // namespace
}  // namespace kavrin
