#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/run_cli.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

// Any of a set's five files names the set; the counts and the entries are the set's. What cannot
// be loaded fails with exit code 1, a wrong command line with 2.
TEST(InfoCommand, ShowsTheCountsAndEntriesOfARealSetAndLevelAndRefusesWhatCannotBeLoaded) {
    std::string trle = test::realTrleDirectory();
    KAVRIN_REQUIRE_DATA(trle);
    auto info = [&trle](const std::string& file, const std::string& options) {
        return test::runCli(".", "info '" + trle + file + "' --trle '" + trle + "' " + options);
    };
    const test::CliRun setInfo = info("/graphics/wads/tut1.sam", "--json");
    ASSERT_EQ(setInfo.code, 0) << setInfo;
    nlohmann::json set = nlohmann::json::parse(setInfo.output);
    EXPECT_EQ(set["counts"]["moveables"], 109);
    EXPECT_EQ(set["counts"]["sprites"], 37);
    EXPECT_EQ(set["counts"]["samples"], 144);
    ASSERT_EQ(set["objects"].size(), 122u);
    EXPECT_EQ(set["objects"][0]["tree"], "M  0 LARA");
    EXPECT_EQ(set["objects"][109]["kind"], "sprite sequence");
    EXPECT_EQ(set["objects"][121]["kind"], "static mesh");
    EXPECT_EQ(set["objects"][121]["slot"], 465 + set["objects"][121]["number"].get<int>());

    const test::CliRun levelInfo = info("/data/title.tr4", "--json");
    ASSERT_EQ(levelInfo.code, 0) << levelInfo;
    nlohmann::json level = nlohmann::json::parse(levelInfo.output);
    EXPECT_EQ(level["counts"]["rooms"], 42);
    EXPECT_EQ(level["counts"]["inflated level data bytes"], 709191);
    EXPECT_EQ(level["objects"].size(), 72u);

    const test::CliRun text = info("/graphics/wads/tut1.WAD", "");
    EXPECT_EQ(text.code, 0);
    EXPECT_NE(text.output.find("M  0 LARA"), std::string::npos) << text;
    const test::CliRun missing = info("/graphics/wads/absent.WAS", "");
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.output.starts_with("Kavrin: Unable to open")) << missing;
    EXPECT_EQ(test::runCli(".", "info").code, 2);
}

}  // namespace
}  // namespace kavrin
