// Pixel rules of the menu's picture effects, over plain pixel grids: the
// faded and shadow copies of a picture, the two-tone shapes drawn for
// disabled items, and the check mark's pixels. The GDI routines of the menu
// produce exactly what these describe, and the tests of those routines
// compare against them.
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
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
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

// A one-bit shape: true where the picture is drawn in the two tones.
struct ShapeMask {
    int width = 0;
    int height = 0;
    std::vector<bool> bits;

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    bool At(int x, int y) const { return Contains(x, y) && bits[static_cast<std::size_t>(y) * width + x]; }
};

// The greying rule: a pixel belongs to the shape unless it is exactly the
// button-face or the button-highlight colour.
ShapeMask GrayedShapeMask(const PixelGrid& picture, Color btnFace, Color btnHighlight);

// What the two-tone routines leave on the target, over the (w + 1) x (h + 1)
// area whose top-left is the picture's place. Pixels a routine does not
// touch are nullopt.
struct TwoToneResult {
    int width = 0;   // mask width + 1
    int height = 0;  // mask height + 1
    std::vector<std::optional<Color>> pixels;

    std::optional<Color> At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
};

// The greyed look: the shape in the shadow colour over the same shape one
// pixel right and down in the highlight colour, on the background. The
// right column and bottom row come from the shifted copy; their far ends
// (top-right and bottom-left corners) are left untouched.
TwoToneResult ComposeGrayedImage(const ShapeMask& shape, Color background,
                                 Color btnHighlight, Color btnShadow);

// The embossed look: the box is filled with the background, then the shape
// is painted one pixel right and down in the highlight colour (which may
// spill into the extra column and row) and in the shadow colour in place.
TwoToneResult ComposeEmbossedImage(const ShapeMask& shape, Color background,
                                   Color btnHighlight, Color btnShadow);

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// The 21 pixels of the 7 x 7 check mark whose top-left corner is (x, y):
// seven 3-pixel columns starting at rows 2, 3, 4, 3, 2, 1, 0.
std::vector<PixelPoint> CheckMarkPixels(int x, int y);

// Start row of column i (0..6) of the check mark.
int CheckMarkColumnTop(int column);

}  // namespace tessel
