// The greying model checked against the platform: the raster-operation
// sequence that draws a disabled picture, run on real GDI memory DCs, must
// leave exactly the pixels ComposeGrayedImage predicts.
#include <gtest/gtest.h>

#include <windows.h>

#include <random>

#include "tests/support/PixelCanvas.h"
#include "ui/menu/pictures/PictureEffects.h"

using namespace tessel;

namespace {

constexpr DWORD kBrushWhereSourceSet = 0xE20746;

// The disabled-picture sequence: a monochrome mask keyed on face and
// highlight, then the shape twice through the mask onto the target.
void DrawGrayedWithGdi(HDC target, int x, int y, int w, int h, HDC picture, Color background,
                       Color face, Color highlight, Color shadow) {
    HDC mono = CreateCompatibleDC(nullptr);
    HBITMAP maskBitmap = CreateCompatibleBitmap(mono, w, h);
    HGDIOBJ oldMask = SelectObject(mono, maskBitmap);
    PatBlt(mono, 0, 0, w, h, WHITENESS);
    SetBkColor(picture, face);
    BitBlt(mono, 0, 0, w, h, picture, 0, 0, SRCCOPY);
    SetBkColor(picture, highlight);
    BitBlt(mono, 0, 0, w, h, picture, 0, 0, SRCPAINT);

    HBRUSH backgroundBrush = CreateSolidBrush(background);
    RECT all = {0, 0, w, h};
    FillRect(picture, &all, backgroundBrush);
    DeleteObject(backgroundBrush);
    SetBkColor(picture, 0);
    SetTextColor(picture, 0xFFFFFF);

    HBRUSH highlightBrush = CreateSolidBrush(highlight);
    HBRUSH shadowBrush = CreateSolidBrush(shadow);
    HGDIOBJ oldBrush = SelectObject(picture, highlightBrush);
    BitBlt(picture, 0, 0, w, h, mono, 0, 0, kBrushWhereSourceSet);
    BitBlt(target, x + 1, y + 1, w, h, picture, 0, 0, SRCCOPY);
    BitBlt(picture, 1, 1, w, h, mono, 0, 0, kBrushWhereSourceSet);
    SelectObject(picture, shadowBrush);
    BitBlt(picture, 0, 0, w, h, mono, 0, 0, kBrushWhereSourceSet);
    BitBlt(target, x, y, w, h, picture, 0, 0, SRCCOPY);

    SelectObject(picture, oldBrush);
    DeleteObject(highlightBrush);
    DeleteObject(shadowBrush);
    SelectObject(mono, oldMask);
    DeleteObject(maskBitmap);
    DeleteDC(mono);
}

}  // namespace

TEST(GrayedImageOnGdi, PlatformPaintsWhatTheModelPredicts) {
    const Color face = MakeColor(192, 192, 192);
    const Color highlight = MakeColor(255, 255, 255);
    const Color shadow = MakeColor(128, 128, 128);
    const Color background = MakeColor(212, 208, 200);
    const Color sentinel = MakeColor(1, 2, 3);
    const int w = 7;
    const int h = 6;
    std::mt19937 random(31337u);

    for (int round = 0; round < 20; ++round) {
        PixelGrid picture(w, h, face);
        for (Color& c : picture.pixels) {
            switch (random() % 4) {
                case 0: c = face; break;
                case 1: c = highlight; break;
                case 2: c = MakeColor(random() % 256, random() % 256, random() % 256); break;
                default: c = MakeColor(254, 255, 255); break;  // almost white is shape
            }
        }
        e2e::PixelCanvas source(w, h);
        e2e::PixelCanvas target(w + 3, h + 3);
        ASSERT_TRUE(source.Ok());
        ASSERT_TRUE(target.Ok());
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) source.SetPixel(x, y, picture.At(x, y));
        }
        for (int y = 0; y < h + 3; ++y) {
            for (int x = 0; x < w + 3; ++x) target.SetPixel(x, y, sentinel);
        }

        DrawGrayedWithGdi(target.DC(), 1, 1, w, h, source.DC(), background, face, highlight,
                          shadow);

        const TwoToneResult model = ComposeGrayedImage(GrayedShapeMask(picture, face, highlight),
                                                       background, highlight, shadow);
        for (int y = 0; y < model.height; ++y) {
            for (int x = 0; x < model.width; ++x) {
                const Color expected = model.At(x, y).value_or(sentinel);
                EXPECT_EQ(target.Pixel(x + 1, y + 1), expected)
                    << "round " << round << " pixel " << x << "," << y;
            }
        }
        // Nothing outside the (w + 1) x (h + 1) area is touched.
        for (int x = 0; x < w + 3; ++x) {
            EXPECT_EQ(target.Pixel(x, 0), sentinel);
            EXPECT_EQ(target.Pixel(x, h + 2), sentinel);
        }
    }
}
