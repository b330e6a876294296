#include "build/texture_packing.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "build/save_state.h"
#include "editing/reference_source.h"
#include "editing/session.h"
#include "formats/wad.h"

namespace kavrin {

namespace {

constexpr uint32_t PAGE_SIDE = 256;
constexpr uint32_t PIXEL_BYTES = 3;
constexpr uint32_t ROW_BYTES = PAGE_SIDE * PIXEL_BYTES;
constexpr int COPY_PROGRESS_WIDTH = 2000;

size_t pixelOffset(uint32_t page, uint32_t x, uint32_t y) {
    return ((size_t{page} * PAGE_SIDE + y) * PAGE_SIDE + x) * PIXEL_BYTES;
}

bool sameRectangle(const TextureOrigin& a, const TextureOrigin& b) {
    return a.source == b.source && a.texture.page == b.texture.page &&
           a.texture.x == b.texture.x && a.texture.y == b.texture.y &&
           a.texture.widthMinusOne == b.texture.widthMinusOne &&
           a.texture.heightMinusOne == b.texture.heightMinusOne;
}

// Fills free rectangles of one page with the textures that are not placed yet, in packing order.
class Packer {
public:
    explicit Packer(SaveState& state) : state_(state) {
        const std::vector<TextureOrigin>& origins = state.outTextureSources;
        order_.resize(origins.size());
        std::iota(order_.begin(), order_.end(), 0u);
        std::stable_sort(order_.begin(), order_.end(), [&origins](uint32_t a, uint32_t b) {
            return compareTexturesForPacking(origins[a], origins[b]) < 0;
        });
        placed_.assign(order_.size(), false);
        // The reserved entry is never placed.
        auto reserved = std::find(order_.begin(), order_.end(), 0u);
        placed_[reserved - order_.begin()] = true;
        remaining_ = static_cast<uint32_t>(order_.size()) - 1;
    }

    uint32_t remaining() const { return remaining_; }

    void place(uint32_t page, uint32_t x, uint32_t y, uint32_t width, uint32_t height) {
        while (width != 0 && height != 0 && remaining_ != 0) {
            std::optional<size_t> found = firstFitting(width, height);
            if (!found) return;
            const TextureOrigin& origin = state_.outTextureSources[order_[*found]];
            const uint32_t w = origin.texture.widthMinusOne + 1u;
            const uint32_t h = origin.texture.heightMinusOne + 1u;
            placeAt(*found, page, x, y);
            // The same rectangle of the same source, differing only in its flags, shares the place.
            for (size_t j = *found + 1; j < order_.size() && remaining_ != 0 && !placed_[j] &&
                                        sameRectangle(state_.outTextureSources[order_[j]], origin);
                 ++j) {
                placeAt(j, page, x, y);
            }
            state_.textureArea += w * h;
            if (remaining_ == 0) return;
            // The strip to the right, as tall as the texture; then the rest below, full width.
            place(page, x + w, y, width - w, h);
            y += h;
            height -= h;
        }
    }

private:
    std::optional<size_t> firstFitting(uint32_t width, uint32_t height) {
        while (firstUnplaced_ < order_.size() && placed_[firstUnplaced_]) ++firstUnplaced_;
        for (size_t i = firstUnplaced_; i < order_.size(); ++i) {
            if (placed_[i]) continue;
            const ObjectTexture& t = state_.outTextureSources[order_[i]].texture;
            if (t.heightMinusOne < height && t.widthMinusOne < width) return i;
        }
        return std::nullopt;
    }

    void placeAt(size_t sorted, uint32_t page, uint32_t x, uint32_t y) {
        placed_[sorted] = true;
        --remaining_;
        ObjectTexture& record = state_.outTextures.records[order_[sorted]];
        record.page = static_cast<uint16_t>(page);
        record.x = static_cast<uint8_t>(x);
        record.y = static_cast<uint8_t>(y);
    }

    SaveState& state_;
    std::vector<uint32_t> order_;  // indices of outTextures in packing order
    std::vector<bool> placed_;     // per position in order_
    size_t firstUnplaced_ = 0;
    uint32_t remaining_ = 0;
};

// Copies the pixels of output texture i from where its source has them to where it was placed.
void copyPixels(SaveState& state, uint32_t i) {
    const TextureOrigin& origin = state.outTextureSources[i];
    const ObjectTexture& from = origin.texture;
    const ObjectTexture& to = state.outTextures.records[i];
    std::span<const uint8_t> source = origin.source->block.texturePages;
    const size_t rowBytes = (from.widthMinusOne + 1u) * PIXEL_BYTES;
    const uint32_t rows = from.heightMinusOne + 1u;
    // The readers keep every texture on its page; this only refuses to follow a broken promise.
    if (pixelOffset(from.page, from.x, from.y + rows - 1) + rowBytes > source.size()) return;
    for (uint32_t row = 0; row < rows; ++row) {
        std::copy_n(source.begin() + pixelOffset(from.page, from.x, from.y + row), rowBytes,
                    state.pages.begin() + pixelOffset(to.page, to.x, to.y + row));
    }
}

}  // namespace

int compareTexturesForPacking(const TextureOrigin& a, const TextureOrigin& b) {
    const ObjectTexture& s = a.texture;
    const ObjectTexture& t = b.texture;
    const int rules[] = {
        t.widthMinusOne * t.heightMinusOne - s.widthMinusOne * s.heightMinusOne,
        t.heightMinusOne - s.heightMinusOne,
        t.widthMinusOne - s.widthMinusOne,
        t.page - s.page,
        t.x - s.x,
        t.y - s.y,
    };
    for (int rule : rules) {
        if (rule != 0) return rule;
    }
    // Sources loaded later sort first; the reserved entry has no source.
    const uint32_t loadA = a.source ? a.source->loadOrder : 0;
    const uint32_t loadB = b.source ? b.source->loadOrder : 0;
    return loadA == loadB ? 0 : loadB > loadA ? 1 : -1;
}

void packTextures(SaveState& state) {
    Ui& ui = state.session.ui;
    const uint32_t count = state.outTextures.count();
    progressSet(ui, 0, "Sorting textures");
    Packer packer(state);

    state.pageCount = 0;
    state.textureArea = 0;
    while (packer.remaining() > 0) {
        progressSet(ui, -1, "Generating tile %d", static_cast<int>(state.pageCount));
        packer.place(state.pageCount, 0, 0, PAGE_SIDE, PAGE_SIDE);
        state.pages.resize(state.pages.size() + TEXTURE_PAGE_BYTES, 0);
        ++state.pageCount;
    }

    progressMark(ui, "Saving object textures");
    for (uint32_t i = 1; i < count; ++i) {
        progressSub(ui, static_cast<int>(static_cast<double>(i) / count * COPY_PROGRESS_WIDTH),
                    nullptr);
        copyPixels(state, i);
    }
    state.outTextures.records[0] = ObjectTexture{};
}

}  // namespace kavrin
