// The Level Editor's own ENGLISH.DAT and SCRIPT.DAT, decompiled in turn as the Utilities command
// and kavrin-cli decompile do. The inputs are read in place; the text goes to a scratch directory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decompiler/language_strings.h"
#include "framework/file_types.h"
#include "framework/text_lines.h"
#include "support/recording_ui.h"
#include "support/synthetic_script.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    LineReader reader(text);
    for (std::string_view line; reader.next(line);)
        lines.emplace_back(line);
    return lines;
}

// The lines between a section heading and the empty line (or the end) that closes the section.
std::vector<std::string> section(const std::vector<std::string>& lines,
                                 const std::string& heading) {
    std::vector<std::string> body;
    auto at = std::find(lines.begin(), lines.end(), heading);
    if (at == lines.end()) return {"no " + heading};
    for (++at; at != lines.end() && !at->empty(); ++at)
        body.push_back(*at);
    return body;
}

std::vector<std::string> linesStartingWith(const std::vector<std::string>& lines,
                                           const std::string& start) {
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.starts_with(start)) found.push_back(line);
    }
    return found;
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
    std::vector<std::string> englishLines = linesOf(english.text);
    std::vector<std::string> generic = section(englishLines, "[Strings]");
    ASSERT_EQ(generic.size(), 204u);
    EXPECT_EQ(generic[0], "Cambodia, 1984");
    EXPECT_EQ(generic[1], "The year 2000, somewhere in Egypt...");
    EXPECT_EQ(section(englishLines, "[PSXStrings]").size(), 96u);
    EXPECT_EQ(section(englishLines, "[PCStrings]").size(), 59u);
    EXPECT_EQ(strings.strings.size(), 204u + 96u + 59u);

    test::Decompiled decompiled =
        test::decompileFile(FILE_SCRIPT, script, directory, "SCRIPT", context);
    ASSERT_TRUE(decompiled.ok);
    EXPECT_TRUE(rec.messages.empty());
    std::vector<std::string> lines = linesOf(decompiled.text);
    EXPECT_EQ(section(lines, "[PCExtensions]"),
              (std::vector<std::string>{"Level=\t.TR4", "Cut=\t.TR4", "FMV=\t.BIK"}));
    EXPECT_EQ(section(lines, "[Language]"),
              (std::vector<std::string>{"File=\t\t0,ENGLISH.TXT", "File=\t\t1,FRENCH.TXT",
                                        "File=\t\t2,GERMAN.TXT", "File=\t\t3,ITALIAN.TXT",
                                        "File=\t\t4,SPANISH.TXT", "File=\t\t5,US.TXT",
                                        "File=\t\t6,JAPAN.TXT", "File=\t\t7,DUTCH.TXT"}));
    // Header: options 0x0F, input timeout 0x4650, security 0x55.
    EXPECT_EQ(
        section(lines, "[Options]"),
        (std::vector<std::string>{"LoadSave=\tENABLED", "Title=\t\tENABLED",
                                  "PlayAnyLevel=\tENABLED", "InputTimeout=\t18000",
                                  "FlyCheat=\tENABLED", "Security=\t$55", "DemoDisc=\tDISABLED"}));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Title]"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Level]"), 7);
    EXPECT_EQ(
        linesStartingWith(lines, "Level=\t\t"),
        (std::vector<std::string>{"Level=\t\tDATA\\TITLE,104", "Level=\t\tDATA\\TUT1,107",
                                  "Level=\t\tDATA\\SETTOMB,107", "Level=\t\tDATA\\KARNAK,110",
                                  "Level=\t\tDATA\\COASTAL,105", "Level=\t\tDATA\\CATACOMB,108",
                                  "Level=\t\tDATA\\CLEOPAL,107", "Level=\t\tDATA\\CITY,102"}));
    EXPECT_EQ(linesStartingWith(lines, "Name=\t\t"),
              (std::vector<std::string>{
                  "Name=\t\tPlayable Tutorial Level", "Name=\t\tThe Tomb Of Seth",
                  "Name=\t\tTemple Of Karnak", "Name=\t\tCoastal Ruins", "Name=\t\tCatacombs",
                  "Name=\t\tCleopatra's Palaces", "Name=\t\tCity Of The Dead"}));
    EXPECT_EQ(decompiled.text.find("Invalid opcode"), std::string::npos);
    EXPECT_EQ(decompiled.text.find("<missing"), std::string::npos);
    // Every line ends in CR LF: no bare line feed anywhere.
    for (size_t at = decompiled.text.find('\n'); at != std::string::npos;
         at = decompiled.text.find('\n', at + 1)) {
        ASSERT_TRUE(at > 0 && decompiled.text[at - 1] == '\r') << at;
    }
}

}  // namespace
}  // namespace kavrin
