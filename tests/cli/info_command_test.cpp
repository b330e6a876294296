#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/run_cli.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

// Runs `kavrin-cli info FILE --trle TRLE` with the options; returns its exit code.
int info(const std::string& file, const std::string& trle, const std::string& options,
         std::string& out) {
    return test::runCli(".", "info '" + file + "' --trle '" + trle + "' " + options, out);
}

// Any of a set's five files names the set; the counts and the entries are the set's.
TEST(InfoCommand, ShowsTheCountsAndEntriesOfARealSetAndLevel) {
    std::string trle = test::realTrleDirectory();
    KAVRIN_REQUIRE_DATA(trle);
    std::string out;
    ASSERT_EQ(info(trle + "/graphics/wads/tut1.sam", trle, "--json", out), 0) << out;
    nlohmann::json set = nlohmann::json::parse(out);
    EXPECT_EQ(set["counts"]["moveables"], 109);
    EXPECT_EQ(set["counts"]["sprites"], 37);
    EXPECT_EQ(set["counts"]["samples"], 144);
    ASSERT_EQ(set["objects"].size(), 122u);
    EXPECT_EQ(set["objects"][0]["tree"], "M  0 LARA");
    EXPECT_EQ(set["objects"][109]["kind"], "sprite sequence");
    EXPECT_EQ(set["objects"][121]["kind"], "static mesh");
    EXPECT_EQ(set["objects"][121]["slot"], 465 + set["objects"][121]["number"].get<int>());

    std::string levelOut;
    ASSERT_EQ(info(trle + "/data/title.tr4", trle, "--json", levelOut), 0) << levelOut;
    nlohmann::json level = nlohmann::json::parse(levelOut);
    EXPECT_EQ(level["counts"]["rooms"], 42);
    EXPECT_EQ(level["counts"]["inflated level data bytes"], 709191);
    EXPECT_EQ(level["objects"].size(), 72u);
}

TEST(InfoCommand, ListsTheDemoAsTextAndRefusesWhatCannotBeLoadedWithExitCodeOne) {
    std::string demo = test::sourcePath("data/demo");
    std::string out;
    EXPECT_EQ(info(demo + "/graphics/wads/props.WAD", demo, "", out), 0) << out;
    EXPECT_NE(out.find("M122 DEMO_DOOR"), std::string::npos) << out;

    std::string missing;
    EXPECT_EQ(info(demo + "/graphics/wads/absent.WAS", demo, "", missing), 1);
    EXPECT_NE(missing.find("Kavrin: Unable to open"), std::string::npos) << missing;
    std::string usage;
    EXPECT_EQ(test::runCli(".", "info", usage), 2);
}

}  // namespace
}  // namespace kavrin
