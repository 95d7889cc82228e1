// Pixel rules of the menu's picture effects, over plain pixel grids: the
// faded and shadow copies of a picture and the columns of the check mark.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "ui/menu/draw/MenuColors.h"

namespace tessel {

// A picture as rows of COLORREF pixels, row-major, top row first.
struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;

    PixelGrid() = default;
    PixelGrid(int w, int h, Color fill);
    Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void Set(int x, int y, Color c) { pixels[static_cast<std::size_t>(y) * width + x] = c; }
};

// The key colour the faded and shadow copies leave alone: the pixel at (1, 1)
// of a button-face probe of the picture's size; a picture narrower or lower
// than 2 pixels has no such pixel and no key.
std::optional<Color> EffectKeyColor(int width, int height, Color probeAtOneOne);

// Every pixel that differs from the key becomes LightenColor(pixel, 0.3).
void MakeFadedPixels(PixelGrid& picture, std::optional<Color> key);

// Every pixel that differs from the key becomes the shadow colour.
void MakeShadowPixels(PixelGrid& picture, std::optional<Color> key, Color shadow);

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Start row of column i (0..6) of the 7 x 7 check mark, whose columns are 3
// pixels high; -1 outside.
int CheckMarkColumnTop(int column);

}  // namespace tessel
