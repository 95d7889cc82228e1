// The menu's bitmap effects on real GDI: faded and shadow copies, the two
// ways of drawing a disabled picture, the check marks and boxes. Every
// routine leaves the caller's DC as it found it.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "tests/support/PixelCanvas.h"
#include "tests/unit/menu/MenuTestSupport.h"
#include "tests/unit/menu/PictureReference.h"
#include "ui/menu/draw/ItemLayout.h"
#include "ui/menu/pictures/BitmapEffects.h"
#include "ui/menu/pictures/PictureEffects.h"

using namespace tessel;
using namespace menutest;
using testsupport::PixelCanvas;

namespace {

constexpr Color kMagenta = 0x00FF00FF;

Color Face() { return SysColor(COLOR_BTNFACE); }

// Pixels of a screen-compatible bitmap, read through a memory DC.
Color PixelOf(HBITMAP bitmap, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const Color c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

void SetPixelOf(HBITMAP bitmap, int x, int y, Color c) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetPixel(dc, x, y, c);
    SelectObject(dc, old);
    DeleteDC(dc);
}

PixelGrid GridOf(HBITMAP bitmap, int w, int h) {
    PixelGrid grid(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) grid.Set(x, y, PixelOf(bitmap, x, y));
    return grid;
}

// A bitmap no DC holds can be selected into a new one.
bool IsFree(HBITMAP bitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const bool selected = old != nullptr && old != HGDI_ERROR;
    if (selected) SelectObject(dc, old);
    DeleteDC(dc);
    return selected;
}

struct DcState {
    HGDIOBJ brush, pen, bitmap, font;
    COLORREF text, back;
    int mode;
    explicit DcState(HDC dc)
        : brush(GetCurrentObject(dc, OBJ_BRUSH)),
          pen(GetCurrentObject(dc, OBJ_PEN)),
          bitmap(GetCurrentObject(dc, OBJ_BITMAP)),
          font(GetCurrentObject(dc, OBJ_FONT)),
          text(GetTextColor(dc)),
          back(GetBkColor(dc)),
          mode(GetBkMode(dc)) {}
    bool operator==(const DcState& o) const {
        return brush == o.brush && pen == o.pen && bitmap == o.bitmap && font == o.font && text == o.text &&
               back == o.back && mode == o.mode;
    }
};

TEST(FadedImage, LightensEveryPixelButButtonFace) {
    CBitmap picture(MakeBitmap(16, 15, Face()));
    SetPixelOf(picture, 3, 3, RGB(0, 0, 0));
    SetPixelOf(picture, 4, 4, RGB(255, 0, 0));
    SetPixelOf(picture, 5, 5, RGB(10, 200, 250));
    MakeFadedImage(&picture);
    EXPECT_EQ(PixelOf(picture, 3, 3), MakeColor(76, 76, 76));
    EXPECT_EQ(PixelOf(picture, 4, 4), MakeColor(255, 76, 76));
    EXPECT_EQ(PixelOf(picture, 5, 5), LightenColor(MakeColor(10, 200, 250), 0.3));
    EXPECT_EQ(PixelOf(picture, 0, 0), Face());
    EXPECT_EQ(PixelOf(picture, 15, 14), Face());
    EXPECT_TRUE(IsFree(picture));
}

TEST(FadedImage, KeyComesFromAFaceProbeNotFromThePicture) {
    // The picture's own pixel at (1, 1) is red: it is faded like any other,
    // and button face elsewhere stays.
    CBitmap picture(MakeBitmap(16, 15, Face()));
    SetPixelOf(picture, 1, 1, RGB(255, 0, 0));
    MakeFadedImage(&picture);
    EXPECT_EQ(PixelOf(picture, 1, 1), MakeColor(255, 76, 76));
    EXPECT_EQ(PixelOf(picture, 2, 2), Face());
}

TEST(FadedImage, PicturesWithoutAPixelAtOneOneChangeEverywhere) {
    for (const SIZE size : {SIZE{1, 15}, SIZE{16, 1}, SIZE{1, 1}}) {
        CBitmap picture(MakeBitmap(size.cx, size.cy, Face()));
        MakeFadedImage(&picture);
        EXPECT_EQ(PixelOf(picture, 0, 0), LightenColor(Face(), 0.3)) << size.cx << "x" << size.cy;
        EXPECT_EQ(PixelOf(picture, size.cx - 1, size.cy - 1), LightenColor(Face(), 0.3));
    }
}

TEST(ShadowImage, OneColourInsideAndOutsideTheXpLook) {
    for (const bool xp : {true, false}) {
        CBitmap picture(MakeBitmap(16, 15, Face(), RECT{4, 4, 8, 8}, RGB(0, 0, 255)));
        SetPixelOf(picture, 12, 2, RGB(255, 255, 255));
        MakeShadowImage(&picture, xp);
        const Color shadow = xp ? SysColor(COLOR_BTNSHADOW) : LightenColor(SysColor(COLOR_BTNSHADOW), 0.49);
        EXPECT_EQ(PixelOf(picture, 5, 5), shadow) << xp;
        EXPECT_EQ(PixelOf(picture, 12, 2), shadow) << xp;
        EXPECT_EQ(PixelOf(picture, 0, 0), Face()) << xp;
        EXPECT_EQ(PixelOf(picture, 10, 12), Face()) << xp;
    }
}

TEST(CheckMarkDrawing, SevenColumnsOfThreePixels) {
    PixelCanvas canvas(30, 30, 0xFFFFFF);
    CBorrowedDC dc(canvas.DC());
    const DcState before(canvas.DC());
    DrawCheckMark(&dc, 10, 11, RGB(0, 0, 128));
    EXPECT_TRUE(DcState(canvas.DC()) == before);
    int painted = 0;
    for (const PixelPoint& p : CheckMarkPixels(10, 11)) {
        EXPECT_EQ(canvas.Pixel(p.x, p.y), MakeColor(0, 0, 128)) << p.x << "," << p.y;
        ++painted;
    }
    EXPECT_EQ(painted, 21);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 30, 30}, MakeColor(0, 0, 128)), 21);
    // The lowest pixels are in the third column, rows y + 4 to y + 6.
    for (int x = 10; x < 17; ++x) {
        if (x == 12) continue;
        EXPECT_NE(canvas.Pixel(x, 17), MakeColor(0, 0, 128)) << x;
    }
    EXPECT_EQ(canvas.Pixel(12, 15), MakeColor(0, 0, 128));
    EXPECT_EQ(canvas.Pixel(12, 17), MakeColor(0, 0, 128));
    EXPECT_EQ(canvas.Pixel(12, 18), 0xFFFFFFu);
}

