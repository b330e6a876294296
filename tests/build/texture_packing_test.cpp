#include <gtest/gtest.h>

#include <deque>

#include "build/save_state.h"
#include "build/texture_packing.h"
#include "editing/reference_collection.h"
#include "formats/wad.h"
#include "framework/file_types.h"
#include "support/editing_session.h"

namespace kavrin {
namespace {

ObjectTexture rect(uint16_t page, uint8_t x, uint8_t y, int width, int height) {
    return ObjectTexture{.x = x,
                         .y = y,
                         .page = page,
                         .widthMinusOne = static_cast<uint8_t>(width - 1),
                         .heightMinusOne = static_cast<uint8_t>(height - 1)};
}

// A save state with sources whose pages hold a pattern that tells every pixel byte apart.
struct Packing : ::testing::Test {
    ReferenceSource& source(uint32_t loadOrder, uint32_t pageCount) {
        sources.push_back(makeReferenceSource(REF_WAD_SET, "s"));
        ReferenceSource& made = *sources.back();
        made.loadOrder = loadOrder;
        std::vector<uint8_t>& bytes = pages.emplace_back(pageCount * TEXTURE_PAGE_BYTES);
        for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + loadOrder);
        made.block.texturePages = bytes;
        return made;
    }
    // Adds the texture as a copy of a texture of `from`; returns its output index.
    uint32_t add(const ReferenceSource& from, ObjectTexture texture) {
        const ObjectTexture& key = keys.emplace_back(texture);
        state.outTextureSources.push_back(TextureOrigin{&from, texture});
        return state.outTextures.append(&key, texture);
    }
    std::vector<uint8_t> pixelsAt(std::span<const uint8_t> pages, const ObjectTexture& t) {
        std::vector<uint8_t> out;
        for (int row = 0; row <= t.heightMinusOne; ++row) {
            size_t at = ((size_t{t.page} * 256 + t.y + row) * 256 + t.x) * 3;
            out.insert(out.end(), pages.begin() + at, pages.begin() + at + (t.widthMinusOne + 1) * 3);
        }
        return out;
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
    progressBegin(e.session.ui, "Saving", 0, 3360, 1, "Initializing");
    packTextures(state);

    const auto& out = state.outTextures.records;
    EXPECT_EQ(out[p], rect(0, 0, 0, 128, 256));
    EXPECT_EQ(out[q], rect(0, 128, 0, 128, 128));
    EXPECT_EQ(out[r], rect(0, 128, 128, 128, 128));
    EXPECT_EQ(out[0], ObjectTexture{});
    EXPECT_EQ(state.pageCount, 1u);
    EXPECT_EQ(state.textureArea, 65536u);
    ASSERT_EQ(state.pages.size(), TEXTURE_PAGE_BYTES);
    for (uint32_t i : {p, q, r}) {
        EXPECT_EQ(pixelsAt(state.pages, out[i]),
                  pixelsAt(a.block.texturePages, state.outTextureSources[i].texture));
    }
    EXPECT_EQ((e.recording.progressTexts()),
              (std::vector<std::string>{"Initializing", "Sorting textures", "Generating tile 0",
                                        "Saving object textures"}));
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
    packTextures(state);

    const auto& out = state.outTextures.records;
    EXPECT_EQ(state.pageCount, 3u);
    // The newer source sorts first among equal rectangles.
    EXPECT_EQ(out[fullB].page, 0u);
    EXPECT_EQ(out[fullA].page, 1u);
    EXPECT_EQ(out[otherSource], rect(2, 0, 0, 8, 8));
    EXPECT_EQ(out[plain], rect(2, 8, 0, 8, 8));
    ObjectTexture sharedPlace = rect(2, 8, 0, 8, 8);
    sharedPlace.flagX = 255;
    EXPECT_EQ(out[withFlag], sharedPlace);
    EXPECT_EQ(state.textureArea, 2 * 65536u + 2 * 64u);
    EXPECT_EQ(pixelsAt(state.pages, out[plain]), pixelsAt(older.block.texturePages, rect(0, 16, 16, 8, 8)));
    EXPECT_EQ(pixelsAt(state.pages, out[otherSource]),
              pixelsAt(newer.block.texturePages, rect(0, 16, 16, 8, 8)));
}

TEST_F(Packing, OnlyTheReservedEntryMakesNoPage) {
    packTextures(state);
    EXPECT_EQ(state.pageCount, 0u);
    EXPECT_TRUE(state.pages.empty());
    EXPECT_EQ(state.textureArea, 0u);
}

TEST(CompareTexturesForPacking, SortsByTheProductOfTheStoredSizesThenShapeThenPlace) {
    auto order = [](ObjectTexture a, ObjectTexture b) {
        return compareTexturesForPacking(TextureOrigin{nullptr, a}, TextureOrigin{nullptr, b});
    };
    EXPECT_LT(order(rect(0, 0, 0, 2, 2), rect(0, 0, 0, 1, 200)), 0);  // products 1 and 0
    EXPECT_LT(order(rect(0, 0, 0, 3, 5), rect(0, 0, 0, 5, 3)), 0);   // taller first
    EXPECT_LT(order(rect(0, 0, 0, 1, 3), rect(0, 0, 0, 1, 2)), 0);   // products 0: taller
    EXPECT_LT(order(rect(0, 0, 0, 3, 1), rect(0, 0, 0, 2, 1)), 0);   // then wider
    EXPECT_LT(order(rect(2, 0, 0, 4, 4), rect(1, 9, 9, 4, 4)), 0);   // higher page
    EXPECT_LT(order(rect(1, 9, 0, 4, 4), rect(1, 8, 9, 4, 4)), 0);   // higher x
    EXPECT_LT(order(rect(1, 9, 5, 4, 4), rect(1, 9, 4, 4, 4)), 0);   // higher y
    EXPECT_EQ(order(rect(1, 9, 5, 4, 4), rect(1, 9, 5, 4, 4)), 0);
}

}  // namespace
}  // namespace kavrin
