// Reading and cutting real sprite WADs is covered by the shipped sets' tests; these are the cases
// they do not hold.
#include <gtest/gtest.h>

#include "formats/swd.h"
#include "formats/wad_file.h"
#include "framework/file_types.h"
#include "support/parsed_file.h"

namespace kavrin {
namespace {

TEST(SwdReader, AnEmptySpriteWadLoadsAndBytesAfterTheSequencesAreRefused) {
    std::vector<uint8_t> bytes = encodeSwdFile({});
    EXPECT_TRUE(test::parseAs<SpriteWad>(FILE_SWD, bytes).ok);
    bytes.insert(bytes.end(), {0, 0, 0});
    auto refused = test::parseAs<SpriteWad>(FILE_SWD, bytes);
    EXPECT_FALSE(refused.stored);
    EXPECT_EQ(test::refusal(refused),
              "Kavrin: @ cannot be read:\n3 bytes follow the sprite sequences");
}

}  // namespace
}  // namespace kavrin
