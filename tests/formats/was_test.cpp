#include <gtest/gtest.h>

#include <algorithm>

#include "formats/catalogue.h"
#include "formats/was.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/file_bytes.h"
#include "support/memory_record.h"
#include "support/objects_header.h"
#include "support/recording_ui.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

const ObjectCatalogue& smallCatalogue() {
    static const ObjectCatalogue catalogue =
        test::catalogueFrom(test::objectsHeader({"LARA", "PISTOLS_ANIM", "sky_graphics"}, {"PLANT0"}));
    return catalogue;
}

std::string memPath() { return test::recordHolding(FILE_WAS, "")->path; }

struct WasResult {
    bool ok = false;
    WadScript script;
    std::vector<test::RecordedMessage> messages;
};

WasResult parseWasText(const std::string& text, const ObjectCatalogue* catalogue = &smallCatalogue()) {
    test::RecordingUi rec;
    ParseContext context{rec.ui, catalogue};
    auto record = test::recordHolding(FILE_WAS, text);
    WasResult result;
    result.ok = test::parseRecord(*record, context);
    if (const auto* script = std::any_cast<WadScript>(&record->contents)) result.script = *script;
    result.messages = rec.messages;
    return result;
}

TEST(WasReader, SplitsLinesAtTheFirstColonAndChecksEveryLabel) {
    WasResult empty = parseWasText("");
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.script.lineCount(), 0u);
    EXPECT_EQ(empty.script.skyGraphicsLine, -1);
    EXPECT_EQ(empty.script.defaultSpritesLine, -1);

    // The last line has no line end; a lone LF stays inside a value.
    WasResult read = parseWasText(
        "LARA:Z:\\WAD\\a\\LARA.prk\r\nplant0:\r\nDEFAULT_SPRITES:SPRITE0 TO SPRITE99 x\r"
        "SKY_GRAPHICS:a\nb");
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.messages.empty());
    EXPECT_EQ(read.script.lineLabels,
              (std::vector<std::string>{"LARA", "plant0", "DEFAULT_SPRITES", "SKY_GRAPHICS"}));
    EXPECT_EQ(read.script.lineValues,
              (std::vector<std::string>{"Z:\\WAD\\a\\LARA.prk", "", "SPRITE0 TO SPRITE99 x", "a\nb"}));
    EXPECT_EQ(read.script.defaultSpritesLine, 2);
    EXPECT_EQ(read.script.skyGraphicsLine, 3);

    // Any other spelling of the sprite labels is an ordinary label: here the catalogue has it.
    WasResult lower = parseWasText("Sky_Graphics:x\r\n");
    EXPECT_TRUE(lower.ok);
    EXPECT_EQ(lower.script.skyGraphicsLine, -1);
}

TEST(WasReader, RefusesALineWithoutColonOrWithAnUnknownLabel) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"LARA:a\r\n\r\nLARA:b\r\n", "Invalid WAS file:\nMissing semicolon on line 1 in @!"},
        {"LARA:a\r\nLARA", "Invalid WAS file:\nMissing semicolon on line 1 in @!"},
        {"LARA:a\r\nPISTOLS_ANIM:b\r\nlara_skin:c\r\n",
         "The label \"lara_skin\" on line 2 does not exist in objects.h\n"},
        {"default_sprites:x", "The label \"default_sprites\" on line 0 does not exist in objects.h\n"},
        {"LARA\nPISTOLS_ANIM:b", "The label \"LARA\nPISTOLS_ANIM\" on line 0 does not exist in objects.h\n"},
        {":x", "The label \"\" on line 0 does not exist in objects.h\n"},
    };
    for (const Case& c : cases) {
        WasResult result = parseWasText(c.text);
        EXPECT_FALSE(result.ok) << c.text;
        ASSERT_EQ(result.messages.size(), 1u) << c.text;
        EXPECT_EQ(result.messages[0].title, "Kavrin");
        std::string expected = c.message;
        if (size_t at = expected.find('@'); at != std::string::npos) expected.replace(at, 1, memPath());
        EXPECT_EQ(result.messages[0].text, expected);
    }
}

TEST(WasReader, Reads525LinesAndRefusesMore) {
    std::string lines;
    for (int i = 0; i < 525; ++i) lines += "LARA:x\r\n";
    WasResult full = parseWasText(lines);
    EXPECT_TRUE(full.ok);
    EXPECT_EQ(full.script.lineCount(), 525u);

    WasResult over = parseWasText(lines + "LARA");  // the extra line lacks even its colon
    EXPECT_FALSE(over.ok);
    ASSERT_EQ(over.messages.size(), 1u);
    EXPECT_EQ(over.messages[0].title, "Kavrin Internal Error");
    EXPECT_EQ(over.messages[0].text,
              "Number of lines in " + memPath() + " exceeds 525!");
}

TEST(WasReader, WithoutACatalogueRefusesInsteadOfReading) {
    WasResult result = parseWasText("LARA:x\r\n", nullptr);
    EXPECT_FALSE(result.ok);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].title, "Kavrin Internal Error");
}

TEST(WasReader, ShowsItsNameAndMovesTheBarByTheShareOfTheFileRead) {
    test::RecordingUi rec;
    ParseContext context{rec.ui, &smallCatalogue()};
    progressBegin(rec.ui, "Loading", 0, 300, 1, "start");
    progressSet(rec.ui, 200, nullptr);
    rec.progress.clear();
    // Four lines of ten bytes: they start at 0, 25, 50 and 75 percent of the file.
    auto record = test::recordHolding(FILE_WAS, "LARA:abc\r\nLARA:def\r\nLARA:ghi\r\nLARA:jkl\r\n");
    ASSERT_TRUE(test::parseRecord(*record, context));
    std::vector<int> positions;
    for (const ProgressState& state : rec.progress) positions.push_back(state.position);
    EXPECT_EQ(positions, (std::vector<int>{200, 200, 25, 50, 75}));
    EXPECT_EQ(rec.progressTexts(), (std::vector<std::string>{"Reading mem.WAS"}));
    EXPECT_EQ(rec.ui.progress.base, 200);
}

class RealWasFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string trle = test::realTrleDirectory();
        KAVRIN_REQUIRE_DATA(trle);
        wads = trle + "/graphics/wads";
        auto header = makeFileRecord(FILE_OBJECTS_H, trle, "objects");
        ParseContext context{rec.ui};
        ASSERT_TRUE(loadFile(*header, context));
        catalogue = std::any_cast<ObjectCatalogue>(header->contents);
    }
    std::string wads;
    test::RecordingUi rec;
    ObjectCatalogue catalogue;
};

TEST_F(RealWasFiles, EverySetButCityLoadsAgainstTheLevelEditorCatalogue) {
    // Names in lower case: the files keep their shipped case (Catacomb.WAS).
    for (const char* name :
         {"tut1", "karnak", "title", "coastal", "settomb", "angkor", "catacomb", "cleopal"}) {
        ParseContext context{rec.ui, &catalogue};
        auto record = makeFileRecord(FILE_WAS, wads, name);
        ASSERT_TRUE(loadFile(*record, context)) << name;
        const auto& script = std::any_cast<const WadScript&>(record->contents);
        std::string text(record->text());
        EXPECT_EQ(script.lineCount(), size_t(std::count(text.begin(), text.end(), '\r'))) << name;
        auto lineOf = [&](const std::string& label) {
            auto found = std::find(script.lineLabels.begin(), script.lineLabels.end(), label);
            return found == script.lineLabels.end() ? -1 : int(found - script.lineLabels.begin());
        };
        EXPECT_EQ(script.skyGraphicsLine, lineOf("SKY_GRAPHICS")) << name;
        EXPECT_EQ(script.defaultSpritesLine, lineOf("DEFAULT_SPRITES")) << name;
    }
    EXPECT_TRUE(rec.messages.empty());

    ParseContext context{rec.ui, &catalogue};
    auto tut1 = makeFileRecord(FILE_WAS, wads, "tut1");
    ASSERT_TRUE(loadFile(*tut1, context));
    const auto& script = std::any_cast<const WadScript&>(tut1->contents);
    EXPECT_EQ(script.lineCount(), 122u);
    EXPECT_EQ(script.lineLabels[0], "LARA");
    EXPECT_EQ(script.lineValues[0], "Z:\\TOMB4\\GRAPHICS\\ANIMS\\LARA\\J_LARAST.PRK");
    EXPECT_EQ(script.skyGraphicsLine, 107);
    EXPECT_EQ(script.defaultSpritesLine, 110);
}

TEST_F(RealWasFiles, CityNamesALabelTheCatalogueLacks) {
    ParseContext context{rec.ui, &catalogue};
    auto record = makeFileRecord(FILE_WAS, wads, "city");
    EXPECT_FALSE(loadFile(*record, context));
    EXPECT_EQ(rec.onlyMessage().title, "Kavrin");
    EXPECT_EQ(rec.onlyMessage().text, "The label \"FISH\" on line 27 does not exist in objects.h\n");
}

// A cut list is still text: the lines before the cut are read, and a last line cut before its
// colon is refused for the missing colon.
TEST_F(RealWasFiles, ACutListKeepsItsWholeLinesOrLacksAColon) {
    std::string dir = test::makeTempDirectory("was-cut");
    for (const char* name :
         {"tut1", "karnak", "title", "coastal", "settomb", "angkor", "catacomb", "cleopal"}) {
        std::string text = test::readBytes(resolveExistingPath(makeFileRecord(FILE_WAS, wads, name)->path));
        ASSERT_FALSE(text.empty()) << name;
        size_t second = text.find("\r\n") + 2;
        size_t colon = text.find(':', second);
        for (size_t cut : {size_t{1}, second - 1, second, colon, colon + 1, text.size() / 2,
                           text.size() - 1}) {
            std::string part = text.substr(0, cut);
            size_t lineEnds = std::count(part.begin(), part.end(), '\r');
            size_t lastStart = lineEnds == 0 ? 0 : part.rfind('\r') + 1;
            if (lastStart < part.size() && part[lastStart] == '\n') ++lastStart;
            bool cutLine = lastStart < part.size();
            bool cutBeforeColon = cutLine && part.find(':', lastStart) == std::string::npos;

            test::RecordingUi cutRec;
            ParseContext context{cutRec.ui, &catalogue};
            auto record = makeFileRecord(FILE_WAS, dir, name + std::to_string(cut));
            bool loaded = test::loadWritten(*record, part, context);
            if (cutBeforeColon) {
                EXPECT_FALSE(loaded) << name << " cut at " << cut;
                EXPECT_EQ(cutRec.onlyMessage().text,
                          "Invalid WAS file:\nMissing semicolon on line " +
                              std::to_string(lineEnds) + " in " + record->path + "!");
            } else {
                ASSERT_TRUE(loaded) << name << " cut at " << cut;
                EXPECT_TRUE(cutRec.messages.empty());
                EXPECT_EQ(std::any_cast<const WadScript&>(record->contents).lineCount(),
                          lineEnds + (cutLine ? 1 : 0));
            }
        }
    }
}

}  // namespace
}  // namespace kavrin
