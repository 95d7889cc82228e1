// Item geometry of the classic and XP looks.
#include <gtest/gtest.h>

#include "ui/menu/draw/ItemLayout.h"

using namespace tessel;

namespace {

void ExpectRect(const ItemRect& r, int l, int t, int rt, int b, const char* what) {
    EXPECT_EQ(r, (ItemRect{l, t, rt, b}))
        << what << ": got (" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

}  // namespace

TEST(ItemLayout, FloorHalfRoundsTowardMinusInfinity) {
    EXPECT_EQ(FloorHalf(0), 0);
    EXPECT_EQ(FloorHalf(4), 2);
    EXPECT_EQ(FloorHalf(5), 2);
    EXPECT_EQ(FloorHalf(-1), -1);
    EXPECT_EQ(FloorHalf(-3), -2);
    EXPECT_EQ(FloorHalf(-4), -2);
}

TEST(ItemLayout, GrayedItemsLoseTheSelectionUnlessAllowed) {
    EXPECT_TRUE(EffectiveSelected(true, false, false));
    EXPECT_TRUE(EffectiveSelected(true, true, true));
    EXPECT_FALSE(EffectiveSelected(true, true, false));
    EXPECT_FALSE(EffectiveSelected(false, false, true));
    EXPECT_FALSE(EffectiveSelected(false, true, true));
}

TEST(PictureState, NoPictureNoCheck) {
    const PictureState s = DerivePictureState(-1, false, true, false, -1, -1);
    EXPECT_FALSE(s.useCheckImages);
    EXPECT_FALSE(s.hasPicture);
    EXPECT_FALSE(s.usesColumn);
}

TEST(PictureState, PictureStates) {
    const PictureState enabled = DerivePictureState(0, false, false, false, -1, -1);
    EXPECT_TRUE(enabled.hasPicture);
    EXPECT_TRUE(enabled.usesColumn);
    EXPECT_FALSE(enabled.selectedPicture);
    EXPECT_FALSE(enabled.disabledPicture);

    const PictureState selected = DerivePictureState(0, false, true, false, -1, -1);
    EXPECT_TRUE(selected.selectedPicture);
    EXPECT_FALSE(selected.disabledPicture);

    for (bool sel : {false, true}) {
        const PictureState grayed = DerivePictureState(0, false, sel, true, -1, -1);
        EXPECT_FALSE(grayed.selectedPicture);
        EXPECT_TRUE(grayed.disabledPicture);
    }
}

TEST(PictureState, CheckPicturesStandInOnlyForCheckedItemsWithoutPicture) {
    // Unselected: the unselected check bitmap id decides.
    EXPECT_TRUE(DerivePictureState(-1, true, false, false, -1, 300).useCheckImages);
    EXPECT_FALSE(DerivePictureState(-1, true, false, false, 300, -1).useCheckImages);
    // Selected: either id will do.
    EXPECT_TRUE(DerivePictureState(-1, true, true, false, 300, -1).useCheckImages);
    EXPECT_TRUE(DerivePictureState(-1, true, true, false, -1, 300).useCheckImages);
    // Id 0 does not count; neither does an unchecked item or one with a picture.
    EXPECT_FALSE(DerivePictureState(-1, true, true, false, 0, 0).useCheckImages);
    EXPECT_FALSE(DerivePictureState(-1, false, true, false, 300, 300).useCheckImages);
    const PictureState withPicture = DerivePictureState(0, true, true, false, 300, 300);
    EXPECT_FALSE(withPicture.useCheckImages);
    EXPECT_TRUE(withPicture.hasPicture);

    const PictureState check = DerivePictureState(-1, true, false, false, -1, 300);
    EXPECT_TRUE(check.usesColumn);
    EXPECT_FALSE(check.hasPicture);
    // Another negative flag with check pictures is still not a picture.
    EXPECT_FALSE(DerivePictureState(-2, true, false, false, -1, 300).hasPicture);
    EXPECT_TRUE(DerivePictureState(-2, false, false, false, -1, 300).hasPicture);
}

TEST(PictureChoice, ClassicPrefersTheOwnPictureFlag) {
    const PictureChoice shared = ChooseClassicPicture(-1, -1, 4);
    EXPECT_EQ(shared.source, PictureSource::Shared);
    EXPECT_EQ(shared.index, 4);
    EXPECT_EQ(shared.flag, 0);
    // The classic look ignores the own index when choosing.
    EXPECT_EQ(ChooseClassicPicture(-1, 2, 4).source, PictureSource::Shared);
    const PictureChoice own = ChooseClassicPicture(0, 2, 4);
    EXPECT_EQ(own.source, PictureSource::Own);
    EXPECT_EQ(own.index, 2);
    EXPECT_EQ(own.flag, 0);
    const PictureChoice none = ChooseClassicPicture(-1, -1, -1);
    EXPECT_EQ(none.source, PictureSource::Own);
    EXPECT_EQ(none.flag, -1);
    EXPECT_FALSE(none.hasEffects);
}

TEST(PictureChoice, XpSharedPictureAndItsEffects) {
    const PictureChoice c = ChooseXpPicture(-1, -1, -1, 6, true, true);
    EXPECT_EQ(c.source, PictureSource::Shared);
    EXPECT_EQ(c.index, 6);
    EXPECT_EQ(c.flag, 0);
    EXPECT_TRUE(c.hasEffects);
    EXPECT_EQ(c.fadedIndex, 7);
    EXPECT_EQ(c.shadowIndex, 8);
    EXPECT_FALSE(ChooseXpPicture(-1, -1, -1, 6, false, true).hasEffects);
    EXPECT_FALSE(ChooseXpPicture(-1, -1, -1, 6, true, false).hasEffects);
    // An own index blocks the shared picture in the XP look.
    const PictureChoice blocked = ChooseXpPicture(-1, 2, -1, 6, true, true);
    EXPECT_EQ(blocked.source, PictureSource::Own);
    EXPECT_EQ(blocked.flag, -1);
}

TEST(PictureChoice, XpOwnPictureEffectsNeedIndexZeroAndThreePictures) {
    const PictureChoice c = ChooseXpPicture(0, 0, 3, -1, true, false);
    EXPECT_EQ(c.source, PictureSource::Own);
    EXPECT_TRUE(c.hasEffects);
    EXPECT_EQ(c.fadedIndex, 1);
    EXPECT_EQ(c.shadowIndex, 2);
    EXPECT_FALSE(ChooseXpPicture(0, 0, 2, -1, true, false).hasEffects);
    EXPECT_FALSE(ChooseXpPicture(0, 1, 5, -1, true, false).hasEffects);
    EXPECT_FALSE(ChooseXpPicture(0, 0, 5, -1, false, false).hasEffects);
    EXPECT_FALSE(ChooseXpPicture(0, 0, -1, -1, true, false).hasEffects);
}

TEST(ClassicLayout, DefaultPictureInANineteenPixelItem) {
    const ClassicLayout l = ComputeClassicLayout({0, 0, 200, 19}, 16, 15, true, false);
    ExpectRect(l.highlight, 21, 0, 200, 19, "highlight beside the column");
    EXPECT_EQ(l.dy, 0);
    ExpectRect(l.inner, 1, 1, 19, 18, "inner");
    ExpectRect(l.outer, 0, 0, 20, 19, "outer");
    EXPECT_EQ(l.picture.x, 2);
    EXPECT_EQ(l.picture.y, 2);
    ExpectRect(l.checkBox, 1, 2, 17, 17, "check box");
    ExpectRect(l.text, 25, -1, 200, 18, "text");
}

TEST(ClassicLayout, FullWidthBarWithoutColumnAndTabShortensText) {
    const ClassicLayout l = ComputeClassicLayout({10, 40, 210, 65}, 16, 15, false, true);
    ExpectRect(l.highlight, 10, 40, 210, 65, "highlight");
    EXPECT_EQ(l.dy, 3);  // (25 - 15 - 4) / 2
    ExpectRect(l.outer, 10, 43, 30, 62, "outer");
    ExpectRect(l.inner, 11, 44, 29, 61, "inner");
    EXPECT_EQ(l.picture.x, 12);
    EXPECT_EQ(l.picture.y, 45);
    ExpectRect(l.text, 35, 39, 194, 64, "text ends iw before the right edge");
}

TEST(ClassicLayout, ShortItemsPutThePictureAtTheTop) {
    EXPECT_EQ(ComputeClassicLayout({0, 0, 100, 20}, 16, 15, true, false).dy, 0);  // 1 / 2
    EXPECT_EQ(ComputeClassicLayout({0, 0, 100, 21}, 16, 15, true, false).dy, 1);
    EXPECT_EQ(ComputeClassicLayout({0, 0, 100, 10}, 16, 15, true, false).dy, 0);
    EXPECT_EQ(ComputeClassicLayout({0, 5, 100, 0}, 16, 15, true, false).dy, 0);
}

TEST(ClassicLayout, SeparatorLineAtTheVerticalMiddle) {
    ExpectRect(ClassicSeparatorLine({0, 0, 100, 9}), 0, 4, 100, 9, "odd height");
    ExpectRect(ClassicSeparatorLine({0, 10, 100, 20}), 0, 15, 100, 20, "even height");
    ExpectRect(ClassicSeparatorLine({0, 10, 100, 7}), 0, 8, 100, 7, "inverted");
}

TEST(XpLayout, WithPictureEffects) {
    const XpLayout l = ComputeXpLayout({0, 0, 200, 22}, 16, 15, true, false);
    EXPECT_EQ(l.pad, 7);
    EXPECT_EQ(l.columnWidth, 23);
    ExpectRect(l.column, 0, 0, 23, 22, "column");
    EXPECT_EQ(l.dx, 4);
    EXPECT_EQ(l.dy, 4);  // trunc(8 * 0.5)
    ExpectRect(l.box, 1, 1, 22, 21, "box");
    EXPECT_EQ(l.picture.x, 4);
    EXPECT_EQ(l.picture.y, 4);
    ExpectRect(l.checkBox, 4, 3, 20, 19, "check box");
    ExpectRect(l.text, 31, -1, 200, 21, "text starts at iw + 15");
}

TEST(XpLayout, WithoutPictureEffects) {
    const XpLayout l = ComputeXpLayout({5, 100, 305, 119}, 16, 15, false, true);
    EXPECT_EQ(l.pad, 4);
    EXPECT_EQ(l.columnWidth, 20);
    ExpectRect(l.column, 5, 100, 25, 119, "column");
    EXPECT_EQ(l.dx, 2);
    EXPECT_EQ(l.dy, 2);  // trunc(5 * 0.5)
    EXPECT_EQ(l.picture.x, 7);
    EXPECT_EQ(l.picture.y, 102);
    // cx = trunc(5 * 0.5) = 2, cy = trunc(4 * 0.5) = 2.
    ExpectRect(l.checkBox, 7, 102, 23, 118, "check box");
    ExpectRect(l.text, 33, 99, 289, 118, "text starts at iw + 12 and ends iw early");
}

TEST(XpLayout, TightItemsClampOffsetsAtZero) {
    const XpLayout l = ComputeXpLayout({0, 0, 100, 10}, 16, 15, false, false);
    EXPECT_EQ(l.dy, 0);
    ExpectRect(l.checkBox, 2, 0, 18, 16, "check box");
    const XpLayout wide = ComputeXpLayout({0, 0, 100, 40}, 40, 15, false, false);
    EXPECT_EQ(wide.dx, 2);
    EXPECT_EQ(wide.checkBox.left, 14);  // trunc((44 - 16 + 1) * 0.5)
}

TEST(XpLayout, SeparatorLineStartsPadPixelsRightOfTheColumn) {
    ExpectRect(XpSeparatorLine({0, 0, 200, 11}, 23, 7), 30, 5, 200, 11, "with effects");
    ExpectRect(XpSeparatorLine({10, 20, 200, 29}, 20, 4), 34, 24, 200, 29, "without");
}

TEST(CheckMarks, OriginsInTheBoxes) {
    const ItemRect box{10, 20, 26, 36};
    EXPECT_EQ(CheckMarkOrigin(box, false, false).x, 14);
    EXPECT_EQ(CheckMarkOrigin(box, false, true).x, 15);
    EXPECT_EQ(CheckMarkOrigin(box, true, false).x, 15);
    EXPECT_EQ(CheckMarkOrigin(box, true, true).x, 15);
    for (bool radio : {false, true}) {
        for (bool xp : {false, true}) EXPECT_EQ(CheckMarkOrigin(box, radio, xp).y, 24);
    }
}

TEST(XpPictures, SelectedWithEffectsRisesOverItsShadow) {
    const std::vector<PictureDraw> d = XpPictureDraws({10, 20}, true, false, true);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].variant, PictureVariant::Shadow);
    EXPECT_EQ(d[0].x, 11);
    EXPECT_EQ(d[0].y, 21);
    EXPECT_EQ(d[1].variant, PictureVariant::Normal);
    EXPECT_EQ(d[1].x, 9);
    EXPECT_EQ(d[1].y, 19);
}

