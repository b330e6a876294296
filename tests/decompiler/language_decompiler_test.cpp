#include <gtest/gtest.h>

#include "decompiler/language_strings.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/recording_ui.h"
#include "support/synthetic_script.h"

namespace kavrin {
namespace {

using Strings = std::vector<std::string>;

struct LanguageRun {
    test::RecordingUi rec;
    LanguageStrings strings{{"from an earlier file"}};
    ParseContext context{rec.ui, nullptr, &strings};

    test::Decompiled run(const std::vector<uint8_t>& bytes) {
        return test::decompileBytes(FILE_LANGUAGE, bytes, context);
    }
};

TEST(LanguageDecompiler, WritesEscapedStringsUnderTheirHeadingsAndKeepsOneTable) {
    LanguageRun empty;
    EXPECT_EQ(empty.run(test::buildLanguageFile({})).text,
              "[Strings]\r\n\r\n[PSXStrings]\r\n\r\n[PCStrings]\r\n");
    EXPECT_TRUE(empty.strings.strings.empty());

    LanguageRun run;
    std::string longText(700, '\n');  // escapes to 1,400 characters, written whole
    test::Decompiled out = run.run(test::buildLanguageFile(
        {{"Cambodia, 1984", "A\tB\n"}, {"\xE9\x1B\x0D\x1F\x7F\x80\\x"}, {"", longText}}));
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(fileNamePart(out.outputPath), "INPUT.txt");
    std::string longEscaped;
    for (int i = 0; i < 700; ++i)
        longEscaped += "\\n";
    EXPECT_EQ(run.strings.strings, (Strings{"Cambodia, 1984", "A\\tB\\n",
                                            "\\xe9\\x1b\\x0d\\x1f\x7f\\x80\\x", "", longEscaped}));
    EXPECT_EQ(out.text, "[Strings]\r\nCambodia, 1984\r\nA\\tB\\n\r\n\r\n[PSXStrings]\r\n" +
                            run.strings.strings[2] + "\r\n\r\n[PCStrings]\r\n\r\n" + longEscaped +
                            "\r\n");
}

TEST(LanguageDecompiler, RecognisesTheMaskUnderWhichTheStringsAreText) {
    test::SyntheticLanguage language{{"Cambodia, 1984"}, {"\x14 Ok"}, {"Back\n"}};
    LanguageRun usual;
    ASSERT_TRUE(usual.run(test::buildLanguageFile(language)).ok);
    language.mask = 0xA5;
    LanguageRun levelEditor;
    ASSERT_TRUE(levelEditor.run(test::buildLanguageFile(language)).ok);
    EXPECT_EQ(usual.strings.strings, (Strings{"Cambodia, 1984", "\\x14 Ok", "Back\\n"}));
    EXPECT_EQ(levelEditor.strings.strings, usual.strings.strings);

    // Stored 0x5F is text under neither mask (0x01 or 0xFA): the tie goes to 0x5E.
    LanguageRun tie;
    ASSERT_TRUE(tie.run({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x5F, 0}).ok);
    EXPECT_EQ(tie.strings.strings, Strings{"\\x01"});
}

TEST(LanguageDecompiler, RefusesDamageAndUnwritableOutputsWithoutChangingAnything) {
    std::vector<uint8_t> whole = test::buildLanguageFile({{"One", "Two"}, {}, {"Three"}});
    const std::pair<size_t, const char*> cuts[] = {
        {11, "its header runs past the end of the file"},
        {17, "its string offset tables run past the end of the file"},
        {18, "string 1 of 3 runs past the end of the file"},
        {whole.size() - 1, "string 3 of 3 runs past the end of the file"},
    };
    for (const auto& [length, problem] : cuts) {
        LanguageRun run;
        test::Decompiled out = run.run({whole.begin(), whole.begin() + static_cast<long>(length)});
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(run.rec.onlyMessage().text, out.outputPath + " cannot be read:\n" + problem);
        EXPECT_EQ(fileNamePart(out.outputPath), "INPUT.DAT");  // nothing written
        EXPECT_EQ(run.strings.strings, Strings{"from an earlier file"});
    }
}

}  // namespace
}  // namespace kavrin
