// The greying model checked against the platform: DrawGrayedImage, run on
// real GDI over pictures of every kind of pixel, must leave exactly the
// pixels ComposeGrayedImage predicts.
#include <gtest/gtest.h>

#include <windows.h>

#include <random>

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "tests/support/PixelCanvas.h"
#include "tests/unit/menu/MenuTestSupport.h"
#include "tests/unit/menu/PictureReference.h"
#include "ui/menu/pictures/BitmapEffects.h"

using namespace tessel;
using namespace menutest;

namespace {

// The picture's pixels as the bitmap holds them, set and read through a
// memory DC.
PixelGrid FillBitmap(HBITMAP bitmap, const PixelGrid& wanted) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    PixelGrid held(wanted.width, wanted.height, 0);
    for (int y = 0; y < wanted.height; ++y) {
        for (int x = 0; x < wanted.width; ++x) {
            SetPixel(dc, x, y, wanted.At(x, y));
            held.Set(x, y, GetPixel(dc, x, y));
        }
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return held;
}

}  // namespace

TEST(GrayedImageOnGdi, PlatformPaintsWhatTheModelPredicts) {
    const Color face = SysColor(COLOR_BTNFACE);
    const Color highlight = SysColor(COLOR_BTNHIGHLIGHT);
    const Color shadow = SysColor(COLOR_BTNSHADOW);
    const Color nearHighlight = highlight ^ 0x000001;  // one step off: shape
    const Color background = MakeColor(212, 208, 200);
    const Color sentinel = MakeColor(1, 2, 3);
    const int w = 7;
    const int h = 6;
    std::mt19937 random(31337u);

    for (int round = 0; round < 20; ++round) {
        PixelGrid wanted(w, h, face);
        for (Color& c : wanted.pixels) {
            switch (random() % 4) {
            case 0:
                c = face;
                break;
            case 1:
                c = highlight;
                break;
            case 2:
                c = MakeColor(random() % 256, random() % 256, random() % 256);
                break;
            default:
                c = nearHighlight;
                break;
            }
        }
        CBitmap picture(MakeBitmap(w, h, face));
        const PixelGrid held = FillBitmap(picture, wanted);
        testsupport::PixelCanvas target(w + 3, h + 3, sentinel);
        ASSERT_TRUE(target.Ok());
        CBorrowedDC dc(target.DC());

        DrawGrayedImage(&dc, 1, 1, w, h, &picture, 0, 0, background);

        const TwoToneResult model =
            ComposeGrayedImage(GrayedShapeMask(held, face, highlight), background, highlight, shadow);
        for (int y = 0; y < model.height; ++y) {
            for (int x = 0; x < model.width; ++x) {
                const Color expected = model.At(x, y).value_or(sentinel);
                EXPECT_EQ(target.Pixel(x + 1, y + 1), expected) << "round " << round << " pixel " << x << "," << y;
            }
        }
        // Nothing outside the (w + 1) x (h + 1) area is touched.
        for (int x = 0; x < w + 3; ++x) {
            EXPECT_EQ(target.Pixel(x, 0), sentinel);
            EXPECT_EQ(target.Pixel(x, h + 2), sentinel);
        }
    }
}