TEST(RadioDot, SixBySixInItsBox) {
    PixelCanvas canvas(30, 30, 0xFFFFFF);
    CBorrowedDC dc(canvas.DC());
    const DcState before(canvas.DC());
    DrawRadioDot(&dc, 10, 12, RGB(200, 0, 0));
    EXPECT_TRUE(DcState(canvas.DC()) == before);
    const Color red = MakeColor(200, 0, 0);
    const int inside = canvas.Count(RECT{10, 12, 16, 18}, red);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 30, 30}, red), inside) << "nothing outside the 6 x 6 box";
    EXPECT_GE(inside, 16);
    EXPECT_EQ(canvas.Pixel(12, 14), red);
    EXPECT_EQ(canvas.Pixel(13, 15), red);
}

TEST(CheckBoxClassic, FillEdgeAndMark) {
    const RECT box = {2, 3, 18, 18};
    const Color menuText = SysColor(COLOR_MENUTEXT);
    struct Case {
        bool selected, xpLook, newShell;
    };
    for (const Case c :
         {Case{false, false, true}, Case{true, false, true}, Case{false, true, true}, Case{true, true, false}}) {
        PixelCanvas canvas(24, 24);
        CBorrowedDC dc(canvas.DC());
        const DcState before(canvas.DC());
        EXPECT_TRUE(DrawCheckBoxClassic(&dc, &box, c.selected, FALSE, SystemLook{c.xpLook, c.newShell}));
        EXPECT_TRUE(DcState(canvas.DC()) == before);
        Color fill = c.xpLook ? SysColor(COLOR_BTNFACE) : SysColor(COLOR_MENU);
        if (!c.selected) fill = LightenColor(fill, 0.6);
        const std::string what = std::to_string(c.selected) + std::to_string(c.xpLook) + std::to_string(c.newShell);
        EXPECT_EQ(canvas.Pixel(3, 4 + 8), fill) << what;
        if (c.newShell) {
            EXPECT_EQ(canvas.Pixel(2, 10), SysColor(COLOR_BTNSHADOW)) << what;
            EXPECT_EQ(canvas.Pixel(17, 10), SysColor(COLOR_BTNHIGHLIGHT)) << what;
        } else {
            EXPECT_EQ(canvas.Pixel(2, 10), fill) << what;
        }
        // The mark's first column at left + 4.
        for (const PixelPoint& p : CheckMarkPixels(box.left + 4, box.top + 4))
            EXPECT_EQ(canvas.Pixel(p.x, p.y), menuText) << what;
        EXPECT_NE(canvas.Pixel(box.left + 3, box.top + 4 + 2), menuText) << what;
        EXPECT_EQ(canvas.Pixel(0, 0), kMagenta) << "nothing outside the box";
    }
}

