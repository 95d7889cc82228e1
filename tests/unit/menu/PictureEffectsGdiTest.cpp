// The greying model checked against the platform: the raster-operation
// sequence that draws a disabled picture, run on real GDI memory DCs, must
// leave exactly the pixels ComposeGrayedImage predicts.
#include <gtest/gtest.h>

#include <windows.h>

#include <random>

#include "ui/menu/pictures/PictureEffects.h"

using namespace tessel;

namespace {

// A 32-bit top-down DIB section selected into its own memory DC.
class DibCanvas {
public:
    DibCanvas(int w, int h) : width_(w), height_(h) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                                   nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~DibCanvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool ok() const { return dc_ != nullptr && bitmap_ != nullptr && bits_ != nullptr; }
    HDC dc() const { return dc_; }  // owned by this canvas

    void Set(int x, int y, Color c) {
        GdiFlush();
        bits_[y * width_ + x] = (static_cast<DWORD>(RedOf(c)) << 16) |
                                (static_cast<DWORD>(GreenOf(c)) << 8) | BlueOf(c);
    }
    Color Get(int x, int y) const {
        GdiFlush();
        const DWORD p = bits_[y * width_ + x];
        return MakeColor((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    DWORD* bits_ = nullptr;
};

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
        DibCanvas source(w, h);
        DibCanvas target(w + 3, h + 3);
        ASSERT_TRUE(source.ok());
        ASSERT_TRUE(target.ok());
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) source.Set(x, y, picture.At(x, y));
        }
        for (int y = 0; y < h + 3; ++y) {
            for (int x = 0; x < w + 3; ++x) target.Set(x, y, sentinel);
        }

        DrawGrayedWithGdi(target.dc(), 1, 1, w, h, source.dc(), background, face, highlight,
                          shadow);

        const TwoToneResult model = ComposeGrayedImage(GrayedShapeMask(picture, face, highlight),
                                                       background, highlight, shadow);
        for (int y = 0; y < model.height; ++y) {
            for (int x = 0; x < model.width; ++x) {
                const Color expected = model.At(x, y).value_or(sentinel);
                EXPECT_EQ(target.Get(x + 1, y + 1), expected)
                    << "round " << round << " pixel " << x << "," << y;
            }
        }
        // Nothing outside the (w + 1) x (h + 1) area is touched.
        for (int x = 0; x < w + 3; ++x) {
            EXPECT_EQ(target.Get(x, 0), sentinel);
            EXPECT_EQ(target.Get(x, h + 2), sentinel);
        }
    }
}