TEST(XpPictures, OtherStates) {
    const std::vector<PictureDraw> plainSelected = XpPictureDraws({10, 20}, true, false, false);
    ASSERT_EQ(plainSelected.size(), 1u);
    EXPECT_EQ(plainSelected[0].variant, PictureVariant::Normal);
    EXPECT_EQ(plainSelected[0].x, 10);

    for (bool selected : {false, true}) {
        const std::vector<PictureDraw> checked = XpPictureDraws({10, 20}, selected, true, true);
        ASSERT_EQ(checked.size(), 1u);
        EXPECT_EQ(checked[0].variant, PictureVariant::Normal);  // no effects when checked
        EXPECT_EQ(checked[0].x, 9);
        EXPECT_EQ(checked[0].y, 19);
    }

    const std::vector<PictureDraw> faded = XpPictureDraws({10, 20}, false, false, true);
    ASSERT_EQ(faded.size(), 1u);
    EXPECT_EQ(faded[0].variant, PictureVariant::Faded);
    EXPECT_EQ(faded[0].x, 10);
    EXPECT_EQ(faded[0].y, 20);

    const std::vector<PictureDraw> plain = XpPictureDraws({10, 20}, false, false, false);
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].variant, PictureVariant::Normal);
}

TEST(Captions, SplitAtFirstAndLastTab) {
    const CaptionParts a = SplitCaption("&Open\tCtrl+O");
    EXPECT_TRUE(a.hasTab);
    EXPECT_EQ(a.label, "&Open");
    EXPECT_EQ(a.accelerator, "Ctrl+O");
    const CaptionParts b = SplitCaption("a\tb\tc");
    EXPECT_EQ(b.label, "a");
    EXPECT_EQ(b.accelerator, "c");
    const CaptionParts c = SplitCaption("plain");
    EXPECT_FALSE(c.hasTab);
    EXPECT_EQ(c.label, "plain");
    EXPECT_EQ(c.accelerator, "");
    const CaptionParts d = SplitCaption("x\t");
    EXPECT_TRUE(d.hasTab);
    EXPECT_EQ(d.label, "x");
    EXPECT_EQ(d.accelerator, "");
    const CaptionParts e = SplitCaption("\t");
    EXPECT_TRUE(e.hasTab);
    EXPECT_EQ(e.label, "");
    const CaptionParts chinese = SplitCaption("\xB4\xF2\xBF\xAA(&O)\tCtrl+O");
    EXPECT_EQ(chinese.label, "\xB4\xF2\xBF\xAA(&O)");
    EXPECT_EQ(chinese.accelerator, "Ctrl+O");
}

TEST(Captions, ClassicInk) {
    EXPECT_EQ(ClassicCaptionInk(false, false), CaptionInk::Normal);
    EXPECT_EQ(ClassicCaptionInk(false, true), CaptionInk::Normal);
    EXPECT_EQ(ClassicCaptionInk(true, false), CaptionInk::Engraved);
    EXPECT_EQ(ClassicCaptionInk(true, true), CaptionInk::Background);
}
