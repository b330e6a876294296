#include "preview/texture_sampling.h"

namespace kavrin::preview {

std::optional<TextureSampler> textureSampler(std::span<const uint8_t> pages,
                                             const PolygonTexture& texture) {
    const size_t start = size_t{texture.page} * TEXTURE_PAGE_BYTES;
    if (start + TEXTURE_PAGE_BYTES > pages.size()) return std::nullopt;
    // The rectangle of an ObjectTexture may reach past the page's right or bottom edge.
    const int last = static_cast<int>(TEXTURE_PAGE_SIDE) - 1;
    const size_t origin =
        start + size_t(texture.top) * TEXTURE_ROW_BYTES + texture.left * TEXTURE_PIXEL_BYTES;
    return TextureSampler{pages.data() + origin, std::min(texture.right, last) - texture.left + 1,
                          std::min(texture.bottom, last) - texture.top + 1};
}

}  // namespace kavrin::preview
