// A contact sheet: thumbnails side by side in rows on a dark ground, each with its label below.
#pragma once

#include <span>
#include <string>

#include "preview/image.h"

namespace kavrin::preview {

struct SheetItem {
    const Image* thumbnail = nullptr;
    std::string label;
};

// All thumbnails share the size of the first; the sheet is about as wide as it is high.
Image makeContactSheet(std::span<const SheetItem> items);

}  // namespace kavrin::preview
