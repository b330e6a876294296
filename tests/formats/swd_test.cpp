#include <gtest/gtest.h>

#include "formats/swd.h"
#include "formats/wad_file.h"
#include "framework/file_types.h"
#include "support/load_bytes.h"
#include "support/recording_ui.h"
#include "support/synthetic_wad.h"

namespace kavrin {
namespace {

SpriteWad twoSprites() {
    SpriteWad swd;
    swd.version = 7;
    swd.sprites.resize(2);
    swd.sprites[0].bytes[1] = 64;
    swd.sprites[1].bytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    swd.page = {9, 8, 7, 6, 5, 4};
    swd.sequences = {{.slot = 463, .negativeLength = -2, .firstSprite = 0}};
    return swd;
}

TEST(SwdReader, ReadsSpritesPageAndSequencesAsWritten) {
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    const SpriteWad written = twoSprites();
    test::LoadedFile file = test::loadBytes(FILE_SWD, "small", encodeSwdFile(written), context);
    ASSERT_TRUE(file.loaded);
    const SpriteWad& swd = *std::any_cast<SpriteWad>(&file.record->contents);
    EXPECT_EQ(swd.version, 7u);
    EXPECT_EQ(swd.sprites, written.sprites);
    EXPECT_EQ(swd.sprites[0].topRow(), 64);
    EXPECT_EQ(swd.page, written.page);
    EXPECT_EQ(swd.sequences, written.sequences);

    test::LoadedFile empty = test::loadBytes(FILE_SWD, "empty", encodeSwdFile({}), context);
    ASSERT_TRUE(empty.loaded);
    const SpriteWad& nothing = *std::any_cast<SpriteWad>(&empty.record->contents);
    EXPECT_TRUE(nothing.sprites.empty() && nothing.page.empty() && nothing.sequences.empty());
    EXPECT_TRUE(rec.messages.empty());
}

TEST(SwdReader, RefusesEveryCutAndTrailingBytesWithOneMessage) {
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    std::vector<uint8_t> bytes = encodeSwdFile(twoSprites());
    bytes.insert(bytes.end(), {0, 0, 0});
    test::LoadedFile file = test::loadBytes(FILE_SWD, "small", bytes, context);
    EXPECT_FALSE(file.loaded);
    const std::string prefix = file.record->path + " cannot be read:\n";
    EXPECT_EQ(rec.onlyMessage().text, prefix + "3 bytes follow the sprite sequences");
    EXPECT_EQ(rec.onlyMessage().title, "Kavrin");

    // Version 4, sprites 4 + 32, page 4 + 6, sequences 4 + 8.
    auto problemAt = [](size_t length) -> std::string {
        if (length < 4) return "the file ends before its version number";
        if (length < 4 + 36) return "the sprite textures run past the end of the file";
        if (length < 4 + 36 + 10) return "the page bytes run past the end of the file";
        return "the sprite sequences run past the end of the file";
    };
    for (size_t length = 0; length < bytes.size() - 3; ++length) {
        rec.messages.clear();
        EXPECT_FALSE(test::parseCut(*file.record, length, context)) << length;
        EXPECT_EQ(rec.onlyMessage().text, prefix + problemAt(length)) << length;
    }
}

}  // namespace
}  // namespace kavrin
