#include <gtest/gtest.h>

#include "formats/catalogue.h"
#include "framework/file_types.h"
#include "support/file_bytes.h"
#include "support/memory_record.h"
#include "support/objects_header.h"
#include "support/recording_ui.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

// Parses a header that must be refused; returns the one message it showed.
test::RecordedMessage refusal(const std::string& header) {
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    auto record = test::recordHolding(FILE_OBJECTS_H, header);
    EXPECT_FALSE(test::parseRecord(*record, context));
    EXPECT_FALSE(record->contents.has_value());
    return rec.onlyMessage();
}

TEST(ObjectCatalogue, EveryTokenOfTheTwoSlotEnumsIsALabelInEnumOrder) {
    ObjectCatalogue catalogue = test::catalogueFrom(
        "enum floor_types { FLOOR_TYPE, DOOR_TYPE };\r\n"
        "enum object_types { LARA = 0, /* hero */ PISTOLS_ANIM, NUMBER_OBJECTS, AFTER };\n"
        "enum static_types{PLANT0,PLANT1,NUMBER_STATIC_OBJECTS};\n"
        "enum object_types { LATE, NUMBER_OBJECTS };\n"
        "#define OBJECT_VERSION 129");  // the last token runs up to the end of the text
    EXPECT_EQ(catalogue.version, 129u);
    const char* expected[] = {"LARA", "=", "0", "/*", "hero", "*/", "PISTOLS_ANIM", "LATE"};
    for (uint32_t slot = 0; slot < std::size(expected); ++slot) {
        EXPECT_EQ(slotLabel(catalogue, slot), expected[slot]) << slot;
    }
    EXPECT_EQ(slotLabel(catalogue, 8), "");
    EXPECT_EQ(slotLabel(catalogue, FIRST_STATIC_SLOT), "PLANT0");
    EXPECT_EQ(slotLabel(catalogue, FIRST_STATIC_SLOT + 1), "PLANT1");
    EXPECT_EQ(slotLabel(catalogue, SLOT_COUNT), "");
    EXPECT_EQ(slotLabel(catalogue, UINT32_MAX), "");
    EXPECT_EQ(catalogue.index.size(), 10u);  // only labelled slots
    for (const char* outside : {"FLOOR_TYPE", "AFTER", "NUMBER_OBJECTS", "", "enum"}) {
        EXPECT_FALSE(findLabel(catalogue, outside)) << outside;
    }

    ObjectCatalogue unfinished = test::catalogueFrom("enum object_types { LARA, PISTOLS_ANIM");
    EXPECT_EQ(unfinished.version, 0u);
    EXPECT_EQ(findLabel(unfinished, "PISTOLS_ANIM"), 1u);
}

TEST(ObjectCatalogue, OnlyVersion129IsAccepted) {
    struct Case {
        const char* token;
        const char* shown;
    } cases[] = {{"128", "128"}, {"-5", "-5"}, {"v129", "0"}, {"99999999999", "2147483647"}};
    for (const Case& c : cases) {
        test::RecordedMessage message = refusal("#define OBJECT_VERSION " + std::string(c.token));
        EXPECT_EQ(message.title, "Invalid Objects Version");
        EXPECT_EQ(message.text, "The version specified in objects.h is " + std::string(c.shown) +
                                    ", it must be 129!");
        EXPECT_EQ(message.style, MessageStyle::ErrorOk);
    }
    EXPECT_EQ(test::catalogueFrom("#define OBJECT_VERSION +129;\n").version, 129u);
}

TEST(ObjectCatalogue, Holds465ObjectAnd60StaticLabelsAndNoMore) {
    auto objects = test::numberedLabels("OBJ", OBJECT_SLOT_COUNT);
    auto statics = test::numberedLabels("STATIC", STATIC_SLOT_COUNT);
    ObjectCatalogue full = test::catalogueFrom(test::objectsHeader(objects, statics));
    EXPECT_EQ(slotLabel(full, 464), "OBJ464");
    EXPECT_EQ(slotLabel(full, 524), "STATIC59");
    EXPECT_EQ(full.index.size(), SLOT_COUNT);

    auto oneObjectMore = objects;
    oneObjectMore.push_back("EXTRA");
    test::RecordedMessage tooMany = refusal(test::objectsHeader(oneObjectMore, statics));
    EXPECT_EQ(tooMany.title, "Too Many Objects");
    EXPECT_EQ(tooMany.text, "There are more than 465 objects defined in objects.h");

    auto oneStaticMore = statics;
    oneStaticMore.push_back("EXTRA");
    test::RecordedMessage tooManyStatics = refusal(test::objectsHeader(objects, oneStaticMore));
    EXPECT_EQ(tooManyStatics.title, "Too Many Static Objects");
    EXPECT_EQ(tooManyStatics.text, "There are more than 60 static objects defined in objects.h");
}

