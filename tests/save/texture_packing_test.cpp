#include <gtest/gtest.h>

#include <deque>

#include "save/save_state.h"
#include "save/texture_packing.h"
#include "editing/reference_collection.h"
#include "formats/wad.h"
#include "framework/file_types.h"
#include "support/editing_session.h"

namespace kavrin {
namespace {

ObjectTexture rect(uint16_t page, uint8_t x, uint8_t y, int width, int height) {
    return {.x = x,
            .y = y,
            .page = page,
            .widthMinusOne = static_cast<uint8_t>(width - 1),
            .heightMinusOne = static_cast<uint8_t>(height - 1)};
}

// Where packing places textures. That the pixels go with them is the shipped sets' resave, which
// compares every polygon's pixels with its source's.
struct Packing : ::testing::Test {
    ReferenceSource& source(uint32_t loadOrder, uint32_t pageCount) {
        ReferenceSource& made = *sources.emplace_back(makeReferenceSource(REF_WAD_SET, "s"));
        made.loadOrder = loadOrder;
        made.block.texturePages = pages.emplace_back(pageCount * TEXTURE_PAGE_BYTES);
        return made;
    }
    uint32_t add(const ReferenceSource& from, ObjectTexture texture) {
        state.outTextureSources.push_back(TextureOrigin{&from, texture});
        return state.outTextures.append(&keys.emplace_back(texture), texture);
    }

    test::EditingSession e;
    std::vector<std::unique_ptr<ReferenceSource>> sources;
    std::deque<std::vector<uint8_t>> pages;
    std::deque<ObjectTexture> keys;
    SaveState state{e.session, *makeFileRecord(FILE_WAS, "", "packed")};
};

TEST_F(Packing, TheWorkedExampleFillsOnePageInBands) {
    ReferenceSource& a = source(1, 2);
    uint32_t r = add(a, rect(0, 0, 128, 128, 128));
    uint32_t p = add(a, rect(1, 0, 0, 128, 256));
    uint32_t q = add(a, rect(0, 128, 0, 128, 128));  // a higher x than R: placed before it
    packTextures(state);
    EXPECT_EQ(state.outTextures.records[p], rect(0, 0, 0, 128, 256));
    EXPECT_EQ(state.outTextures.records[q], rect(0, 128, 0, 128, 128));
    EXPECT_EQ(state.outTextures.records[r], rect(0, 128, 128, 128, 128));
    EXPECT_EQ(state.pageCount, 1u);
    EXPECT_EQ(state.textureArea, 65536u);
    // Of two rectangles of equal size the taller goes first.
    EXPECT_LT(compareTexturesForPacking({&a, rect(0, 0, 0, 32, 64)}, {&a, rect(0, 0, 0, 64, 32)}),
              0);
}

TEST_F(Packing, DuplicatesShareAPlaceOnlyWithinOneSourceAndFullPagesOverflow) {
    ReferenceSource& older = source(1, 1);
    ReferenceSource& newer = source(2, 1);
    ObjectTexture flagged = rect(0, 16, 16, 8, 8);
    flagged.flagX = 255;
    uint32_t plain = add(older, rect(0, 16, 16, 8, 8));
    uint32_t withFlag = add(older, flagged);
    uint32_t otherSource = add(newer, rect(0, 16, 16, 8, 8));
    uint32_t fullA = add(older, rect(0, 0, 0, 256, 256));
    uint32_t fullB = add(newer, rect(0, 0, 0, 256, 256));
    uint32_t thin = add(older, rect(0, 100, 0, 1, 200));  // product 0: after every 2 x 2 or more
    packTextures(state);
    const auto& out = state.outTextures.records;
    EXPECT_EQ(state.pageCount, 3u);
    EXPECT_EQ(out[fullB].page, 0u);  // the newer source first among equal rectangles
    EXPECT_EQ(out[fullA].page, 1u);
    EXPECT_EQ(out[otherSource], rect(2, 0, 0, 8, 8));
    EXPECT_EQ(out[plain], rect(2, 8, 0, 8, 8));
    flagged = rect(2, 8, 0, 8, 8);
    flagged.flagX = 255;
    EXPECT_EQ(out[withFlag], flagged);
    EXPECT_EQ(out[thin], rect(2, 0, 8, 1, 200));  // too tall for the band of the 8 x 8s
    EXPECT_EQ(out[0], ObjectTexture{});
    EXPECT_EQ(state.textureArea, 2 * 65536u + 2 * 64u + 200u);
}

}  // namespace
}  // namespace kavrin