TEST(CheckBoxClassic, RadioDotAtFiveFour) {
    const RECT box = {0, 0, 16, 16};
    PixelCanvas canvas(20, 20);
    CBorrowedDC dc(canvas.DC());
    DrawCheckBoxClassic(&dc, &box, TRUE, TRUE, SystemLook{false, false});
    const Color ink = SysColor(COLOR_MENUTEXT);
    const int dot = canvas.Count(RECT{5, 4, 11, 10}, ink);
    EXPECT_GE(dot, 16);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 20, 20}, ink), dot);
}

TEST(CheckBoxXP, FramedLightFillAndTheMarkOneFurtherRight) {
    const RECT box = {2, 2, 18, 18};
    const COLORREF frame = RGB(49, 106, 197);
    PixelCanvas canvas(24, 24);
    CBorrowedDC dc(canvas.DC());
    const DcState before(canvas.DC());
    EXPECT_TRUE(DrawCheckBoxXP(&dc, &box, FALSE, &frame));
    EXPECT_TRUE(DcState(canvas.DC()) == before);
    for (int i = 2; i < 18; ++i) {
        EXPECT_EQ(canvas.Pixel(i, 2), frame);
        EXPECT_EQ(canvas.Pixel(i, 17), frame);
        EXPECT_EQ(canvas.Pixel(2, i), frame);
        EXPECT_EQ(canvas.Pixel(17, i), frame);
    }
    EXPECT_EQ(canvas.Pixel(4, 15), LightenColor(frame, 0.85));
    const Color ink = SysColor(COLOR_MENUTEXT);
    for (const PixelPoint& p : CheckMarkPixels(box.left + 5, box.top + 4)) EXPECT_EQ(canvas.Pixel(p.x, p.y), ink);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 24, 24}, ink), 21);
    EXPECT_EQ(canvas.Pixel(0, 0), kMagenta);
}

TEST(CheckBoxXP, RadioDotAtFiveFour) {
    const RECT box = {0, 0, 16, 16};
    const COLORREF frame = RGB(0, 0, 255);
    PixelCanvas canvas(20, 20);
    CBorrowedDC dc(canvas.DC());
    DrawCheckBoxXP(&dc, &box, TRUE, &frame);
    const Color ink = SysColor(COLOR_MENUTEXT);
    const int dot = canvas.Count(RECT{5, 4, 11, 10}, ink);
    EXPECT_GE(dot, 16);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 20, 20}, ink), dot);
}

void ExpectTwoTone(const PixelCanvas& canvas, int x0, int y0, const TwoToneResult& expected) {
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x) {
            const Color want = expected.At(x, y).value_or(kMagenta);
            EXPECT_EQ(canvas.Pixel(x0 + x, y0 + y), want) << x << "," << y;
        }
}

TEST(GrayedImageDrawing, FaceAndHighlightBecomeBackgroundEverythingElseTheShape) {
    const Color background = MakeColor(212, 208, 200);
    CBitmap picture(MakeBitmap(16, 15, Face(), RECT{3, 3, 10, 9}, RGB(0, 0, 0)));
    SetPixelOf(picture, 12, 4, SysColor(COLOR_BTNHIGHLIGHT));
    SetPixelOf(picture, 12, 6, RGB(254, 254, 254));  // lighter than face, still shape
    SetPixelOf(picture, 13, 10, tessel::LightenColor(Face(), 0.1));
    ASSERT_NE(LightenColor(Face(), 0.1), Face());
    const ShapeMask shape = GrayedShapeMask(GridOf(picture, 16, 15), Face(), SysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_FALSE(shape.At(12, 4));
    EXPECT_TRUE(shape.At(12, 6));
    EXPECT_TRUE(shape.At(13, 10));

    PixelCanvas canvas(40, 40);
    CBorrowedDC dc(canvas.DC());
    const DcState before(canvas.DC());
    DrawGrayedImage(&dc, 5, 6, 16, 15, &picture, 0, 0, background);
    EXPECT_TRUE(DcState(canvas.DC()) == before);
    EXPECT_TRUE(IsFree(picture));
    ExpectTwoTone(canvas, 5, 6,
                  ComposeGrayedImage(shape, background, SysColor(COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNSHADOW)));
    // Nothing beyond width + 1 by height + 1.
    EXPECT_EQ(canvas.Count(RECT{0, 0, 40, 40}, kMagenta), 40 * 40 - 17 * 16 + 2);
}

TEST(GrayedImageDrawing, AllFacePictureIsAPlainBoxOneLarger) {
    const Color background = MakeColor(10, 120, 30);
    CBitmap picture(MakeBitmap(16, 15, Face()));
    PixelCanvas canvas(30, 30);
    CBorrowedDC dc(canvas.DC());
    DrawGrayedImage(&dc, 2, 3, 16, 15, &picture, 0, 0, background);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 30, 30}, background), 17 * 16 - 2);
    EXPECT_EQ(canvas.Pixel(2 + 16, 3), kMagenta);  // top-right corner untouched
    EXPECT_EQ(canvas.Pixel(2, 3 + 15), kMagenta);  // bottom-left corner untouched
    EXPECT_EQ(canvas.Pixel(2 + 16, 3 + 15), background);
}

