// Item-record bookkeeping: append flags, resynchronisation, foreign items.
#include <gtest/gtest.h>

#include "ui/menu/model/MenuSync.h"

using namespace tessel;

TEST(AppendFlags, CommandsAndPopupsBecomeOwnerDrawn) {
    EXPECT_EQ(AppendItemFlags(0x0, 100), 0x100u);
    EXPECT_EQ(AppendItemFlags(0x11, 0x1234), 0x111u);  // grayed popup
    EXPECT_EQ(AppendItemFlags(0x508, 5), 0x508u);
}

TEST(AppendFlags, IdZeroIsASeparatorKeepingOnlyByPosition) {
    EXPECT_EQ(AppendItemFlags(0x0, 0), 0x900u);
    EXPECT_EQ(AppendItemFlags(0x400, 0), 0xD00u);
    EXPECT_EQ(AppendItemFlags(0x11, 0), 0x900u);
    EXPECT_EQ(AppendItemFlags(0x40B, 0), 0xD00u);
    EXPECT_EQ(AppendItemFlags(0xFFFFFFFF, 0), 0xD00u);
}

TEST(SyncFlags, ClassifyMenuStates) {
    EXPECT_EQ(ClassifyMenuState(0x0310), PositionKind::Popup);
    EXPECT_EQ(ClassifyMenuState(0x0810), PositionKind::Popup);
    EXPECT_EQ(ClassifyMenuState(0x0800), PositionKind::Separator);
    EXPECT_EQ(ClassifyMenuState(0x0903), PositionKind::Separator);
    EXPECT_EQ(ClassifyMenuState(0x0000), PositionKind::Command);
    EXPECT_EQ(ClassifyMenuState(0x0108), PositionKind::Command);
}

TEST(SyncFlags, RecordFlagsFromStates) {
    // Popups drop the item count of the high byte.
    EXPECT_EQ(PopupRecordFlags(0x0310), 0x510u);
    EXPECT_EQ(PopupRecordFlags(0xFF11), 0x511u);
    EXPECT_EQ(PopupRecordFlags(0x0390), 0x590u);
    EXPECT_EQ(SeparatorRecordFlags(0x0800), 0xD00u);
    EXPECT_EQ(SeparatorRecordFlags(0x0903), 0xD03u);
    EXPECT_EQ(CommandRecordFlags(0x0000), 0x500u);
    EXPECT_EQ(CommandRecordFlags(0x0009), 0x509u);
    EXPECT_EQ(CommandRecordFlags(0x4000), 0x4500u);
}

TEST(SyncMatch, FirstUnclaimedRecordWithTheIdWins) {
    const std::vector<int> m = MatchRecordsToPositions({5, 0, 5, 7}, {5, 5, 5, 0, 9, 7});
    EXPECT_EQ(m, (std::vector<int>{0, 2, -1, 1, -1, 3}));
}

TEST(SyncMatch, ReorderedRemovedAndInserted) {
    // Records for 10, 20, 30; the menu now holds 30, 10, 40.
    EXPECT_EQ(MatchRecordsToPositions({10, 20, 30}, {30, 10, 40}), (std::vector<int>{2, 0, -1}));
    EXPECT_EQ(MatchRecordsToPositions({}, {1, 2}), (std::vector<int>{-1, -1}));
    EXPECT_TRUE(MatchRecordsToPositions({1, 2}, {}).empty());
    // Separators pair up in order.
    EXPECT_EQ(MatchRecordsToPositions({0, 1, 0}, {0, 0, 0}), (std::vector<int>{0, 2, -1}));
}

TEST(ForeignItems, OnlyForLoadedMenus) {
    EXPECT_EQ(CountForeignLeadingItems(false, {"", "&File"}, {"&File"}), 0);
    EXPECT_EQ(CountForeignLeadingItems(true, {"", "&File"}, {"&File"}), 1);
}

TEST(ForeignItems, FirstPositionMatchingAnyRecordDecides) {
    EXPECT_EQ(CountForeignLeadingItems(true, {"", "", "&File", "&Edit"}, {"&File", "&Edit"}), 2);
    // The second record matched first: position 2 minus record 1.
    EXPECT_EQ(CountForeignLeadingItems(true, {"x", "y", "&Edit"}, {"&File", "&Edit"}), 1);
    // Position before its record: no foreign items.
    EXPECT_EQ(CountForeignLeadingItems(true, {"&Edit", "&File"}, {"&File", "&Edit"}), 0);
    EXPECT_EQ(CountForeignLeadingItems(true, {"a", "b"}, {"&File"}), 0);
    EXPECT_EQ(CountForeignLeadingItems(true, {}, {"&File"}), 0);
    // Empty captions never match, not even empty record captions.
    EXPECT_EQ(CountForeignLeadingItems(true, {"", "", "z"}, {"", "z"}), 1);
    // Comparison is exact.
    EXPECT_EQ(CountForeignLeadingItems(true, {"&file", "&File"}, {"&File"}), 1);
}
