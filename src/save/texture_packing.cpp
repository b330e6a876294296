#include "save/texture_packing.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "save/save_state.h"
#include "editing/reference_source.h"
#include "editing/session.h"
#include "formats/wad.h"

namespace kavrin {

namespace {

constexpr int COPY_PROGRESS_WIDTH = 2000;

size_t pixelOffset(uint32_t page, uint32_t x, uint32_t y) {
    return ((size_t{page} * TEXTURE_PAGE_SIDE + y) * TEXTURE_PAGE_SIDE + x) * TEXTURE_PIXEL_BYTES;
}

bool sameRectangle(const TextureOrigin& a, const TextureOrigin& b) {
    return a.source == b.source && a.texture.page == b.texture.page && a.texture.x == b.texture.x &&
           a.texture.y == b.texture.y && a.texture.widthMinusOne == b.texture.widthMinusOne &&
           a.texture.heightMinusOne == b.texture.heightMinusOne;
}

// The unplaced textures in packing order, answering "the first one that fits" without scanning
// every entry: each node keeps the smallest width and height below it, so whole runs of textures
// too wide or too tall for the free rectangle are skipped at once. The answer is the one a scan
// from the first entry would give.
class FitIndex {
public:
    explicit FitIndex(const std::vector<ObjectTexture>& sorted) {
        while (leaves_ < sorted.size())
            leaves_ *= 2;
        minWidth_.assign(2 * leaves_, NEVER_FITS);
        minHeight_.assign(2 * leaves_, NEVER_FITS);
        for (size_t i = 0; i < sorted.size(); ++i) {
            minWidth_[leaves_ + i] = sorted[i].widthMinusOne;
            minHeight_[leaves_ + i] = sorted[i].heightMinusOne;
        }
        for (size_t node = leaves_ - 1; node > 0; --node)
            update(node);
    }

    // The first entry whose size-minus-one values are below `width` and `height`.
    std::optional<size_t> firstFitting(uint32_t width, uint32_t height) const {
        return search(1, width, height);
    }

    void remove(size_t entry) {
        size_t node = leaves_ + entry;
        minWidth_[node] = minHeight_[node] = NEVER_FITS;
        for (node /= 2; node > 0; node /= 2)
            update(node);
    }

private:
    static constexpr uint32_t NEVER_FITS = 256;

    // The smallest width and height below a node may belong to different entries, so a node
    // that seems to fit may not: its left part is searched first, then its right.
    std::optional<size_t> search(size_t node, uint32_t width, uint32_t height) const {
        if (!fits(node, width, height)) return std::nullopt;
        if (node >= leaves_) return node - leaves_;
        if (std::optional<size_t> left = search(2 * node, width, height)) return left;
        return search(2 * node + 1, width, height);
    }

    // A node may hold a fitting entry; at a leaf, it does.
    bool fits(size_t node, uint32_t width, uint32_t height) const {
        return minWidth_[node] < width && minHeight_[node] < height;
    }
    void update(size_t node) {
        minWidth_[node] = std::min(minWidth_[2 * node], minWidth_[2 * node + 1]);
        minHeight_[node] = std::min(minHeight_[2 * node], minHeight_[2 * node + 1]);
    }

    size_t leaves_ = 1;
    std::vector<uint32_t> minWidth_;
    std::vector<uint32_t> minHeight_;
};

std::vector<uint32_t> packingOrder(const std::vector<TextureOrigin>& origins) {
    std::vector<uint32_t> order(origins.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&origins](uint32_t a, uint32_t b) {
        return compareTexturesForPacking(origins[a], origins[b]) < 0;
    });
    return order;
}

std::vector<ObjectTexture> sortedTextures(const std::vector<TextureOrigin>& origins,
                                          const std::vector<uint32_t>& order) {
    std::vector<ObjectTexture> sorted;
    sorted.reserve(order.size());
    for (uint32_t i : order)
        sorted.push_back(origins[i].texture);
    return sorted;
}

// Fills free rectangles of one page with the textures that are not placed yet, in packing order.
class Packer {
public:
    explicit Packer(SaveState& state)
        : state_(state),
          order_(packingOrder(state.outTextureSources)),
          fit_(sortedTextures(state.outTextureSources, order_)),
          placed_(order_.size(), false),
          remaining_(static_cast<uint32_t>(order_.size())) {
        // The reserved entry is never placed.
        markPlaced(
            static_cast<size_t>(std::find(order_.begin(), order_.end(), 0u) - order_.begin()));
    }

    uint32_t remaining() const { return remaining_; }

    void place(uint32_t page, uint32_t x, uint32_t y, uint32_t width, uint32_t height) {
        while (width != 0 && height != 0 && remaining_ != 0) {
            std::optional<size_t> found = fit_.firstFitting(width, height);
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
    void markPlaced(size_t sorted) {
        placed_[sorted] = true;
        fit_.remove(sorted);
        --remaining_;
    }

    void placeAt(size_t sorted, uint32_t page, uint32_t x, uint32_t y) {
        markPlaced(sorted);
        ObjectTexture& record = state_.outTextures.records[order_[sorted]];
        record.page = static_cast<uint16_t>(page);
        record.x = static_cast<uint8_t>(x);
        record.y = static_cast<uint8_t>(y);
    }

    SaveState& state_;
    std::vector<uint32_t> order_;  // indices of outTextures in packing order
    FitIndex fit_;
    std::vector<bool> placed_;  // per position in order_
    uint32_t remaining_ = 0;
};

// Copies the pixels of output texture i from where its source has them to where it was placed.
void copyPixels(SaveState& state, uint32_t i) {
    const TextureOrigin& origin = state.outTextureSources[i];
    const ObjectTexture& from = origin.texture;
    const ObjectTexture& to = state.outTextures.records[i];
    std::span<const uint8_t> source = origin.source->block.texturePages;
    const size_t rowBytes = (from.widthMinusOne + 1u) * TEXTURE_PIXEL_BYTES;
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

void layOutTextures(SaveState& state) {
    Ui& ui = state.ui;
    progressSet(ui, 0, "Sorting textures");
    Packer packer(state);

    state.pageCount = 0;
    state.textureArea = 0;
    while (packer.remaining() > 0) {
        progressSet(ui, -1, "Generating tile %d", static_cast<int>(state.pageCount));
        packer.place(state.pageCount, 0, 0, TEXTURE_PAGE_SIDE, TEXTURE_PAGE_SIDE);
        ++state.pageCount;
    }
}

void packTextures(SaveState& state) {
    layOutTextures(state);
    state.pages.assign(size_t{state.pageCount} * TEXTURE_PAGE_BYTES, 0);
    const uint32_t count = state.outTextures.count();
    progressMark(state.ui, "Saving object textures");
    for (uint32_t i = 1; i < count; ++i) {
        progressSub(state.ui,
                    static_cast<int>(static_cast<double>(i) / count * COPY_PROGRESS_WIDTH),
                    nullptr);
        copyPixels(state, i);
    }
    state.outTextures.records[0] = ObjectTexture{};
}

}  // namespace kavrin