TEST(EmbossedImageDrawing, PaintsTheMasksBlackPixelsInHighlightThenShadow) {
    const Color background = MakeColor(230, 230, 230);
    CBitmap picture(MakeBitmap(16, 15, RGB(255, 255, 255), RECT{2, 2, 9, 8}, RGB(0, 0, 0)));
    SetPixelOf(picture, 12, 3, RGB(0, 0, 90));
    SetPixelOf(picture, 12, 9, RGB(250, 250, 240));

    // The platform's reduction to one bit, as the routine uses it.
    ShapeMask shape;
    shape.width = 16;
    shape.height = 15;
    {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colors[2];
        } info = {};
        info.header = {sizeof(BITMAPINFOHEADER), 16, 15, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
        info.colors[1] = RGBQUAD{255, 255, 255, 0};
        HDC a = CreateCompatibleDC(nullptr);
        HDC b = CreateCompatibleDC(a);
        void* bits = nullptr;
        HBITMAP section = CreateDIBSection(b, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ oldB = SelectObject(b, section);
        HGDIOBJ oldA = SelectObject(a, picture);
        BitBlt(b, 0, 0, 16, 15, a, 0, 0, SRCCOPY);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x) shape.bits.push_back(GetPixel(b, x, y) == 0);
        SelectObject(a, oldA);
        SelectObject(b, oldB);
        DeleteObject(section);
        DeleteDC(b);
        DeleteDC(a);
    }
    EXPECT_TRUE(shape.At(3, 3));    // black
    EXPECT_FALSE(shape.At(0, 0));   // white
    EXPECT_TRUE(shape.At(12, 3));   // dark blue
    EXPECT_FALSE(shape.At(12, 9));  // near white

    PixelCanvas canvas(40, 40);
    // Text colours that would recolour a one-bit source must not matter.
    SetTextColor(canvas.DC(), RGB(0, 255, 0));
    SetBkColor(canvas.DC(), RGB(0, 0, 255));
    const DcState before(canvas.DC());
    DrawEmbossedImage(canvas.DC(), 5, 6, 16, 15, picture, 0, 0, background);
    EXPECT_TRUE(DcState(canvas.DC()) == before);
    EXPECT_TRUE(IsFree(picture));
    ExpectTwoTone(canvas, 5, 6,
                  ComposeEmbossedImage(shape, background, SysColor(COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNSHADOW)));
}

TEST(EffectsOnBadInput, NothingHappensAndNothingBreaks) {
    PixelCanvas canvas(10, 10);
    CBorrowedDC dc(canvas.DC());
    CBitmap none;
    MakeFadedImage(nullptr);
    MakeFadedImage(&none);
    MakeShadowImage(&none, true);
    DrawGrayedImage(&dc, 0, 0, 16, 15, &none, 0, 0, 0);
    DrawGrayedImage(nullptr, 0, 0, 16, 15, &none, 0, 0, 0);
    DrawEmbossedImage(canvas.DC(), 0, 0, 16, 15, nullptr, 0, 0, 0);
    CBitmap picture(MakeBitmap(4, 4, 0));
    DrawGrayedImage(&dc, 0, 0, 0, 15, &picture, 0, 0, 0);
    EXPECT_FALSE(DrawCheckBoxClassic(&dc, nullptr, FALSE, FALSE, SystemLook{}));
    EXPECT_FALSE(DrawCheckBoxXP(nullptr, nullptr, FALSE, nullptr));
    EXPECT_EQ(canvas.Count(RECT{0, 0, 10, 10}, kMagenta), 100);
}

}  // namespace
