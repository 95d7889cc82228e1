// Faded and shadow copies, the greying and embossing shapes, the check mark.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tests/unit/menu/PictureReference.h"
#include "ui/menu/pictures/PictureEffects.h"

using namespace tessel;
using namespace menutest;

namespace {

const Color kFace = MakeColor(192, 192, 192);
const Color kHighlight = MakeColor(255, 255, 255);
const Color kShadow = MakeColor(128, 128, 128);
const Color kBackground = MakeColor(10, 20, 30);

ShapeMask MaskFrom(const std::vector<const char*>& rows) {
    ShapeMask m;
    m.height = static_cast<int>(rows.size());
    m.width = m.height == 0 ? 0 : static_cast<int>(std::string(rows[0]).size());
    for (const char* row : rows) {
        for (int x = 0; x < m.width; ++x) m.bits.push_back(row[x] == '#');
    }
    return m;
}

// One letter per result pixel: B background, H highlight, S shadow, '.' untouched.
std::vector<std::string> Picture(const TwoToneResult& r) {
    std::vector<std::string> rows;
    for (int y = 0; y < r.height; ++y) {
        std::string row;
        for (int x = 0; x < r.width; ++x) {
            const std::optional<Color> c = r.At(x, y);
            if (!c)
                row += '.';
            else if (*c == kBackground)
                row += 'B';
            else if (*c == kHighlight)
                row += 'H';
            else if (*c == kShadow)
                row += 'S';
            else
                row += '?';
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

TEST(FadedAndShadowPictures, KeyColourNeedsAPixelAtOneOne) {
    EXPECT_EQ(EffectKeyColor(16, 15, kFace), std::optional<Color>(kFace));
    EXPECT_EQ(EffectKeyColor(2, 2, kFace), std::optional<Color>(kFace));
    EXPECT_EQ(EffectKeyColor(1, 15, kFace), std::nullopt);
    EXPECT_EQ(EffectKeyColor(16, 1, kFace), std::nullopt);
    EXPECT_EQ(EffectKeyColor(0, 0, kFace), std::nullopt);
}

TEST(FadedAndShadowPictures, FadedCopyLightensAllButTheKey) {
    PixelGrid p(3, 2, kFace);
    p.Set(0, 0, MakeColor(0, 0, 0));
    p.Set(1, 0, MakeColor(255, 0, 0));
    p.Set(2, 1, MakeColor(100, 200, 50));
    MakeFadedPixels(p, kFace);
    EXPECT_EQ(p.At(0, 0), MakeColor(76, 76, 76));
    EXPECT_EQ(p.At(1, 0), MakeColor(255, 76, 76));
    EXPECT_EQ(p.At(2, 1), LightenColor(MakeColor(100, 200, 50), 0.3));
    EXPECT_EQ(p.At(2, 0), kFace);
    EXPECT_EQ(p.At(0, 1), kFace);
}

TEST(FadedAndShadowPictures, WithoutAKeyEveryPixelChanges) {
    PixelGrid p(1, 4, kFace);
    MakeFadedPixels(p, std::nullopt);
    for (Color c : p.pixels) EXPECT_EQ(c, LightenColor(kFace, 0.3));
    PixelGrid q(5, 1, kFace);
    MakeShadowPixels(q, std::nullopt, kShadow);
    for (Color c : q.pixels) EXPECT_EQ(c, kShadow);
}

TEST(FadedAndShadowPictures, ShadowCopyIsOneColourOutsideTheKey) {
    PixelGrid p(4, 4, kFace);
    p.Set(1, 1, MakeColor(1, 2, 3));
    p.Set(3, 2, MakeColor(255, 255, 255));
    const Color shadow = ShadowPictureColor(kShadow, false);
    MakeShadowPixels(p, kFace, shadow);
    int shadowed = 0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            if (p.At(x, y) == shadow)
                ++shadowed;
            else
                EXPECT_EQ(p.At(x, y), kFace) << x << "," << y;
        }
    }
    EXPECT_EQ(shadowed, 2);
    EXPECT_EQ(p.At(1, 1), shadow);
    EXPECT_EQ(p.At(3, 2), shadow);
}

TEST(GrayedShape, OnlyExactFaceAndHighlightAreBackground) {
    PixelGrid p(5, 1, kFace);
    p.Set(1, 0, kHighlight);
    p.Set(2, 0, MakeColor(254, 255, 255));  // almost white
    p.Set(3, 0, MakeColor(192, 192, 193));  // almost face
    p.Set(4, 0, MakeColor(0, 0, 0));
    const ShapeMask m = GrayedShapeMask(p, kFace, kHighlight);
    ASSERT_EQ(m.width, 5);
    ASSERT_EQ(m.height, 1);
    EXPECT_FALSE(m.At(0, 0));
    EXPECT_FALSE(m.At(1, 0));
    EXPECT_TRUE(m.At(2, 0));
    EXPECT_TRUE(m.At(3, 0));
    EXPECT_TRUE(m.At(4, 0));
    EXPECT_FALSE(m.At(5, 0));   // outside
    EXPECT_FALSE(m.At(-1, 0));  // outside
}

TEST(GrayedImage, AllFacePictureIsAPlainBoxOneLargerWithTwoUntouchedCorners) {
    const ShapeMask empty = MaskFrom({"...", "...", "..."});
    const TwoToneResult r = ComposeGrayedImage(empty, kBackground, kHighlight, kShadow);
    EXPECT_EQ(Picture(r), (std::vector<std::string>{
                              "BBB.",
                              "BBBB",
                              "BBBB",
                              ".BBB",
                          }));
}

TEST(GrayedImage, ShapeInShadowOverHighlightShiftedByOne) {
    const ShapeMask m = MaskFrom({
        "#..",
        ".#.",
        "..#",
    });
    const TwoToneResult r = ComposeGrayedImage(m, kBackground, kHighlight, kShadow);
    EXPECT_EQ(Picture(r), (std::vector<std::string>{
                              "SBB.",
                              "BSBB",
                              "BBSB",
                              ".BBH",
                          }));
    const ShapeMask bar = MaskFrom({"##.", "...", "..."});
    EXPECT_EQ(Picture(ComposeGrayedImage(bar, kBackground, kHighlight, kShadow)), (std::vector<std::string>{
                                                                                      "SSB.",
                                                                                      "BHHB",
                                                                                      "BBBB",
                                                                                      ".BBB",
                                                                                  }));
}

TEST(GrayedImage, RightColumnAndBottomRowComeFromTheShiftedCopy) {
    const ShapeMask m = MaskFrom({"..#", "...", "#.."});
    EXPECT_EQ(Picture(ComposeGrayedImage(m, kBackground, kHighlight, kShadow)), (std::vector<std::string>{
                                                                                    "BBS.",
                                                                                    "BBBH",
                                                                                    "SBBB",
                                                                                    ".HBB",
                                                                                }));
}

TEST(EmbossedImage, ShapeInShadowOverHighlightShiftedByOne) {
    const ShapeMask m = MaskFrom({"#..", ".#.", "..#"});
    EXPECT_EQ(Picture(ComposeEmbossedImage(m, kBackground, kHighlight, kShadow)), (std::vector<std::string>{
                                                                                      "SBB.",
                                                                                      "BSB.",
                                                                                      "BBS.",
                                                                                      "...H",
                                                                                  }));
    // Without a shape only the box itself is filled.
    const ShapeMask empty = MaskFrom({"..", ".."});
    EXPECT_EQ(Picture(ComposeEmbossedImage(empty, kBackground, kHighlight, kShadow)),
              (std::vector<std::string>{"BB.", "BB.", "..."}));
}

TEST(CheckMark, SevenColumnsOfThreePixels) {
    const std::vector<PixelPoint> points = CheckMarkPixels(10, 20);
    ASSERT_EQ(points.size(), 21u);
    std::set<std::pair<int, int>> set;
    for (const PixelPoint& p : points) set.insert({p.x, p.y});
    EXPECT_EQ(set.size(), 21u);
    const int tops[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(CheckMarkColumnTop(i), tops[i]);
        for (int row = 0; row < 7; ++row) {
            const bool inStroke = row >= tops[i] && row < tops[i] + 3;
            EXPECT_EQ(set.count({10 + i, 20 + row}), inStroke ? 1u : 0u) << i << "," << row;
        }
    }
    // The lowest pixels are in the third column, rows 4 to 6.
    int lowest = 0;
    for (const PixelPoint& p : points) lowest = std::max(lowest, p.y);
    EXPECT_EQ(lowest, 26);
    EXPECT_EQ(CheckMarkColumnTop(-1), -1);
    EXPECT_EQ(CheckMarkColumnTop(7), -1);
}
