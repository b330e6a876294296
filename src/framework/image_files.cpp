#include "framework/image_files.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace kavrin {

bool decodeImageFile(std::span<const uint8_t> file, uint64_t maxPixels, ImagePixels& out,
                     std::string& problem) {
    int width = 0, height = 0, channels = 0;
    const int size = static_cast<int>(std::min<size_t>(file.size(), INT_MAX));
    if (stbi_info_from_memory(file.data(), size, &width, &height, &channels) &&
        (file.size() > INT_MAX || uint64_t(width) * uint64_t(height) > maxPixels)) {
        problem = "too large";
        return false;
    }
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(file.data(), size, &width, &height, &channels, 4), stbi_image_free);
    if (!pixels) {
        problem = stbi_failure_reason();
        return false;
    }
    out.width = static_cast<uint32_t>(width);
    out.height = static_cast<uint32_t>(height);
    out.channels = 4;
    out.bytes.assign(pixels.get(), pixels.get() + size_t{out.width} * out.height * 4);
    return true;
}

std::vector<uint8_t> encodeImageFile(ImageFileType type, const ImagePixels& image) {
    const uint64_t rowBytes = uint64_t{image.width} * image.channels;
    if (image.width == 0 || image.height == 0 || rowBytes * image.height > INT_MAX ||
        image.bytes.size() != rowBytes * image.height) {
        return {};
    }
    if (type != ImageFileType::Png &&
        (image.width > TARGA_SIDE_MAX || image.height > TARGA_SIDE_MAX)) {
        return {};
    }
    std::vector<uint8_t> file;
    auto append = [](void* context, void* data, int size) {
        auto* bytes = static_cast<const uint8_t*>(data);
        static_cast<std::vector<uint8_t>*>(context)->insert(
            static_cast<std::vector<uint8_t>*>(context)->end(), bytes, bytes + size);
    };
    const int width = static_cast<int>(image.width);
    const int height = static_cast<int>(image.height);
    const int channels = static_cast<int>(image.channels);
    int written = 0;
    if (type == ImageFileType::Png) {
        written = stbi_write_png_to_func(append, &file, width, height, channels, image.bytes.data(),
                                         static_cast<int>(rowBytes));
    } else {
        stbi_write_tga_with_rle = type == ImageFileType::TargaRle ? 1 : 0;
        written =
            stbi_write_tga_to_func(append, &file, width, height, channels, image.bytes.data());
    }
    if (!written) file.clear();
    return file;
}

}  // namespace kavrin