TEST(ObjectCatalogue, LabelsSortAndAreFoundWithoutRegardToCase) {
    // Byte order would put the capitals before "_x"; ignoring case puts "_x" first.
    ObjectCatalogue catalogue =
        test::catalogueFrom(test::objectsHeader({"b", "A", "_x", "C", "a_", "AB"}, {"Ab_9"}));
    std::vector<std::string> sorted;
    for (const LabelIndexEntry& entry : catalogue.index) sorted.push_back(entry.label);
    EXPECT_EQ(sorted, (std::vector<std::string>{"_x", "A", "a_", "AB", "Ab_9", "b", "C"}));

    EXPECT_EQ(findLabel(catalogue, "B"), 0u);
    EXPECT_EQ(findLabel(catalogue, "a"), 1u);
    EXPECT_EQ(findLabel(catalogue, "_X"), 2u);
    EXPECT_EQ(findLabel(catalogue, "c"), 3u);
    EXPECT_EQ(findLabel(catalogue, "A_"), 4u);
    EXPECT_EQ(findLabel(catalogue, "ab"), 5u);
    EXPECT_EQ(findLabel(catalogue, "aB_9"), FIRST_STATIC_SLOT);
    for (const char* missing : {"", "AB_", "_", "D", "Ab_"}) {
        EXPECT_FALSE(findLabel(catalogue, missing)) << missing;
    }
    EXPECT_EQ(compareLabels({"Lara", 0}, {"LARA", 1}), 0);
    EXPECT_LT(compareLabels({"LARA", 0}, {"lara_skin", 1}), 0);
    EXPECT_GT(compareLabels({"\xE9", 0}, {"z", 1}), 0);  // bytes compare unsigned
}

class RealObjectsHeader : public ::testing::Test {
protected:
    void SetUp() override {
        trle = test::realTrleDirectory();
        KAVRIN_REQUIRE_DATA(trle);
    }
    std::string trle;
};

TEST_F(RealObjectsHeader, LoadsEverySlotOfTheLevelEditorHeader) {
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    auto record = makeFileRecord(FILE_OBJECTS_H, trle, "objects");
    ASSERT_TRUE(loadFile(*record, context));
    EXPECT_TRUE(rec.messages.empty());
    const auto& catalogue = std::any_cast<const ObjectCatalogue&>(record->contents);
    EXPECT_EQ(catalogue.version, 129u);
    ASSERT_EQ(catalogue.index.size(), SLOT_COUNT);
    EXPECT_EQ(findLabel(catalogue, "lara"), 0u);
    EXPECT_EQ(slotLabel(catalogue, SKY_GRAPHICS_SLOT), "SKY_GRAPHICS");
    EXPECT_EQ(slotLabel(catalogue, DEFAULT_SPRITES_SLOT), "DEFAULT_SPRITES");
    EXPECT_EQ(slotLabel(catalogue, MISC_SPRITES_SLOT), "MISC_SPRITES");
    EXPECT_EQ(findLabel(catalogue, "plant0"), FIRST_STATIC_SLOT);
    EXPECT_EQ(findLabel(catalogue, "SHATTER9"), SLOT_COUNT - 1);
    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        EXPECT_EQ(findLabel(catalogue, slotLabel(catalogue, slot)), slot) << slot;
    }
}

TEST_F(RealObjectsHeader, TheExtendedHeaderHasTooManyObjects) {
    std::string extended = test::testDataPath("objects-extended.h");
    KAVRIN_REQUIRE_DATA(extended);
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    auto record = makeFileRecord(FILE_OBJECTS_H, test::testDataDirectory(), "objects-extended");
    EXPECT_FALSE(loadFile(*record, context));
    EXPECT_EQ(rec.onlyMessage().title, "Too Many Objects");
    EXPECT_EQ(rec.onlyMessage().text, "There are more than 465 objects defined in objects.h");
}

TEST_F(RealObjectsHeader, ACutHeaderKeepsTheLabelsBeforeTheCut) {
    std::string header = test::readBytes(trle + "/objects.h");
    std::string dir = test::makeTempDirectory("objects-cut");
    test::RecordingUi rec;
    ParseContext context{rec.ui};

    size_t version = header.find("OBJECT_VERSION 129") + std::string("OBJECT_VERSION 1").size();
    auto inVersion = makeFileRecord(FILE_OBJECTS_H, dir, "version");
    EXPECT_FALSE(test::loadWritten(*inVersion, header.substr(0, version), context));
    EXPECT_EQ(rec.onlyMessage().text, "The version specified in objects.h is 1, it must be 129!");

    // Cut inside LARA_SKIN: the part before the cut is the last label.
    size_t inLabel = header.find("LARA_SKIN,") + std::string("LARA_SK").size();
    auto cut = makeFileRecord(FILE_OBJECTS_H, dir, "label");
    ASSERT_TRUE(test::loadWritten(*cut, header.substr(0, inLabel), context));
    const auto& catalogue = std::any_cast<const ObjectCatalogue&>(cut->contents);
    EXPECT_EQ(catalogue.index.size(), 9u);
    EXPECT_EQ(slotLabel(catalogue, 8), "LARA_SK");
    EXPECT_EQ(slotLabel(catalogue, 9), "");
    EXPECT_FALSE(findLabel(catalogue, "LARA_SKIN"));
    EXPECT_FALSE(findLabel(catalogue, "MISC_SPRITES"));

    auto empty = makeFileRecord(FILE_OBJECTS_H, dir, "empty");
    ASSERT_TRUE(test::loadWritten(*empty, "", context));
    EXPECT_TRUE(std::any_cast<const ObjectCatalogue&>(empty->contents).index.empty());
    EXPECT_EQ(rec.messages.size(), 1u);  // only the version message above
}

}  // namespace
}  // namespace kavrin
