// Colour arithmetic of the flat button: the shared shift of all three
// channels and the grey level of the grey icon copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ui/button/ColorMath.h"

namespace {

// The shift, restated: the amount is capped by the channel with the least
// room in the shift's direction.
COLORREF ExpectedShift(int r, int g, int b, int shift) {
    int d;
    if (shift > 0)
        d = std::min(shift, 255 - std::max({r, g, b}));
    else
        d = std::max(shift, -std::min({r, g, b}));
    return RGB(r + d, g + d, b + d);
}

std::vector<int> ChannelGrid() {
    std::vector<int> grid;
    for (int v = 0; v <= 255; v += 15) grid.push_back(v);  // 0, 15, ..., 255
    for (int v : {1, 2, 29, 30, 31, 128, 224, 225, 226, 253, 254}) grid.push_back(v);
    return grid;
}

}  // namespace

TEST(ShiftColor, MatchesTheCappedSharedShiftOverAGridOfColoursAndEveryShift) {
    const std::vector<int> grid = ChannelGrid();
    int checked = 0;
    for (int r : grid)
        for (int g : grid)
            for (int b : grid)
                for (int shift = -255; shift <= 255; shift += (shift > -250 && shift < 250) ? 7 : 1) {
                    const COLORREF got = flatbutton::ShiftColor(RGB(r, g, b), shift);
                    ASSERT_EQ(got, ExpectedShift(r, g, b, shift))
                        << "colour " << r << "," << g << "," << b << " shift " << shift;
                    ASSERT_EQ(got >> 24, 0u);
                    ++checked;
                }
    EXPECT_GT(checked, 1000000);
}

TEST(ShiftColor, UsesTheSameAmountForAllChannels) {
    EXPECT_EQ(flatbutton::ShiftColor(RGB(250, 100, 0), 30), RGB(255, 105, 5));
    EXPECT_EQ(flatbutton::ShiftColor(RGB(250, 100, 0), -30), RGB(250, 100, 0));
    EXPECT_EQ(flatbutton::ShiftColor(RGB(100, 120, 140), -30), RGB(70, 90, 110));
    EXPECT_EQ(flatbutton::ShiftColor(RGB(100, 120, 140), 0), RGB(100, 120, 140));
}

TEST(ShiftColor, LeavesWhiteUpAndBlackDownUnchanged) {
    for (int shift : {1, 30, 255}) {
        EXPECT_EQ(flatbutton::ShiftColor(RGB(255, 255, 255), shift), RGB(255, 255, 255));
        EXPECT_EQ(flatbutton::ShiftColor(RGB(0, 0, 0), -shift), RGB(0, 0, 0));
    }
    EXPECT_EQ(flatbutton::ShiftColor(RGB(0, 0, 0), 255), RGB(255, 255, 255));
    EXPECT_EQ(flatbutton::ShiftColor(RGB(255, 255, 255), -255), RGB(0, 0, 0));
}

TEST(ShiftColor, IgnoresTheTopByteOfItsInput) {
    EXPECT_EQ(flatbutton::ShiftColor(0x02000000 | RGB(10, 20, 30), 5), RGB(15, 25, 35));
}

TEST(GrayLevel, WeighsTheChannelsAsTheLuminanceFormula) {
    EXPECT_EQ(flatbutton::GrayLevel(RGB(255, 255, 255)), 255);
    EXPECT_EQ(flatbutton::GrayLevel(RGB(255, 0, 0)), 76);
    EXPECT_EQ(flatbutton::GrayLevel(RGB(0, 255, 0)), 149);
    EXPECT_EQ(flatbutton::GrayLevel(RGB(0, 0, 255)), 29);
    EXPECT_EQ(flatbutton::GrayLevel(RGB(0, 0, 0)), 0);
    EXPECT_EQ(flatbutton::GrayLevel(RGB(128, 128, 128)), 128);
}

TEST(GrayLevel, GivesTheDoublePrecisionResultForEveryGrey) {
    // For a grey v the exact weighted sum is v, but the double constants sum
    // to a hair under 1: after rounding each step to double, exactly these
    // greys land just below v and truncate one darker (computed apart, in
    // IEEE double arithmetic). Extended precision would darken others, white
    // among them.
    const std::vector<int> darker = {23, 46, 57, 59, 92, 114, 118, 127, 184, 205, 223, 228, 236, 241, 249, 254};
    for (int v = 0; v <= 255; ++v) {
        const bool isDarker = std::find(darker.begin(), darker.end(), v) != darker.end();
        EXPECT_EQ(flatbutton::GrayLevel(RGB(v, v, v)), isDarker ? v - 1 : v) << "grey " << v;
    }
}

TEST(GrayLevel, StaysWithinOneOfTheExactIntegerFormulaForAllColours) {
    // The exact value is (299 R + 587 G + 114 B) / 1000; rounding in double
    // may only matter where that value is an integer.
    int differences = 0;
    for (int r = 0; r < 256; r += 3)
        for (int g = 0; g < 256; g += 1)
            for (int b = 0; b < 256; b += 5) {
                const int exact = (299 * r + 587 * g + 114 * b) / 1000;
                const int got = flatbutton::GrayLevel(RGB(r, g, b));
                ASSERT_GE(got, exact - 1);
                ASSERT_LE(got, exact);
                if (got != exact) {
                    ++differences;
                    ASSERT_EQ((299 * r + 587 * g + 114 * b) % 1000, 0)
                        << "colour " << r << "," << g << "," << b << " got " << got << " exact " << exact;
                }
            }
    RecordProperty("differences", differences);
}
