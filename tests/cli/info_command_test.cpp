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
    auto info = [&trle](const std::string& file, const std::string& options, std::string& out) {
        return test::runCli(".", "info '" + trle + file + "' --trle '" + trle + "' " + options,
                            out);
    };
    std::string out;
    ASSERT_EQ(info("/graphics/wads/tut1.sam", "--json", out), 0) << out;
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
    ASSERT_EQ(info("/data/title.tr4", "--json", levelOut), 0) << levelOut;
    nlohmann::json level = nlohmann::json::parse(levelOut);
    EXPECT_EQ(level["counts"]["rooms"], 42);
    EXPECT_EQ(level["counts"]["inflated level data bytes"], 709191);
    EXPECT_EQ(level["objects"].size(), 72u);

    std::string text;
    EXPECT_EQ(info("/graphics/wads/tut1.WAD", "", text), 0) << text;
    EXPECT_NE(text.find("M  0 LARA"), std::string::npos) << text;
    std::string missing;
    EXPECT_EQ(info("/graphics/wads/absent.WAS", "", missing), 1);
    EXPECT_NE(missing.find("Kavrin: Unable to open"), std::string::npos) << missing;
    std::string usage;
    EXPECT_EQ(test::runCli(".", "info", usage), 2);
}

}  // namespace
}  // namespace kavrin
