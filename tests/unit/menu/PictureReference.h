// Reference pictures the menu's GDI routines are checked against: the
// two-tone shapes drawn for disabled items and the check mark's pixels.
// The routines must paint exactly what these describe.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "ui/menu/pictures/PictureEffects.h"

namespace menutest {

using tessel::Color;
using tessel::PixelGrid;
using tessel::PixelPoint;

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

    std::optional<Color> At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The greyed look: the shape in the shadow colour over the same shape one
// pixel right and down in the highlight colour, on the background. The
// right column and bottom row come from the shifted copy; their far ends
// (top-right and bottom-left corners) are left untouched.
TwoToneResult ComposeGrayedImage(const ShapeMask& shape, Color background, Color btnHighlight, Color btnShadow);

// The embossed look: the box is filled with the background, then the shape
// is painted one pixel right and down in the highlight colour (which may
// spill into the extra column and row) and in the shadow colour in place.
TwoToneResult ComposeEmbossedImage(const ShapeMask& shape, Color background, Color btnHighlight, Color btnShadow);

// The 21 pixels of the 7 x 7 check mark whose top-left corner is (x, y):
// seven 3-pixel columns starting at rows 2, 3, 4, 3, 2, 1, 0.
std::vector<PixelPoint> CheckMarkPixels(int x, int y);

}  // namespace menutest
