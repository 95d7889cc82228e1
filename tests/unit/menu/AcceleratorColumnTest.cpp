// Lining up accelerator texts with a measuring function.
#include <gtest/gtest.h>

#include <string>

#include "ui/menu/model/AcceleratorColumn.h"

using namespace tessel;

namespace {

// A proportional test font: spaces 2 pixels, everything else 6.
int FakeWidth(const std::string& s) {
    int w = 0;
    for (char c : s) w += c == ' ' ? 2 : 6;
    return w;
}

}  // namespace

TEST(AcceleratorColumn, HeadsArePaddedToTheWidestHeadPlusASpace) {
    const std::vector<std::string> captions = {"&Open\tCtrl+O", "Save &As...\tCtrl+Shift+S", "Exit", ""};
    const auto result = AlignAcceleratorCaptions(captions, FakeWidth);
    ASSERT_EQ(result.size(), 4u);
    // Widest head: "Save &As... " = 10 x 6 + 2 x 2 = 64.
    ASSERT_TRUE(result[0].has_value());
    EXPECT_EQ(*result[0], "&Open" + std::string(17, ' ') + "\tCtrl+O");
    ASSERT_TRUE(result[1].has_value());
    EXPECT_EQ(*result[1], "Save &As... \tCtrl+Shift+S");
    // Captions without TAB stay as they are.
    EXPECT_FALSE(result[2].has_value());
    EXPECT_FALSE(result[3].has_value());
    for (int i : {0, 1}) {
        const std::string& c = *result[static_cast<std::size_t>(i)];
        EXPECT_GE(FakeWidth(c.substr(0, c.find('\t'))), 64);
    }
}

TEST(AcceleratorColumn, ACaptionWithoutTabCanSetTheWidth) {
    const std::vector<std::string> captions = {"A\tF1", "A much longer label"};
    const auto result = AlignAcceleratorCaptions(captions, FakeWidth);
    ASSERT_TRUE(result[0].has_value());
    const std::string head = result[0]->substr(0, result[0]->find('\t'));
    EXPECT_GE(FakeWidth(head), FakeWidth("A much longer label "));
    EXPECT_LT(FakeWidth(head), FakeWidth("A much longer label ") + 2);
    EXPECT_EQ(result[0]->substr(result[0]->find('\t')), "\tF1");
}

TEST(AcceleratorColumn, EverythingFromTheFirstTabIsKept) {
    const auto result = AlignAcceleratorCaptions({"a\tb\tc", "bbb\tx"}, FakeWidth);
    ASSERT_TRUE(result[0].has_value());
    EXPECT_EQ(result[0]->substr(result[0]->find('\t')), "\tb\tc");
    EXPECT_EQ(result[0]->substr(0, 1), "a");
    // "bbb " (20 pixels) is the widest head: "a" needs 14 more, 7 spaces.
    EXPECT_EQ(*result[0], "a" + std::string(7, ' ') + "\tb\tc");
    EXPECT_EQ(*result[1], "bbb \tx");
}

TEST(AcceleratorColumn, EmptyMenuAndEmptyHeads) {
    EXPECT_TRUE(AlignAcceleratorCaptions({}, FakeWidth).empty());
    const auto result = AlignAcceleratorCaptions({"\tCtrl+X"}, FakeWidth);
    ASSERT_TRUE(result[0].has_value());
    EXPECT_EQ(*result[0], " \tCtrl+X");
}

TEST(AcceleratorColumn, AFontWithoutSpaceWidthDoesNotLoopForever) {
    int calls = 0;
    const TextWidthFunction noSpaces = [&calls](const std::string& s) {
        ++calls;
        int w = 0;
        for (char c : s) w += c == ' ' ? 0 : 6;
        return w;
    };
    const auto result = AlignAcceleratorCaptions({"a\tx", "abc\ty"}, noSpaces);
    ASSERT_TRUE(result[0].has_value());
    EXPECT_EQ(result[0]->substr(result[0]->find('\t')), "\tx");
    EXPECT_LT(calls, 20);
    // A width that never reaches the target stops after the padding limit.
    const TextWidthFunction unreachable = [](const std::string& s) {
        return s == "big " ? 1000000 : static_cast<int>(s.size());
    };
    const auto r2 = AlignAcceleratorCaptions({"big", "ab\ty"}, unreachable);
    ASSERT_TRUE(r2[1].has_value());
    EXPECT_EQ(r2[1]->find('\t'), static_cast<std::size_t>(2 + kMaxAcceleratorPadding));
    EXPECT_EQ(r2[1]->substr(r2[1]->find('\t')), "\ty");
}
