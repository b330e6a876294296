#include <gtest/gtest.h>

#include "formats/swd.h"
#include "formats/wad_file.h"
#include "framework/file_types.h"
#include "support/parsed_file.h"

namespace kavrin {
namespace {

TEST(SwdReader, ReadsSpritesPageAndSequencesAsWrittenAndRefusesEveryCutWithOneMessage) {
    SpriteWad written;
    written.version = 7;
    written.sprites.resize(2);
    written.sprites[0].bytes[1] = 64;
    written.sprites[1].bytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    written.page = {9, 8, 7, 6, 5, 4};
    written.sequences = {{.slot = 463, .negativeLength = -2, .firstSprite = 0}};
    std::vector<uint8_t> bytes = encodeSwdFile(written);
    auto parsed = test::parseAs<SpriteWad>(FILE_SWD, bytes);
    ASSERT_TRUE(parsed.ok);
    EXPECT_TRUE(parsed.messages.empty());
    EXPECT_EQ(parsed.contents.version, 7u);
    EXPECT_EQ(parsed.contents.sprites, written.sprites);
    EXPECT_EQ(parsed.contents.sprites[0].topRow(), 64);
    EXPECT_EQ(parsed.contents.page, written.page);
    EXPECT_EQ(parsed.contents.sequences, written.sequences);
    EXPECT_TRUE(test::parseAs<SpriteWad>(FILE_SWD, encodeSwdFile({})).ok);

    auto expectRefused = [](std::span<const uint8_t> cut, const std::string& problem) {
        auto refused = test::parseAs<SpriteWad>(FILE_SWD, cut);
        EXPECT_FALSE(refused.ok || refused.stored);
        ASSERT_EQ(refused.messages.size(), 1u);
        EXPECT_EQ(refused.messages[0].title, "Kavrin");
        EXPECT_EQ(refused.messages[0].text, refused.path + " cannot be read:\n" + problem);
    };
    // Version 4, sprites 4 + 32, page 4 + 6, sequences 4 + 8.
    ASSERT_EQ(bytes.size(), 62u);
    for (size_t length = 0; length < bytes.size(); ++length) {
        SCOPED_TRACE(length);
        expectRefused(std::span(bytes).first(length),
                      length < 4             ? "the file ends before its version number"
                      : length < 4 + 36      ? "the sprite textures run past the end of the file"
                      : length < 4 + 36 + 10 ? "the page bytes run past the end of the file"
                                             : "the sprite sequences run past the end of the file");
    }
    bytes.insert(bytes.end(), {0, 0, 0});
    expectRefused(bytes, "3 bytes follow the sprite sequences");
}

}  // namespace
}  // namespace kavrin
