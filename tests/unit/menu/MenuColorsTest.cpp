// LightenColor and the colours the two looks derive from system colours.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ui/menu/draw/MenuColors.h"

using namespace tessel;

namespace {

// The channel rule written out in exact rational arithmetic: the largest
// integer not above (255 - c) * num / den + c, which is what truncating the
// double result gives as long as the factor is exact in binary.
int ExactChannel(int c, int num, int den) { return ((255 - c) * num) / den + c; }

MenuSysColors SampleColors() {
    MenuSysColors s;
    s.menu = MakeColor(240, 240, 240);
    s.menuText = MakeColor(0, 0, 0);
    s.window = MakeColor(255, 255, 255);
    s.btnFace = MakeColor(212, 208, 200);
    s.btnShadow = MakeColor(128, 128, 128);
    s.btnHighlight = MakeColor(255, 255, 255);
    s.highlight = MakeColor(49, 106, 197);
    s.highlightText = MakeColor(255, 255, 255);
    s.grayText = MakeColor(172, 168, 153);
    return s;
}

}  // namespace

TEST(LightenColor, FactorsOutsideTheRangeReturnTheColourUnchanged) {
    const Color c = MakeColor(10, 20, 30);
    EXPECT_EQ(LightenColor(c, 0.0), c);
    EXPECT_EQ(LightenColor(c, -0.5), c);
    EXPECT_EQ(LightenColor(c, 1.5), c);
    EXPECT_EQ(LightenColor(c, 1.0000001), c);
    EXPECT_EQ(LightenColor(c, std::numeric_limits<double>::quiet_NaN()), c);
    EXPECT_EQ(LightenColor(c, std::numeric_limits<double>::infinity()), c);
    // Unchanged means unchanged: a top byte stays too.
    EXPECT_EQ(LightenColor(0x01ABCDEFu, 0.0), 0x01ABCDEFu);
}

TEST(LightenColor, KnownValues) {
    EXPECT_EQ(LightenColor(MakeColor(0, 0, 0), 0.5), MakeColor(127, 127, 127));
    EXPECT_EQ(LightenColor(MakeColor(0, 0, 0), 0.3), MakeColor(76, 76, 76));
    EXPECT_EQ(LightenColor(MakeColor(255, 0, 0), 0.3), MakeColor(255, 76, 76));
    EXPECT_EQ(LightenColor(MakeColor(0, 0, 0), 1.0), MakeColor(255, 255, 255));
    EXPECT_EQ(LightenColor(MakeColor(12, 34, 56), 1.0), MakeColor(255, 255, 255));
    EXPECT_EQ(LightenColor(MakeColor(255, 255, 255), 0.7), MakeColor(255, 255, 255));
    // Channels are independent and keep their places.
    EXPECT_EQ(LightenColor(MakeColor(0, 128, 255), 0.5), MakeColor(127, 191, 255));
}

TEST(LightenColor, TopByteIsCleared) {
    EXPECT_EQ(LightenColor(0xFF000000u, 0.5), MakeColor(127, 127, 127));
    EXPECT_EQ(LightenColor(0x02FFFFFFu, 0.25) >> 24, 0u);
}

TEST(LightenColor, EveryChannelValueForTheMenuFactors) {
    // Factors that are exact as tenths or quarters in the rule's arithmetic;
    // a build that keeps extended-precision intermediates gets some of these
    // wrong (250 x 0.3 + 5 must give 80, not 79).
    struct Factor {
        double value;
        int num;
        int den;
    };
    const Factor factors[] = {{0.25, 1, 4}, {0.5, 1, 2}, {0.75, 3, 4}};
    for (const Factor& f : factors) {
        for (int c = 0; c < 256; ++c) {
            const Color in = MakeColor(c, 255 - c, c / 2);
            const Color out = LightenColor(in, f.value);
            EXPECT_EQ(RedOf(out), ExactChannel(c, f.num, f.den)) << f.value << " " << c;
            EXPECT_EQ(GreenOf(out), ExactChannel(255 - c, f.num, f.den)) << f.value << " " << c;
            EXPECT_EQ(BlueOf(out), ExactChannel(c / 2, f.num, f.den)) << f.value << " " << c;
        }
    }
}

