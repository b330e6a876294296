// The sprite WAD of a saved set, composed from the sources of the two sprite slots.
#include <gtest/gtest.h>

#include "formats/catalogue.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

using test::SaveSession;
using test::SyntheticSet;

constexpr size_t ROW = 768;

// Sequences given as (slot, count); sprite n is two rows high at row 2n, or from row 64 for the
// sprites after the first four when `skyFirst`. Each page row holds its own number.
SyntheticSet spriteSet(const std::vector<std::pair<uint32_t, int>>& sequences, bool skyFirst) {
    SyntheticSet set;
    for (const auto& [slot, count] : sequences) {
        set.sprites.sequences.push_back({slot, static_cast<int16_t>(-count),
                                         static_cast<uint16_t>(set.sprites.sprites.size())});
        for (int i = 0; i < count; ++i) {
            SpriteTexture& sprite = set.sprites.sprites.emplace_back();
            size_t n = set.sprites.sprites.size() - 1;
            sprite.bytes[0] = static_cast<uint8_t>(n);
            sprite.bytes[1] = static_cast<uint8_t>(skyFirst && n >= 4 ? 56 + 2 * n : 2 * n);
            sprite.bytes[7] = 1;  // height minus one
        }
    }
    set.sprites.page.resize(256 * ROW);
    for (size_t row = 0; row < 256; ++row)
        std::fill_n(set.sprites.page.begin() + row * ROW, ROW, row);
    return set;
}

TEST(SpriteComposition, DefaultSpritesFromBehindASourcesSkyMoveToTheTop) {
    SaveSession s;
    ReferenceSource& both =
        s.load("both", spriteSet({{SKY_GRAPHICS_SLOT, 4}, {DEFAULT_SPRITES_SLOT, 33}}, true));
    s.put(DEFAULT_SPRITES_SLOT, both, 1);
    ASSERT_TRUE(s.save());
    auto saved = s.loadSaved();
    ASSERT_NE(saved, nullptr);
    const ObjectSourceBlock& out = saved->block;
    ASSERT_EQ(out.spriteTextures.size(), 33u);
    EXPECT_EQ(out.spriteTextures[0].bytes[0], 4);
    EXPECT_EQ(out.spriteTextures[0].topRow(), 0);  // 64 rows up, with the pixels
    EXPECT_EQ(out.spriteData[0], 64);
    EXPECT_EQ(out.spriteData[127 * ROW], 191);
    EXPECT_EQ(out.spriteData[128 * ROW], 0);
    EXPECT_EQ(std::vector(out.spriteSequences.begin(), out.spriteSequences.end()),
              (std::vector<SpriteSequence>{{DEFAULT_SPRITES_SLOT, -33, 0}}));
    EXPECT_EQ(s.savedFile(".WAS"),
              "DEFAULT_SPRITES:SPRITE0 TO SPRITE99 Z:\\WAD\\both\\DEFAULT_SPRITES.prk\r\n");
    // With the sky, each sprite slot's line names the sprites it holds.
    s.put(SKY_GRAPHICS_SLOT, both, 0);
    ASSERT_TRUE(s.save());
    EXPECT_EQ(s.savedFile(".WAS"),
              "SKY_GRAPHICS:SPRITE0 TO SPRITE3 Z:\\WAD\\both\\SKY_GRAPHICS.prk\r\n"
              "DEFAULT_SPRITES:SPRITE0 TO SPRITE99 Z:\\WAD\\both\\DEFAULT_SPRITES.prk\r\n");
}

TEST(SpriteComposition, SpritesThatCannotBeCombinedOrSitInOtherSlotsRefuseTheSave) {
    const std::tuple<uint32_t, uint32_t, const char*> cases[] = {
        {DEFAULT_SPRITES_SLOT, 1,
         "The DEFAULT_SPRITES sprites of the odd.WAS file are not laid out the way a saved sprite "
         "WAD needs them.\n\nTake SKY_GRAPHICS and DEFAULT_SPRITES from the same file, or "
         "DEFAULT_SPRITES from another one."},
        {MISC_SPRITES_SLOT, 1,
         "DEFAULT_SPRITES from the odd.WAS file is a sprite sequence and cannot be saved as "
         "MISC_SPRITES."},
        {12, 0,
         "SKY_GRAPHICS from the odd.WAS file is a sprite sequence and cannot be saved as "
         "OBJECT_012."},
    };
    for (const auto& [slot, entry, text] : cases) {
        SaveSession s;
        s.put(SKY_GRAPHICS_SLOT,
              s.load("sky", spriteSet({{SKY_GRAPHICS_SLOT, 4}, {DEFAULT_SPRITES_SLOT, 33}}, true)),
              0);
        // One sky sprite and the default sprites from row 0, where the saved sky goes.
        s.put(slot,
              s.load("odd", spriteSet({{SKY_GRAPHICS_SLOT, 1}, {DEFAULT_SPRITES_SLOT, 33}}, false)),
              entry);
        s.recording.messages.clear();
        EXPECT_FALSE(s.save());
        EXPECT_EQ(s.recording.onlyMessage().title, "Kavrin");
        EXPECT_EQ(s.recording.onlyMessage().text, text);
        EXPECT_TRUE(s.nothingWritten());
    }
    // A sky sprite in rows 63 and 64 reaches past the sky's 64 rows: refused as above.
    SaveSession s;
    SyntheticSet tall = spriteSet({{SKY_GRAPHICS_SLOT, 4}}, false);
    tall.sprites.sprites[3].bytes[1] = 63;
    s.put(SKY_GRAPHICS_SLOT, s.load("tall", tall), 0);
    EXPECT_FALSE(s.save());
}

}  // namespace
}  // namespace kavrin
