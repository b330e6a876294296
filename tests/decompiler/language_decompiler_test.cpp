#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "decompiler/language_strings.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/recording_ui.h"
#include "support/synthetic_script.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

using test::buildLanguageFile;
using test::decompileBytes;
using test::SyntheticLanguage;

struct LanguageRun {
    test::RecordingUi rec;
    LanguageStrings strings{{"left over from an earlier file"}};
    ParseContext context{rec.ui, nullptr, &strings};

    test::Decompiled run(const std::vector<uint8_t>& bytes, const std::string& directory = {}) {
        return decompileBytes(FILE_LANGUAGE, bytes, context, directory);
    }
};

TEST(LanguageDecompiler, WritesEachGroupUnderItsHeadingAndKeepsOneTable) {
    LanguageRun empty;
    test::Decompiled none = empty.run(buildLanguageFile({}));
    ASSERT_TRUE(none.ok);
    EXPECT_EQ(none.text, "[Strings]\r\n\r\n[PSXStrings]\r\n\r\n[PCStrings]\r\n");
    EXPECT_TRUE(empty.strings.strings.empty());
    EXPECT_EQ(fileNamePart(none.outputPath), "INPUT.txt");
    EXPECT_TRUE(empty.rec.messages.empty());

    LanguageRun run;
    test::Decompiled some =
        run.run(buildLanguageFile({{"Cambodia, 1984", "Egypt"}, {"Memory Card"}, {"", "Ok"}}));
    ASSERT_TRUE(some.ok);
    EXPECT_EQ(some.text,
              "[Strings]\r\nCambodia, 1984\r\nEgypt\r\n"
              "\r\n[PSXStrings]\r\nMemory Card\r\n"
              "\r\n[PCStrings]\r\n\r\nOk\r\n");
    EXPECT_EQ(run.strings.strings,
              (std::vector<std::string>{"Cambodia, 1984", "Egypt", "Memory Card", "", "Ok"}));
}

TEST(LanguageDecompiler, EscapesControlAndHighBytesButNotBackslashes) {
    LanguageRun run;
    std::string longText(700, '\n');  // escapes to 1,400 characters
    test::Decompiled out = run.run(buildLanguageFile(
        {{"A\tB\n", "\xE9\x1B\x0D\x1F\x7F\x80\\x", "\x14 Select", longText}, {}, {}}));
    ASSERT_TRUE(out.ok);
    std::string longEscaped;
    for (int i = 0; i < 700; ++i)
        longEscaped += "\\n";
    std::vector<std::string> expected = {"A\\tB\\n", "\\xe9\\x1b\\x0d\\x1f\x7f\\x80\\x",
                                         "\\x14 Select", longEscaped};
    EXPECT_EQ(run.strings.strings, expected);
    EXPECT_EQ(out.text, "[Strings]\r\n" + expected[0] + "\r\n" + expected[1] + "\r\n" +
                            expected[2] + "\r\n" + expected[3] +
                            "\r\n\r\n[PSXStrings]\r\n\r\n[PCStrings]\r\n");
}

TEST(LanguageDecompiler, RecognisesTheMaskUnderWhichTheStringsAreText) {
    SyntheticLanguage language{{"Cambodia, 1984"}, {"\x14 Ok"}, {"Back\n"}};
    LanguageRun usual;
    ASSERT_TRUE(usual.run(buildLanguageFile(language)).ok);
    language.mask = 0xA5;
    LanguageRun levelEditor;
    ASSERT_TRUE(levelEditor.run(buildLanguageFile(language)).ok);
    std::vector<std::string> expected = {"Cambodia, 1984", "\\x14 Ok", "Back\\n"};
    EXPECT_EQ(usual.strings.strings, expected);
    EXPECT_EQ(levelEditor.strings.strings, expected);

    // Stored 0x5F is text under neither mask (0x01 or 0xFA): the tie goes to 0x5E.
    LanguageRun tie;
    ASSERT_TRUE(tie.run({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x5F, 0}).ok);
    EXPECT_EQ(tie.strings.strings, std::vector<std::string>{"\\x01"});
}

TEST(LanguageDecompiler, RefusesCountsThatRunPastTheEndAndKeepsTheTable) {
    std::vector<uint8_t> whole = buildLanguageFile({{"One", "Two"}, {}, {"Three"}});
    struct Case {
        size_t length;
        const char* problem;
    };
    const Case cases[] = {
        {11, "its header runs past the end of the file"},
        {17, "its string offset tables run past the end of the file"},
        {18, "string 1 of 3 runs past the end of the file"},
        {whole.size() - 1, "string 3 of 3 runs past the end of the file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        LanguageRun run;
        std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(c.length));
        test::Decompiled out = run.run(cut);
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(fileNamePart(out.outputPath), "INPUT.DAT");
        EXPECT_EQ(run.rec.onlyMessage().title, "Kavrin");
        EXPECT_EQ(run.rec.onlyMessage().text, out.outputPath + " cannot be read:\n" + c.problem);
        EXPECT_EQ(run.strings.strings, std::vector<std::string>{"left over from an earlier file"});
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(out.outputPath).parent_path() /
                                             "INPUT.txt"));
    }

    // Every shorter file either decompiles or is refused with one message.
    std::string directory = test::makeTempDirectory("language-prefixes");
    for (size_t length = 0; length < whole.size(); ++length) {
        LanguageRun run;
        test::Decompiled out =
            run.run({whole.begin(), whole.begin() + static_cast<ptrdiff_t>(length)}, directory);
        EXPECT_EQ(run.rec.messages.size(), out.ok ? 0u : 1u) << length;
    }
}

TEST(LanguageDecompiler, AnOutputThatCannotBeCreatedIsReportedAndChangesNothing) {
    std::string directory = test::makeTempDirectory("language-unwritable");
    std::string output = directory + PATH_SEPARATOR + "INPUT.txt";
    std::ofstream(output) << "an earlier text";
    // The text is written beside the output first; a directory in that place stops the open.
    std::filesystem::create_directory(output + ".kavrin-tmp");
    LanguageRun run;
    test::Decompiled out = run.run(buildLanguageFile({{"One"}, {}, {}}), directory);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.outputPath, output);
    EXPECT_EQ(run.rec.onlyMessage().title, "Error Opening File");
    EXPECT_EQ(run.rec.onlyMessage().text,
              "Could not open " + output + " for writing: " + std::to_string(EISDIR) + ".");
    EXPECT_EQ(out.text, "an earlier text");
    EXPECT_EQ(run.strings.strings, std::vector<std::string>{"left over from an earlier file"});
}

}  // namespace
}  // namespace kavrin