TEST(LightenColor, DecimalFactorsTruncateTheDoubleResult) {
    // For decimal factors the double product is what counts: compare with the
    // same expression evaluated strictly in double precision through memory.
    const double factors[] = {0.25, 0.3, 0.4, 0.49, 0.6, 0.7, 0.85, 0.1, 0.9, 0.15};
    for (double f : factors) {
        for (int c = 0; c < 256; ++c) {
            volatile double product = (255 - c) * f;
            volatile double sum = product + c;
            const int expected = static_cast<int>(sum);
            EXPECT_EQ(RedOf(LightenColor(MakeColor(c, 0, 0), f)), expected) << f << " " << c;
        }
    }
    // Values that a 64-bit-intermediate evaluation gets wrong.
    EXPECT_EQ(RedOf(LightenColor(MakeColor(5, 0, 0), 0.3)), 80);
    EXPECT_EQ(RedOf(LightenColor(MakeColor(15, 0, 0), 0.3)), 87);
    EXPECT_EQ(RedOf(LightenColor(MakeColor(0, 0, 0), 0.6)), 153);
}

TEST(LightenColor, NeverDarkensAndStaysInRange) {
    for (int c = 0; c < 256; c += 5) {
        for (double f = 0.05; f <= 1.0; f += 0.05) {
            const int out = RedOf(LightenColor(MakeColor(c, 0, 0), f));
            EXPECT_GE(out, c);
            EXPECT_LE(out, 255);
        }
    }
}

TEST(MenuColors, ClassicLook) {
    const MenuSysColors s = SampleColors();
    EXPECT_EQ(ClassicBackground(s, true), s.btnFace);
    EXPECT_EQ(ClassicBackground(s, false), s.menu);
    EXPECT_EQ(ClassicCheckedPictureFill(s.menu), LightenColor(s.menu, 0.6));
    EXPECT_EQ(ClassicCheckBoxFill(s, false, true), s.menu);
    EXPECT_EQ(ClassicCheckBoxFill(s, false, false), LightenColor(s.menu, 0.6));
    EXPECT_EQ(ClassicCheckBoxFill(s, true, true), s.btnFace);
    EXPECT_EQ(ClassicCheckBoxFill(s, true, false), LightenColor(s.btnFace, 0.6));
}

TEST(MenuColors, XpLookUnderTheXpTheme) {
    const MenuSysColors s = SampleColors();
    const XpColors c = ComputeXpColors(s, true);
    EXPECT_EQ(c.window, s.window);
    EXPECT_EQ(c.face, s.btnFace);
    EXPECT_EQ(c.highlight, s.highlight);
    EXPECT_EQ(c.selFill, LightenColor(s.highlight, 0.7));
    EXPECT_EQ(c.selFill, MakeColor(49 + 144, 106 + 104, 197 + 40));
    EXPECT_EQ(c.checkedFill, LightenColor(s.highlight, 0.85));
}

TEST(MenuColors, XpDrawingWithoutTheXpTheme) {
    const MenuSysColors s = SampleColors();
    const XpColors c = ComputeXpColors(s, false);
    EXPECT_EQ(c.face, LightenColor(s.btnFace, 0.25));
    EXPECT_EQ(c.face, MakeColor(222, 219, 213));
    EXPECT_EQ(c.selFill, LightenColor(s.highlight, 0.85));
    EXPECT_EQ(c.checkedFill, LightenColor(s.highlight, 0.85));
    EXPECT_EQ(XpCheckBoxFill(s.highlight), LightenColor(s.highlight, 0.85));
}

TEST(MenuColors, XpCaptionColours) {
    const MenuSysColors s = SampleColors();
    for (bool xp : {false, true}) {
        for (bool selected : {false, true}) {
            EXPECT_EQ(XpCaptionColor(s, xp, false, selected), s.menuText);
        }
        EXPECT_EQ(XpCaptionColor(s, xp, true, true), s.grayText);
    }
    EXPECT_EQ(XpCaptionColor(s, true, true, false), s.grayText);
    EXPECT_EQ(XpCaptionColor(s, false, true, false), LightenColor(s.grayText, 0.4));
}

TEST(MenuColors, ShadowPictureColour) {
    const Color shadow = MakeColor(128, 128, 128);
    EXPECT_EQ(ShadowPictureColor(shadow, true), shadow);
    EXPECT_EQ(ShadowPictureColor(shadow, false), LightenColor(shadow, 0.49));
    EXPECT_EQ(ShadowPictureColor(shadow, false), MakeColor(190, 190, 190));
}
