// The sprite WAD of a saved set, composed from the sources of the two sprite slots.
#include <gtest/gtest.h>

#include "formats/catalogue.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

using test::SaveSession;
using test::SyntheticSet;

constexpr size_t ROW = 768;

SpriteTexture sprite(uint8_t id, uint8_t top, uint8_t heightMinusOne) {
    SpriteTexture made;
    made.bytes[0] = id;
    made.bytes[1] = top;
    made.bytes[7] = heightMinusOne;
    return made;
}

// Sprites whose sequences are given as (slot, count); sprite i sits at `firstRow` + 2i and is two
// rows high. Every page row is filled with its own number plus `tint`.
SyntheticSet spriteSet(const std::vector<std::pair<uint32_t, int>>& sequences, uint8_t firstRow,
                       uint8_t tint) {
    SyntheticSet set;
    for (const auto& [slot, count] : sequences) {
        uint16_t first = static_cast<uint16_t>(set.sprites.sprites.size());
        set.sprites.sequences.push_back({slot, static_cast<int16_t>(-count), first});
        for (int i = 0; i < count; ++i) {
            uint16_t n = static_cast<uint16_t>(set.sprites.sprites.size());
            set.sprites.sprites.push_back(sprite(static_cast<uint8_t>(n + tint),
                                                 static_cast<uint8_t>(firstRow + 2 * n), 1));
        }
    }
    set.sprites.page.resize(256 * ROW);
    for (size_t row = 0; row < 256; ++row) {
        std::fill_n(set.sprites.page.begin() + row * ROW, ROW, static_cast<uint8_t>(row + tint));
    }
    return set;
}

// Sky graphics in rows 0 to 7, default sprites from row 64.
SyntheticSet twoSequences(uint8_t tint) {
    SyntheticSet set = spriteSet({{SKY_GRAPHICS_SLOT, 4}, {DEFAULT_SPRITES_SLOT, 33}}, 0, tint);
    for (size_t i = 4; i < 37; ++i) set.sprites.sprites[i].bytes[1] = static_cast<uint8_t>(56 + 2 * i);
    return set;
}

SpriteWad savedSprites(SaveSession& s) {
    auto saved = s.loadSaved();
    EXPECT_NE(saved, nullptr) << s.recording.messages.back().text;
    SpriteWad out;
    if (!saved) return out;
    out.sprites.assign(saved->block.spriteTextures.begin(), saved->block.spriteTextures.end());
    out.page.assign(saved->block.spriteData.begin(), saved->block.spriteData.end());
    out.sequences.assign(saved->block.spriteSequences.begin(), saved->block.spriteSequences.end());
    return out;
}

uint8_t rowOf(const SpriteWad& wad, size_t row) { return wad.page.at(row * ROW); }

TEST(SpriteComposition, DefaultSpritesMoveBelowTheSkyOrToTheTop) {
    {
        SaveSession s;  // default sprites alone, from behind a source's sky graphics
        ReferenceSource& both = s.load("both", twoSequences(0));
        s.put(DEFAULT_SPRITES_SLOT, both, 1);
        ASSERT_TRUE(s.save());
        SpriteWad out = savedSprites(s);
        ASSERT_EQ(out.sprites.size(), 33u);
        EXPECT_EQ(out.sprites[0].bytes[0], 4);
        EXPECT_EQ(out.sprites[0].topRow(), 0);  // 64 rows up
        EXPECT_EQ(rowOf(out, 0), 64);
        EXPECT_EQ(rowOf(out, 127), 191);
        EXPECT_EQ(rowOf(out, 128), 0);
        EXPECT_EQ(out.sequences, (std::vector<SpriteSequence>{{DEFAULT_SPRITES_SLOT, -33, 0}}));
        EXPECT_NE(s.savedFile(".WAS").find("DEFAULT_SPRITES:SPRITE0 TO SPRITE99 Z:\\WAD\\both\\DEFAULT_SPRITES.prk\r\n"),
                  std::string::npos);
    }
    {
        SaveSession s;  // the sky from one source, default sprites of another moved down
        ReferenceSource& sky = s.load("sky", twoSequences(0));
        ReferenceSource& alone = s.load("alone", spriteSet({{DEFAULT_SPRITES_SLOT, 33}}, 0, 100));
        s.put(SKY_GRAPHICS_SLOT, sky, 0);
        s.put(DEFAULT_SPRITES_SLOT, alone, 0);
        ASSERT_TRUE(s.save());
        SpriteWad out = savedSprites(s);
        ASSERT_EQ(out.sprites.size(), 37u);
        EXPECT_EQ(out.sprites[3], sky.block.spriteTextures[3]);
        EXPECT_EQ(out.sprites[4].bytes[0], 100);
        EXPECT_EQ(out.sprites[4].topRow(), 64);
        EXPECT_EQ(out.sprites[36].topRow(), 64 + 64);
        EXPECT_EQ(rowOf(out, 63), 63);
        EXPECT_EQ(rowOf(out, 64), 100);
        EXPECT_EQ(rowOf(out, 191), 227);
        EXPECT_EQ(rowOf(out, 192), 0);
        EXPECT_EQ(out.sequences, (std::vector<SpriteSequence>{{SKY_GRAPHICS_SLOT, -4, 0},
                                                              {DEFAULT_SPRITES_SLOT, -33, 4}}));
        EXPECT_NE(s.savedFile(".WAS").find("SKY_GRAPHICS:SPRITE0 TO SPRITE3 Z:\\WAD\\sky\\SKY_GRAPHICS.prk\r\n"),
                  std::string::npos);
    }
}

TEST(SpriteComposition, BothSlotsFromOneSourceKeepItsSpritesWhateverTheirLayout) {
    SaveSession s;
    // One sky sprite, default sprites right behind it from row 0, as some shipped sets have.
    SyntheticSet odd = spriteSet({{SKY_GRAPHICS_SLOT, 1}, {DEFAULT_SPRITES_SLOT, 33}}, 0, 7);
    ReferenceSource& source = s.load("odd", odd);
    s.put(SKY_GRAPHICS_SLOT, source, 0);
    s.put(DEFAULT_SPRITES_SLOT, source, 1);
    ASSERT_TRUE(s.save());
    SpriteWad out = savedSprites(s);
    EXPECT_EQ(out.sprites, odd.sprites.sprites);
    EXPECT_EQ(out.sequences, odd.sprites.sequences);
    EXPECT_EQ(out.page, odd.sprites.page);
}

TEST(SpriteComposition, SpritesThatCannotBeCombinedOrSitInOtherSlotsRefuseTheSave) {
    struct Case {
        uint32_t slot;
        int entry;
        const char* text;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        SaveSession s;
        s.put(SKY_GRAPHICS_SLOT, s.load("sky", twoSequences(0)), 0);
        // The default sprites start at row 0, where the sky graphics of the saved set go.
        ReferenceSource& odd =
            s.load("odd", spriteSet({{SKY_GRAPHICS_SLOT, 1}, {DEFAULT_SPRITES_SLOT, 33}}, 0, 7));
        s.put(c.slot, odd, c.entry);
        s.recording.messages.clear();
        EXPECT_FALSE(s.save());
        EXPECT_EQ(s.recording.onlyMessage().title, "Kavrin");
        EXPECT_EQ(s.recording.onlyMessage().text, c.text);
        EXPECT_TRUE(s.nothingWritten());
    }
}

}  // namespace
}  // namespace kavrin
