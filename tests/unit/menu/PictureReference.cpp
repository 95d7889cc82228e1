#include "tests/unit/menu/PictureReference.h"

namespace menutest {

ShapeMask GrayedShapeMask(const PixelGrid& picture, Color btnFace, Color btnHighlight) {
    ShapeMask mask;
    mask.width = picture.width;
    mask.height = picture.height;
    mask.bits.reserve(picture.pixels.size());
    for (Color c : picture.pixels) mask.bits.push_back(c != btnFace && c != btnHighlight);
    return mask;
}

namespace {

TwoToneResult EmptyResult(const ShapeMask& shape) {
    TwoToneResult r;
    r.width = shape.width + 1;
    r.height = shape.height + 1;
    r.pixels.assign(static_cast<std::size_t>(r.width) * r.height, std::nullopt);
    return r;
}

void Put(TwoToneResult& r, int x, int y, Color c) { r.pixels[static_cast<std::size_t>(y) * r.width + x] = c; }

}  // namespace

TwoToneResult ComposeGrayedImage(const ShapeMask& shape, Color background, Color btnHighlight, Color btnShadow) {
    TwoToneResult r = EmptyResult(shape);
    const int w = shape.width;
    const int h = shape.height;
    // First copy: the scratch picture holds the shape in the highlight
    // colour on the background; it lands one pixel right and down.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Put(r, x + 1, y + 1, shape.At(x, y) ? btnHighlight : background);
        }
    }
    // Second copy, in place: the scratch picture now also holds the shifted
    // highlight shape, and the shadow shape on top.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Color c = background;
            if (shape.At(x - 1, y - 1)) c = btnHighlight;
            if (shape.At(x, y)) c = btnShadow;
            Put(r, x, y, c);
        }
    }
    return r;
}

TwoToneResult ComposeEmbossedImage(const ShapeMask& shape, Color background, Color btnHighlight, Color btnShadow) {
    TwoToneResult r = EmptyResult(shape);
    const int w = shape.width;
    const int h = shape.height;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) Put(r, x, y, background);
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (shape.At(x, y)) Put(r, x + 1, y + 1, btnHighlight);
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (shape.At(x, y)) Put(r, x, y, btnShadow);
        }
    }
    return r;
}

std::vector<PixelPoint> CheckMarkPixels(int x, int y) {
    static const int kTops[7] = {2, 3, 4, 3, 2, 1, 0};
    std::vector<PixelPoint> points;
    points.reserve(21);
    for (int i = 0; i < 7; ++i) {
        for (int k = 0; k < 3; ++k) points.push_back({x + i, y + kTops[i] + k});
    }
    return points;
}

}  // namespace menutest
