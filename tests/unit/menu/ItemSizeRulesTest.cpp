// WM_MEASUREITEM arithmetic.
#include <gtest/gtest.h>

#include "ui/menu/measure/ItemSizeRules.h"

using namespace tessel;

TEST(ItemSizeRules, PaddingIsSevenOnlyForXpWithEffects) {
    EXPECT_EQ(ItemPadding(true, true), 7);
    EXPECT_EQ(ItemPadding(true, false), 4);
    EXPECT_EQ(ItemPadding(false, true), 4);
    EXPECT_EQ(ItemPadding(false, false), 4);
}

TEST(ItemSizeRules, SeparatorsWithDefaultPictures) {
    // Classic: (15 + 4) / 2 = 9 against half the menu height.
    EXPECT_EQ(SeparatorItemSize(15, 4, 19).width, 0);
    EXPECT_EQ(SeparatorItemSize(15, 4, 19).height, 9);
    EXPECT_EQ(SeparatorItemSize(15, 4, 20).height, 10);
    EXPECT_EQ(SeparatorItemSize(15, 4, 18).height, 9);
    EXPECT_EQ(SeparatorItemSize(15, 4, 30).height, 15);
    // XP with effects: (15 + 7) / 2 = 11.
    EXPECT_EQ(SeparatorItemSize(15, 7, 19).height, 11);
    EXPECT_EQ(SeparatorItemSize(15, 7, 23).height, 11);
    EXPECT_EQ(SeparatorItemSize(15, 7, 24).height, 12);
    // Both halves are rounded down on their own.
    EXPECT_EQ(SeparatorItemSize(16, 5, 21).height, 10);
}

TEST(ItemSizeRules, ClassicItems) {
    const ItemSize s = CommandItemSize(50, 16, 15, 4, false, 19);
    EXPECT_EQ(s.width, 83);  // caption + 33
    EXPECT_EQ(s.height, 19);
    EXPECT_EQ(CommandItemSize(50, 16, 15, 4, false, 18).height, 19);
    EXPECT_EQ(CommandItemSize(50, 16, 15, 4, false, 25).height, 25);
    EXPECT_EQ(CommandItemSize(0, 16, 15, 4, false, 19).width, 33);
    // Larger pictures widen the column twice over.
    EXPECT_EQ(CommandItemSize(50, 32, 32, 4, false, 19).width, 50 + 65);
    EXPECT_EQ(CommandItemSize(50, 32, 32, 4, false, 19).height, 36);
}

TEST(ItemSizeRules, XpItems) {
    EXPECT_EQ(CommandItemSize(50, 16, 15, 7, true, 19).width, 81);  // caption + 31
    EXPECT_EQ(CommandItemSize(50, 16, 15, 7, true, 19).height, 22);
    EXPECT_EQ(CommandItemSize(50, 16, 15, 7, true, 23).height, 23);
    EXPECT_EQ(CommandItemSize(50, 16, 15, 4, true, 19).width, 78);  // caption + 28
    EXPECT_EQ(CommandItemSize(50, 16, 15, 4, true, 19).height, 19);
    EXPECT_EQ(CommandItemSize(50, 16, 15, 4, true, 17).height, 19);
}

TEST(ItemSizeRules, Win32sCaptionWidth) {
    EXPECT_EQ(Win32sCaptionWidth(40, 10), 43 + 3 * 4);
    EXPECT_EQ(Win32sCaptionWidth(40, 1), 43 + 3 * 43);
    EXPECT_EQ(Win32sCaptionWidth(40, 0), 43);  // nothing added for an empty caption
    EXPECT_EQ(Win32sCaptionWidth(0, 5), 3);
    EXPECT_EQ(Win32sCaptionWidth(7, 3), 10 + 3 * 3);
}
