// Placement of the button's image and caption, as pure rectangle arithmetic.
#include <gtest/gtest.h>

#include "ui/button/ButtonLayout.h"

namespace {

using flatbutton::CentreCaption;
using flatbutton::ImageLayout;
using flatbutton::PlaceImage;
using flatbutton::PressCaption;

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

::testing::AssertionResult RectIs(const RECT& got, LONG l, LONG t, LONG r, LONG b) {
    if (Same(got, RECT{l, t, r, b})) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got {" << got.left << "," << got.top << "," << got.right << ","
                                         << got.bottom << "}, want {" << l << "," << t << "," << r << "," << b << "}";
}

ImageLayout Layout(BYTE align) {
    ImageLayout layout;
    layout.align = align;
    return layout;
}

const RECT kItem = {0, 0, 97, 36};  // the Exit button's size
const RECT kClient = {0, 0, 97, 36};

}  // namespace

TEST(PlaceImage, LeftWithCaptionSitsAtTheMarginCentredVerticallyAndNarrowsTheCaption) {
    RECT caption = kItem;
    RECT image = PlaceImage(Layout(0), true, kItem, kClient, &caption, false, 32, 32);
    EXPECT_TRUE(RectIs(image, 3, 2, 97, 36));
    EXPECT_TRUE(RectIs(caption, 35, 0, 97, 36));
}

TEST(PlaceImage, LeftWithoutCaptionIsCentredBothWays) {
    RECT caption = kItem;
    RECT image = PlaceImage(Layout(0), false, kItem, kClient, &caption, false, 16, 16);
    EXPECT_TRUE(RectIs(image, 40, 10, 97, 36));
    EXPECT_TRUE(Same(caption, kItem));
}

TEST(PlaceImage, AboveWithCaptionStartsAtTheTopMarginAndPushesTheCaptionDown) {
    const RECT item = {0, 0, 60, 60};
    RECT caption = item;
    RECT image = PlaceImage(Layout(1), true, item, item, &caption, false, 16, 16);
    EXPECT_TRUE(RectIs(image, 22, 3, 60, 60));
    EXPECT_TRUE(RectIs(caption, 0, 16, 60, 60));
}

TEST(PlaceImage, AboveWithoutCaptionIsCentredBothWays) {
    const RECT item = {0, 0, 60, 61};
    RECT caption = item;
    RECT image = PlaceImage(Layout(1), false, item, item, &caption, false, 16, 16);
    EXPECT_TRUE(RectIs(image, 22, 22, 60, 61));
    EXPECT_TRUE(Same(caption, item));
}

TEST(PlaceImage, RightWithCaptionUsesTheClientEdgeAndMovesTheCaptionToTheMargin) {
    const RECT item = {0, 0, 100, 30};
    const RECT client = {0, 0, 100, 30};
    RECT caption = item;
    RECT image = PlaceImage(Layout(2), true, item, client, &caption, false, 16, 16);
    EXPECT_TRUE(RectIs(image, 81, 7, 100, 30));
    EXPECT_TRUE(RectIs(caption, 3, 0, 81, 30));
}

TEST(PlaceImage, RightWithCaptionSubtractsTheCaptionsOwnLeftToo) {
    // The caption's right edge loses its left offset as well as the image.
    const RECT item = {0, 0, 100, 30};
    RECT caption = {5, 0, 100, 30};
    RECT image = PlaceImage(Layout(2), true, item, item, &caption, false, 10, 10);
    EXPECT_TRUE(RectIs(caption, 3, 0, 82, 30));
    EXPECT_EQ(image.left, 87);
}

TEST(PlaceImage, RightWithoutCaptionIsCentredAcrossButKeepsTheTop) {
    const RECT item = {0, 0, 100, 30};
    RECT caption = item;
    RECT image = PlaceImage(Layout(2), false, item, item, &caption, false, 16, 16);
    EXPECT_TRUE(RectIs(image, 42, 0, 100, 30));
    EXPECT_TRUE(Same(caption, item));
}

TEST(PlaceImage, UnknownAlignmentLeavesTheImageOnTheItem) {
    RECT caption = kItem;
    RECT image = PlaceImage(Layout(7), true, kItem, kClient, &caption, false, 16, 16);
    EXPECT_TRUE(Same(image, kItem));
    EXPECT_TRUE(Same(caption, kItem));
}

TEST(PlaceImage, PressedMovesTheImageByThePushOffsetInEveryAlignment) {
    for (BYTE align : {0, 1, 2}) {
        for (bool hasCaption : {false, true}) {
            for (POINT offset : {POINT{1, 1}, POINT{0, 2}}) {
                ImageLayout layout = Layout(align);
                layout.pushOffset = offset;
                RECT captionUp = kItem, captionDown = kItem;
                RECT up = PlaceImage(layout, hasCaption, kItem, kClient, &captionUp, false, 16, 16);
                RECT down = PlaceImage(layout, hasCaption, kItem, kClient, &captionDown, true, 16, 16);
                EXPECT_TRUE(
                    RectIs(down, up.left + offset.x, up.top + offset.y, up.right + offset.x, up.bottom + offset.y))
                    << "align " << int(align) << " caption " << hasCaption;
                EXPECT_TRUE(Same(captionUp, captionDown)) << "the image alone moves here";
            }
        }
    }
}

TEST(PlaceImage, CheckStyleDoesNotMoveWhenPressed) {
    for (BYTE align : {0, 1, 2}) {
        ImageLayout layout = Layout(align);
        layout.checkStyle = true;
        RECT captionUp = kItem, captionDown = kItem;
        RECT up = PlaceImage(layout, true, kItem, kClient, &captionUp, false, 16, 16);
        RECT down = PlaceImage(layout, true, kItem, kClient, &captionDown, true, 16, 16);
        EXPECT_TRUE(Same(up, down)) << "align " << int(align);
    }
}

TEST(PlaceImage, OddRemaindersTruncateTowardZero) {
    // An image wider than the item centres to a negative offset, -1 not -2.
    const RECT item = {0, 0, 13, 13};
    RECT caption = item;
    RECT image = PlaceImage(Layout(0), false, item, item, &caption, false, 16, 16);
    EXPECT_EQ(image.left, -1);
    EXPECT_EQ(image.top, -1);
}

TEST(CentreCaption, CentresTheMeasuredTextInTheArea) {
    const RECT area = {35, 0, 97, 36};
    const RECT extent = {35, 0, 59, 13};  // 24 x 13 measured from the corner
    EXPECT_TRUE(RectIs(CentreCaption(area, extent), 54, 11, 78, 24));
}

TEST(CentreCaption, CentresAWrappedBlockVertically) {
    const RECT area = {0, 0, 60, 60};
    const RECT extent = {0, 0, 58, 39};  // three lines
    EXPECT_TRUE(RectIs(CentreCaption(area, extent), 1, 10, 59, 49));
}

TEST(CentreCaption, TextWiderThanTheAreaMovesLeftByHalfTheExcessTruncated) {
    const RECT area = {10, 0, 40, 20};
    const RECT extent = {10, 0, 45, 13};
    EXPECT_TRUE(RectIs(CentreCaption(area, extent), 8, 3, 43, 16));
}

TEST(PressCaption, MovesByThePushOffsetUnlessCheckStyleOrNotPressed) {
    ImageLayout layout;
    layout.pushOffset = POINT{0, 2};
    const RECT caption = {19, 0, 80, 30};
    EXPECT_TRUE(RectIs(PressCaption(layout, caption, true), 19, 2, 80, 32));
    EXPECT_TRUE(Same(PressCaption(layout, caption, false), caption));
    layout.checkStyle = true;
    EXPECT_TRUE(Same(PressCaption(layout, caption, true), caption));
}
