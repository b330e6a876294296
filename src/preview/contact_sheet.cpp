#include "preview/contact_sheet.h"

#include <stb_easy_font.h>

#include <algorithm>
#include <vector>

namespace kavrin::preview {

namespace {

constexpr uint8_t GROUND[4] = {48, 48, 48, 255};
constexpr uint8_t INK[4] = {232, 232, 232, 255};
constexpr int GAP = 8;          // between cells and around the sheet
constexpr int FONT_HEIGHT = 7;  // of the capitals and digits of stb_easy_font, in font pixels
constexpr int LARGE_CELL = 200;  // from this width on, labels are drawn at twice the font's size

struct FontVertex {  // stb_easy_font's vertex layout
    float x, y, z;
    uint8_t colour[4];
};

void fill(Image& image, int x0, int y0, int x1, int y1, const uint8_t colour[4]) {
    for (int y = std::max(y0, 0); y < std::min(y1, image.height); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, image.width); ++x) {
            std::copy(colour, colour + 4, image.pixel(x, y));
        }
    }
}

// The label centred under a cell at the sheet's scale of the font, or at the font's own size when
// it is too wide for that; what does not fit even so is cut at the cell's edges.
void drawLabel(Image& image, std::string text, int cellX, int y, int cellWidth, int sheetScale) {
    const int width = stb_easy_font_width(text.data());
    const int scale = width * sheetScale <= cellWidth ? sheetScale : 1;
    const int left = cellX + std::max(0, (cellWidth - width * scale) / 2);
    std::vector<FontVertex> quads(text.size() * 70);
    const int count = stb_easy_font_print(0, 0, text.data(), nullptr, quads.data(),
                                          static_cast<int>(quads.size() * sizeof(FontVertex)));
    for (int q = 0; q < count; ++q) {
        const FontVertex& a = quads[static_cast<size_t>(q) * 4];
        const FontVertex& c = quads[static_cast<size_t>(q) * 4 + 2];
        const int x0 = left + static_cast<int>(a.x) * scale;
        const int x1 = std::min(left + static_cast<int>(c.x) * scale, cellX + cellWidth);
        fill(image, x0, y + static_cast<int>(a.y) * scale, x1, y + static_cast<int>(c.y) * scale,
             INK);
    }
}

}  // namespace

Image makeContactSheet(std::span<const SheetItem> items) {
    if (items.empty()) return Image(GAP, GAP);
    const int cell = items[0].thumbnail->width;
    const int scale = cell >= LARGE_CELL ? 2 : 1;
    const int labelHeight = FONT_HEIGHT * scale + GAP;
    const int count = static_cast<int>(items.size());
    int columns = 1;
    while (columns * columns < count) ++columns;
    const int rows = (count + columns - 1) / columns;
    Image sheet(GAP + columns * (cell + GAP), GAP + rows * (cell + labelHeight + GAP));
    fill(sheet, 0, 0, sheet.width, sheet.height, GROUND);
    for (int i = 0; i < count; ++i) {
        const int x = GAP + (i % columns) * (cell + GAP);
        const int y = GAP + (i / columns) * (cell + labelHeight + GAP);
        drawImage(sheet, *items[static_cast<size_t>(i)].thumbnail, x, y);
        drawLabel(sheet, items[static_cast<size_t>(i)].label, x, y + cell + GAP / 2, cell, scale);
    }
    return sheet;
}

}  // namespace kavrin::preview
