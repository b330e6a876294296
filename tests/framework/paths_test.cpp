#include "framework/paths.h"

#include <gtest/gtest.h>

#include "support/parsed_file.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

// The Level Editor's sets name their files in any case (tut1.WAS beside tut1.sam); names of which
// one begins the other are still different names, and the shorter sorts first.
TEST(Paths, NamesAreFoundAndComparedWithoutRegardToCaseButNotByTheirBeginning) {
    const std::string directory = test::makeTempDirectory("Paths");
    test::writeFileText(directory + PATH_SEPARATOR + "tut1.sam", "x");
    EXPECT_EQ(test::readBytes(resolveExistingPath(directory + PATH_SEPARATOR + "TUT1.SAM")), "x");
    EXPECT_TRUE(pathExists(directory + PATH_SEPARATOR + "Tut1.Sam"));
    EXPECT_FALSE(pathExists(directory + PATH_SEPARATOR + "tut1.sa"));

    EXPECT_FALSE(equalsIgnoringCase("tut", "TUT1"));
    EXPECT_FALSE(equalsIgnoringCase("TUT1", "tut"));
    EXPECT_TRUE(equalsIgnoringCase("Tut1", "tUT1"));
    EXPECT_LT(compareIgnoringCase("set.WAS", "SET.WAS.bak"), 0);
    EXPECT_GT(compareIgnoringCase("SET.WAS.bak", "set.was"), 0);
    EXPECT_EQ(compareIgnoringCase("Set.WAS", "sET.was"), 0);
}

}  // namespace
}  // namespace kavrin
