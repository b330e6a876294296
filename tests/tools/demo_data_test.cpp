#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/parsed_file.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

// The committed demo is exactly what the generator writes, so it can always be made again.
TEST(DemoData, TheCommittedDemoIsWhatMakeDemoWrites) {
    std::string fresh = test::makeTempDirectory("demo");
    ASSERT_EQ(std::system((std::string(KAVRIN_MAKE_DEMO) + " " + fresh).c_str()), 0);
    fs::path committed = test::sourcePath("data/demo");
    size_t files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(fresh)) {
        if (!entry.is_regular_file()) continue;
        fs::path relative = fs::relative(entry.path(), fresh);
        EXPECT_EQ(test::readBytes(entry.path().string()),
                  test::readBytes((committed / relative).string()))
            << relative;
        ++files;
    }
    EXPECT_EQ(files, 12u);
}

}  // namespace
}  // namespace kavrin
