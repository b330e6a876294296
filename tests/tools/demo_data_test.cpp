#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "formats/catalogue.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
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
        EXPECT_EQ(test::readBytes(entry.path()), test::readBytes(committed / relative)) << relative;
        ++files;
    }
    EXPECT_EQ(files, 12u);
}

TEST(DemoData, EveryFileOfTheDemoLoads) {
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    auto header = makeFileRecord(FILE_OBJECTS_H, test::sourcePath("data/demo"), "objects");
    ASSERT_TRUE(loadFile(*header, context));
    context.catalogue = std::any_cast<ObjectCatalogue>(&header->contents);
    EXPECT_EQ(slotLabel(*context.catalogue, 0), "LARA");
    EXPECT_EQ(slotLabel(*context.catalogue, SKY_GRAPHICS_SLOT), "SKY_GRAPHICS");
    std::string wads = test::sourcePath("data/demo/graphics/wads");
    for (const char* set : {"demo", "props"}) {
        for (uint32_t type : {FILE_WAS, FILE_WAD, FILE_SWD, FILE_SFX, FILE_SAM}) {
            auto record = makeFileRecord(type, wads, set);
            EXPECT_TRUE(loadFile(*record, context)) << record->path;
        }
    }
    EXPECT_TRUE(rec.messages.empty());
}

}  // namespace
}  // namespace kavrin
