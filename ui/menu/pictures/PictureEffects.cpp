// Pixel rules of the menu's picture effects; see PictureEffects.h.
#include "ui/menu/pictures/PictureEffects.h"

namespace tessel {

PixelGrid::PixelGrid(int w, int h, Color fill)
    : width(w < 0 ? 0 : w),
      height(h < 0 ? 0 : h),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

std::optional<Color> EffectKeyColor(int width, int height, Color probeAtOneOne) {
    if (width < 2 || height < 2) return std::nullopt;
    return probeAtOneOne;
}

void MakeFadedPixels(PixelGrid& picture, std::optional<Color> key) {
    for (Color& c : picture.pixels) {
        if (!key || c != *key) c = LightenColor(c, kFadedPictureFactor);
    }
}

void MakeShadowPixels(PixelGrid& picture, std::optional<Color> key, Color shadow) {
    for (Color& c : picture.pixels) {
        if (!key || c != *key) c = shadow;
    }
}

int CheckMarkColumnTop(int column) {
    static const int kTops[7] = {2, 3, 4, 3, 2, 1, 0};
    if (column < 0 || column > 6) return -1;
    return kTops[column];
}

}  // namespace tessel
