#include <gtest/gtest.h>

#include <algorithm>

#include "formats/catalogue.h"
#include "formats/was.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/objects_header.h"
#include "support/parsed_file.h"
#include "support/shipped_sets.h"
#include "support/test_data.h"

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

// The one message a refused list showed, as "title: text"; "@" in `expected` stands for its path.
void expectRefusal(const test::ParsedFile<WadScript>& parsed, std::string expected) {
    EXPECT_FALSE(parsed.ok);
    ASSERT_EQ(parsed.messages.size(), 1u);
    if (size_t at = expected.find('@'); at != std::string::npos)
        expected.replace(at, 1, parsed.path);
    EXPECT_EQ(parsed.messages[0].title + ": " + parsed.messages[0].text, expected);
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
    expectRefusal(parseWas("LARA:a\r\ndefault_sprites:x"),
                  "Kavrin: The label \"default_sprites\" on line 1 does not exist in objects.h\n");
}

TEST(WasReader, RefusesALineWithoutColonAnUnknownLabelOrTooManyLines) {
    const char* noColon = "Kavrin: Invalid WAS file:\nMissing semicolon on line 1 in @!";
    expectRefusal(parseWas("LARA:a\r\n\r\nLARA:b\r\n"), noColon);
    expectRefusal(parseWas("LARA:a\r\nLARA"), noColon);
    expectRefusal(parseWas("LARA:a\r\nPISTOLS_ANIM:b\r\nlara_skin:c\r\n"),
                  "Kavrin: The label \"lara_skin\" on line 2 does not exist in objects.h\n");
    expectRefusal(
        parseWas("LARA\nPISTOLS_ANIM:b"),
        "Kavrin: The label \"LARA\nPISTOLS_ANIM\" on line 0 does not exist in objects.h\n");

    std::string lines;
    for (int i = 0; i < 525; ++i)
        lines += "LARA:x\r\n";
    EXPECT_EQ(parseWas(lines).contents.lineCount(), 525u);
    expectRefusal(parseWas(lines + "LARA"),
                  "Kavrin Internal Error: Number of lines in @ exceeds 525!");

    auto withoutCatalogue = parseWas("LARA:x\r\n", nullptr);
    EXPECT_FALSE(withoutCatalogue.ok);
    ASSERT_EQ(withoutCatalogue.messages.size(), 1u);
    EXPECT_EQ(withoutCatalogue.messages[0].title, "Kavrin Internal Error");
}

TEST(WasReader, ShowsItsNameAndMovesTheBarByTheShareOfTheFileRead) {
    test::RecordingUi rec;
    ParseContext context{rec.ui, smallCatalogue()};
    progressBegin(rec.ui, "Loading", 0, 300, 1, "start");
    progressSet(rec.ui, 200, nullptr);
    rec.progress.clear();
    // Four lines of ten bytes: they start at 0, 25, 50 and 75 percent of the file.
    std::string name =
        test::writeTemporaryFile(FILE_WAS, "LARA:abc\r\nLARA:def\r\nLARA:ghi\r\nLARA:jkl\r\n");
    ASSERT_TRUE(loadFile(*makeFileRecord(FILE_WAS, test::temporaryFileDirectory(), name), context));
    std::vector<int> positions;
    for (const ProgressState& state : rec.progress)
        positions.push_back(state.position);
    EXPECT_EQ(positions, (std::vector<int>{200, 200, 25, 50, 75}));
    EXPECT_EQ(rec.progressTexts(), (std::vector<std::string>{"Reading " + name + ".WAS"}));
    EXPECT_EQ(rec.ui.progress.base, 200);
}

class RealWasFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string trle = test::realTrleDirectory();
        KAVRIN_REQUIRE_DATA(trle);
        wads = trle + PATH_SEPARATOR + "graphics" + PATH_SEPARATOR + "wads";
        auto header = test::loadAs<ObjectCatalogue>(FILE_OBJECTS_H, trle, "objects");
        ASSERT_TRUE(header.ok);
        catalogue = header.contents;
    }
    std::string wads;
    ObjectCatalogue catalogue;
};

TEST_F(RealWasFiles, EverySetButCityLoadsAgainstTheLevelEditorCatalogue) {
    for (const char* name : test::SHIPPED_WAD_SETS) {
        auto parsed = test::loadAs<WadScript>(FILE_WAS, wads, name, &catalogue);
        if (std::string(name) == "city") {
            expectRefusal(parsed,
                          "Kavrin: The label \"FISH\" on line 27 does not exist in objects.h\n");
            continue;
        }
        ASSERT_TRUE(parsed.ok) << name;
        std::string text = test::readBytes(resolveExistingPath(parsed.path));
        const WadScript& script = parsed.contents;
        EXPECT_EQ(script.lineCount(), size_t(std::count(text.begin(), text.end(), '\r'))) << name;
        auto lineOf = [&](const std::string& label) {
            auto found = std::find(script.lineLabels.begin(), script.lineLabels.end(), label);
            return found == script.lineLabels.end() ? -1 : int(found - script.lineLabels.begin());
        };
        EXPECT_EQ(script.skyGraphicsLine, lineOf("SKY_GRAPHICS")) << name;
        EXPECT_EQ(script.defaultSpritesLine, lineOf("DEFAULT_SPRITES")) << name;
    }
    auto tut1 = test::loadAs<WadScript>(FILE_WAS, wads, "tut1", &catalogue);
    EXPECT_EQ(tut1.contents.lineCount(), 122u);
    EXPECT_EQ(tut1.contents.lineValues[0], "Z:\\TOMB4\\GRAPHICS\\ANIMS\\LARA\\J_LARAST.PRK");
    EXPECT_EQ(tut1.contents.skyGraphicsLine, 107);
    EXPECT_EQ(tut1.contents.defaultSpritesLine, 110);
}

// A cut list is still text: the lines before the cut are read, and a last line cut before its
// colon is refused for the missing colon.
TEST_F(RealWasFiles, ACutListKeepsItsLinesOrLacksAColon) {
    for (const char* name : test::SHIPPED_WAD_SETS) {
        if (std::string(name) == "city") continue;  // its unknown label would stop longer cuts
        std::string text =
            test::readBytes(resolveExistingPath(makeFileRecord(FILE_WAS, wads, name)->path));
        size_t second = text.find("\r\n") + 2;
        size_t colon = text.find(':', second);
        for (size_t cut : {size_t{1}, second - 1, second, colon, colon + 1, text.size() / 3}) {
            std::string part = text.substr(0, cut);
            size_t lineEnds = std::count(part.begin(), part.end(), '\r');
            size_t lastStart = lineEnds == 0 ? 0 : part.rfind('\r') + 1;
            if (lastStart < part.size() && part[lastStart] == '\n') ++lastStart;
            bool cutLine = lastStart < part.size();
            auto parsed = parseWas(part, &catalogue);
            if (cutLine && part.find(':', lastStart) == std::string::npos) {
                expectRefusal(parsed, "Kavrin: Invalid WAS file:\nMissing semicolon on line " +
                                          std::to_string(lineEnds) + " in @!");
            } else {
                EXPECT_TRUE(parsed.ok && parsed.messages.empty()) << name << " cut at " << cut;
                EXPECT_EQ(parsed.contents.lineCount(), lineEnds + (cutLine ? 1 : 0));
            }
        }
    }
}

}  // namespace
}  // namespace kavrin
