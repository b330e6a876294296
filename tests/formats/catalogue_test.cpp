#include <gtest/gtest.h>

#include "formats/catalogue.h"
#include "framework/file_types.h"
#include "support/objects_header.h"
#include "support/parsed_file.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

std::string refusal(const std::string& header) {
    return test::refusal(test::parseAs<ObjectCatalogue>(FILE_OBJECTS_H, header));
}

TEST(ObjectCatalogue, EveryTokenOfTheTwoSlotEnumsIsALabelInEnumOrder) {
    ObjectCatalogue catalogue = test::catalogueFrom(
        "enum floor_types { FLOOR_TYPE, DOOR_TYPE };\r\n"
        "enum object_types { LARA = 0, /* hero */ PISTOLS_ANIM, NUMBER_OBJECTS, AFTER };\n"
        "enum static_types{PLANT0,PLANT1,NUMBER_STATIC_OBJECTS};\n"
        "enum object_types { LATE, NUMBER_OBJECTS };\n"
        "#define OBJECT_VERSION 129");  // the last token runs up to the end of the text
    EXPECT_EQ(catalogue.version, 129u);
    const char* expected[] = {"LARA", "=", "0", "/*", "hero", "*/", "PISTOLS_ANIM", "LATE", ""};
    for (uint32_t slot = 0; slot < std::size(expected); ++slot) {
        EXPECT_EQ(slotLabel(catalogue, slot), expected[slot]) << slot;
    }
    EXPECT_EQ(slotLabel(catalogue, FIRST_STATIC_SLOT + 1), "PLANT1");
    EXPECT_EQ(slotLabel(catalogue, SLOT_COUNT), "");
    EXPECT_EQ(catalogue.index.size(), 10u);  // only labelled slots
    for (const char* outside : {"FLOOR_TYPE", "AFTER", "NUMBER_OBJECTS", "", "enum"}) {
        EXPECT_FALSE(findLabel(catalogue, outside)) << outside;
    }
    // A header cut inside an enum keeps the labels before the cut.
    ObjectCatalogue unfinished = test::catalogueFrom("enum object_types { LARA, PISTOLS_AN");
    EXPECT_EQ(unfinished.version, 0u);
    EXPECT_EQ(findLabel(unfinished, "PISTOLS_AN"), 1u);
    EXPECT_TRUE(test::catalogueFrom("").index.empty());
}

TEST(ObjectCatalogue, AcceptsVersion129AndAtMost60StaticLabels) {
    const char* prefix =
        "Invalid Objects Version: @ cannot be read:\nThe version specified in objects.h is ";
    EXPECT_EQ(refusal("#define OBJECT_VERSION 128"), prefix + std::string("128, it must be 129!"));
    EXPECT_EQ(refusal("OBJECT_VERSION v129"), prefix + std::string("0, it must be 129!"));
    EXPECT_EQ(test::catalogueFrom("#define OBJECT_VERSION +129;\n").version, 129u);

    // The real header fills every slot; one static label more is refused (one object label more
    // is the extended header's refusal, below).
    std::vector<std::string> statics;
    for (size_t i = 0; i <= STATIC_SLOT_COUNT; ++i)
        statics.push_back("STATIC" + std::to_string(i));
    EXPECT_EQ(refusal(test::objectsHeader({}, statics)),
              "Too Many Static Objects: @ cannot be read:\nThere are more than 60 static objects "
              "defined in objects.h");
}

TEST(ObjectCatalogue, LabelsSortAndAreFoundWithoutRegardToCase) {
    // Byte order would put the capitals before "_x"; ignoring case puts "_x" first.
    ObjectCatalogue catalogue =
        test::catalogueFrom(test::objectsHeader({"b", "A", "_x", "C", "a_", "AB"}, {"Ab_9"}));
    std::vector<std::string> sorted;
    for (const LabelIndexEntry& entry : catalogue.index)
        sorted.push_back(entry.label);
    EXPECT_EQ(sorted, (std::vector<std::string>{"_x", "A", "a_", "AB", "Ab_9", "b", "C"}));
    const char* lookups[] = {"B", "a", "_X", "c", "A_", "ab"};
    for (uint32_t slot = 0; slot < std::size(lookups); ++slot) {
        EXPECT_EQ(findLabel(catalogue, lookups[slot]), slot) << lookups[slot];
    }
    EXPECT_EQ(findLabel(catalogue, "aB_9"), FIRST_STATIC_SLOT);
    for (const char* missing : {"", "AB_", "D"}) {
        EXPECT_FALSE(findLabel(catalogue, missing)) << missing;
    }
    EXPECT_GT(compareLabels({"\xE9", 0}, {"z", 1}), 0);  // bytes compare unsigned
}

TEST(ObjectCatalogue, ReadsTheLevelEditorHeaderAndRefusesTheExtendedOne) {
    std::string trle = test::realTrleDirectory();
    KAVRIN_REQUIRE_DATA(trle);
    auto header = test::loadAs<ObjectCatalogue>(FILE_OBJECTS_H, trle, "objects");
    ASSERT_TRUE(header.ok);
    const ObjectCatalogue& catalogue = header.contents;
    EXPECT_EQ(catalogue.version, 129u);
    ASSERT_EQ(catalogue.index.size(), SLOT_COUNT);
    EXPECT_EQ(findLabel(catalogue, "lara"), 0u);
    EXPECT_EQ(slotLabel(catalogue, SKY_GRAPHICS_SLOT), "SKY_GRAPHICS");
    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        EXPECT_EQ(findLabel(catalogue, slotLabel(catalogue, slot)), slot) << slot;
    }
    EXPECT_EQ(refusal(test::readBytes(test::testDataPath("objects-extended.h"))),
              "Too Many Objects: @ cannot be read:\nThere are more than 465 objects defined in "
              "objects.h");
}

}  // namespace
}  // namespace kavrin
