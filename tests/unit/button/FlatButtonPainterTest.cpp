// The button's painting from plain values, without a window: the looks that
// no setter of the button reaches.
#include <gtest/gtest.h>

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "tests/support/PixelCanvas.h"
#include "ui/button/FlatButtonPainter.h"

namespace {

using testsupport::PixelCanvas;

constexpr int kSize = 40;
const COLORREF kFill = RGB(40, 180, 90);
const COLORREF kPicture = RGB(10, 250, 250);
const COLORREF kSentinel = RGB(255, 0, 255);

flatbutton::ButtonPaint PlainPaint() {
    flatbutton::ButtonPaint paint;
    paint.fill = kFill;
    paint.client = RECT{0, 0, kSize, kSize};
    return paint;
}

}  // namespace

TEST(FlatButtonPainter, ADisabledBitmapIsGreyedOnlyWhenTheButtonAsksForIt) {
    CClientDC screen(nullptr);
    CBitmap picture;
    ASSERT_TRUE(picture.CreateCompatibleBitmap(screen, 8, 8));
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(screen));
        CSelectGuard selected(dc, picture);
        dc.FillSolidRect(RECT{0, 0, 8, 8}, kPicture);
    }
    flatbutton::ButtonPaint paint = PlainPaint();
    paint.disabled = true;
    paint.bitmap.bitmap = picture;
    paint.bitmap.width = paint.bitmap.height = 8;

    paint.grayDisabledBitmap = false;
    PixelCanvas asItIs(kSize, kSize, kSentinel);
    flatbutton::PaintButton(asItIs.DC(), asItIs.All(), paint);
    EXPECT_EQ(asItIs.Count(RECT{16, 16, 24, 24}, kPicture), 64);
    EXPECT_EQ(asItIs.Count(asItIs.All(), kFill), kSize * kSize - 64);

    paint.grayDisabledBitmap = true;
    PixelCanvas greyed(kSize, kSize, kSentinel);
    flatbutton::PaintButton(greyed.DC(), greyed.All(), paint);
    EXPECT_EQ(greyed.Count(greyed.All(), kPicture), 0);
    EXPECT_GT(greyed.Count(RECT{16, 16, 24, 24}, ::GetSysColor(COLOR_BTNSHADOW)), 0);
}

TEST(FlatButtonPainter, TheParentBackgroundComesFromTheSnapshotAndWithoutOneNothingIsPainted) {
    flatbutton::ButtonPaint paint = PlainPaint();
    paint.parentBackground = true;
    PixelCanvas untouched(kSize, kSize, kSentinel);
    flatbutton::PaintButton(untouched.DC(), untouched.All(), paint);
    EXPECT_EQ(untouched.Count(untouched.All(), kSentinel), kSize * kSize);

    const COLORREF parent = RGB(12, 34, 56);
    PixelCanvas snapshot(kSize, kSize, parent);
    paint.snapshot = snapshot.DC();
    PixelCanvas copied(kSize, kSize, kSentinel);
    flatbutton::PaintButton(copied.DC(), copied.All(), paint);
    EXPECT_EQ(copied.Count(copied.All(), parent), kSize * kSize);
}
