#include <gtest/gtest.h>

#include "formats/catalogue.h"
#include "formats/was.h"
#include "framework/file_types.h"
#include "support/objects_header.h"
#include "support/parsed_file.h"

namespace kavrin {
namespace {

const ObjectCatalogue* smallCatalogue() {
    static const ObjectCatalogue catalogue = test::catalogueFrom(
        test::objectsHeader({"LARA", "PISTOLS_ANIM", "sky_graphics"}, {"PLANT0"}));
    return &catalogue;
}

test::ParsedFile<WadScript> parseWas(const std::string& text,
                                     const ObjectCatalogue* catalogue = smallCatalogue()) {
    return test::parseAs<WadScript>(FILE_WAS, text, catalogue);
}

TEST(WasReader, SplitsLinesAtTheFirstColonAndKnowsTheSpriteLabelsByExactSpelling) {
    auto empty = parseWas("");
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.contents.lineCount(), 0u);
    EXPECT_EQ(empty.contents.skyGraphicsLine, -1);
    EXPECT_EQ(empty.contents.defaultSpritesLine, -1);

    // The last line has no line end; a lone LF stays inside a value.
    auto read = parseWas(
        "LARA:Z:\\WAD\\a\\LARA.prk\r\nplant0:\r\nDEFAULT_SPRITES:SPRITE0 TO SPRITE99 x\r"
        "SKY_GRAPHICS:a\nb");
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.contents.lineLabels,
              (std::vector<std::string>{"LARA", "plant0", "DEFAULT_SPRITES", "SKY_GRAPHICS"}));
    EXPECT_EQ(
        read.contents.lineValues,
        (std::vector<std::string>{"Z:\\WAD\\a\\LARA.prk", "", "SPRITE0 TO SPRITE99 x", "a\nb"}));
    EXPECT_EQ(read.contents.defaultSpritesLine, 2);
    EXPECT_EQ(read.contents.skyGraphicsLine, 3);

    // Spelled otherwise they are ordinary labels: this catalogue has one and lacks the other.
    auto lower = parseWas("Sky_Graphics:x\r\n");
    EXPECT_TRUE(lower.ok);
    EXPECT_EQ(lower.contents.skyGraphicsLine, -1);
    EXPECT_EQ(test::refusal(parseWas("LARA:a\r\ndefault_sprites:x")),
              "Kavrin: @ cannot be read:\nThe label \"default_sprites\" on line 2 does not exist "
              "in objects.h\n");
}

// Line numbers are those an editor shows; a label's unprintable bytes are shown escaped.
TEST(WasReader, RefusesALineWithoutColonAnUnknownLabelOrTooManyLines) {
    EXPECT_EQ(test::refusal(parseWas("LARA:a\r\n\r\nLARA:b\r\n")),
              "Kavrin: Invalid WAS file:\nMissing semicolon on line 2 in @!");
    EXPECT_EQ(test::refusal(parseWas("LARA\x01\tX\nY:a")),
              "Kavrin: @ cannot be read:\nThe label \"LARA\\x01\\tX\\nY\" on line 1 does not "
              "exist in objects.h\n");
    std::string lines;
    for (int i = 0; i < 525; ++i)
        lines += "LARA:x\r\n";
    EXPECT_EQ(parseWas(lines).contents.lineCount(), 525u);
    EXPECT_EQ(test::refusal(parseWas(lines + "LARA")), "Kavrin: Number of lines in @ exceeds 525!");
    EXPECT_TRUE(
        test::refusal(parseWas("LARA:x\r\n", nullptr)).starts_with("Kavrin Internal Error:"));
}

}  // namespace
}  // namespace kavrin
