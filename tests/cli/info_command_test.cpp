#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/run_cli.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

std::string shellQuoted(const std::string& path) { return "'" + path + "'"; }

// Any of a set's five files names the set; the counts and the entries are the set's.
TEST(InfoCommand, ShowsTheCountsAndEntriesOfARealSetFromAnyOfItsFiles) {
    std::string trle = test::realTrleDirectory();
    KAVRIN_REQUIRE_DATA(trle);
    std::string out;
    ASSERT_EQ(test::runCli(".", "info " + shellQuoted(trle + "/graphics/wads/tut1.sam") +
                                    " --json --trle " + shellQuoted(trle), out),
              0)
        << out;
    nlohmann::json info = nlohmann::json::parse(out);
    const nlohmann::json& counts = info["counts"];
    EXPECT_EQ(counts["moveables"], 109);
    EXPECT_EQ(counts["static meshes"], 11);
    EXPECT_EQ(counts["animations"], 731);
    EXPECT_EQ(counts["object textures"], 1581);
    EXPECT_EQ(counts["texture pages"], 11);
    EXPECT_EQ(counts["meshes"], 301);
    EXPECT_EQ(counts["mesh pointers"], 506);
    EXPECT_EQ(counts["sprites"], 37);
    EXPECT_EQ(counts["sprite sequences"], 2);
    EXPECT_EQ(counts["sound infos"], 122);
    EXPECT_EQ(counts["samples"], 144);
    ASSERT_EQ(info["objects"].size(), 122u);
    EXPECT_EQ(info["objects"][0]["tree"], "M  0 LARA");
    EXPECT_EQ(info["objects"][109]["kind"], "sprite sequence");
    EXPECT_EQ(info["objects"][121]["kind"], "static mesh");
    EXPECT_EQ(info["objects"][121]["slot"], 465 + info["objects"][121]["number"].get<int>());
}

TEST(InfoCommand, ShowsEverySectionOfALevel) {
    std::string trle = test::realTrleDirectory();
    KAVRIN_REQUIRE_DATA(trle);
    std::string out;
    ASSERT_EQ(test::runCli(".", "info " + shellQuoted(trle + "/data/title.tr4") + " --json --trle " +
                                    shellQuoted(trle), out),
              0)
        << out;
    nlohmann::json info = nlohmann::json::parse(out);
    EXPECT_EQ(info["counts"]["rooms"], 42);
    EXPECT_EQ(info["counts"]["frame words"], 155714);
    EXPECT_EQ(info["counts"]["inflated level data bytes"], 709191);
    EXPECT_EQ(info["objects"].size(), 72u);
}

TEST(InfoCommand, RefusesWhatCannotBeLoadedWithTheReasonAndExitCodeOne) {
    std::string demo = test::sourcePath("data/demo");
    std::string out;
    EXPECT_EQ(test::runCli(".", "info " + shellQuoted(demo + "/graphics/wads/props.WAD") + " --trle " +
                                    shellQuoted(demo), out),
              0)
        << out;
    EXPECT_NE(out.find("M122 DEMO_DOOR"), std::string::npos) << out;

    std::string missing;
    EXPECT_EQ(test::runCli(".", "info " + shellQuoted(demo + "/graphics/wads/absent.WAS") +
                                    " --trle " + shellQuoted(demo), missing),
              1);
    EXPECT_NE(missing.find("Kavrin: Unable to open"), std::string::npos) << missing;
    std::string usage;
    EXPECT_EQ(test::runCli(".", "info", usage), 2);
}

}  // namespace
}  // namespace kavrin
