// Pictures of the menu: the shared table with its effect copies, toolbar
// resources and their bitmaps, the colour mapping of 16-colour bitmaps,
// and pictures rendered onto a button-face ground.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "tests/support/PixelCanvas.h"
#include "tests/unit/menu/MenuTestSupport.h"
#include "ui/menu/model/TesselMenu.h"
#include "ui/menu/pictures/MenuPictures.h"
#include "ui/menu/pictures/SharedImages.h"

using namespace tessel;
using menutest::SysColor;
using testsupport::PixelCanvas;

namespace {

constexpr Color kMagenta = 0x00FF00FF;
constexpr UINT kToolbar = 200;

Color Face() { return SysColor(COLOR_BTNFACE); }

// Picture index of list drawn transparently on magenta; the pixel at (x, y).
Color DrawnPixel(HIMAGELIST list, int index, int x, int y) {
    PixelCanvas canvas(16, 15);
    ImageList_Draw(list, index, canvas.DC(), 0, 0, ILD_TRANSPARENT);
    return canvas.Pixel(x, y);
}

PictureOptions Classic() { return PictureOptions{}; }

PictureOptions XpWithEffects() {
    PictureOptions o;
    o.effects = true;
    o.xpLook = true;
    return o;
}

TEST(SharedPictures, XpEffectsKeepThreeEntriesPerCommandReplacedInPlace) {
    CImageList shared;
    std::vector<std::int32_t> ids;
    CImageList source = menutest::MakePictureList({RGB(200, 0, 0), RGB(0, 0, 200), RGB(0, 150, 0)});

    EXPECT_EQ(AddSharedPicture(shared, ids, source, 0, 100, XpWithEffects()), 0);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{100, 100, 100}));
    EXPECT_EQ(shared.GetImageCount(), 3);
    EXPECT_EQ(DrawnPixel(shared, 0, 7, 7), MakeColor(200, 0, 0));
    EXPECT_EQ(DrawnPixel(shared, 1, 7, 7), LightenColor(MakeColor(200, 0, 0), 0.3));
    EXPECT_EQ(DrawnPixel(shared, 2, 7, 7), SysColor(COLOR_BTNSHADOW));

    // Again for 100 with another picture: the same three entries change.
    EXPECT_EQ(AddSharedPicture(shared, ids, source, 1, 100, XpWithEffects()), 0);
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_EQ(shared.GetImageCount(), 3);
    EXPECT_EQ(DrawnPixel(shared, 0, 7, 7), MakeColor(0, 0, 200));
    EXPECT_EQ(DrawnPixel(shared, 1, 7, 7), LightenColor(MakeColor(0, 0, 200), 0.3));
    EXPECT_EQ(DrawnPixel(shared, 2, 7, 7), SysColor(COLOR_BTNSHADOW));
    // The margin stays transparent in all three.
    for (int k = 0; k < 3; ++k) EXPECT_EQ(DrawnPixel(shared, k, 0, 0), kMagenta) << k;

    EXPECT_EQ(AddSharedPicture(shared, ids, source, 2, 101, XpWithEffects()), 3);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{100, 100, 100, 101, 101, 101}));
    EXPECT_TRUE(HasEffectImages(ids, 0));
    EXPECT_TRUE(HasEffectImages(ids, 3));
    EXPECT_FALSE(HasEffectImages(ids, 4));
    EXPECT_FALSE(HasEffectImages(ids, 5));
    EXPECT_EQ(FindSharedImage(ids, 101), 3);
}

TEST(SharedPictures, ClassicStyleKeepsOneEntryPerCommand) {
    CImageList shared;
    std::vector<std::int32_t> ids;
    CImageList source = menutest::MakePictureList({RGB(200, 0, 0), RGB(0, 0, 200)});
    EXPECT_EQ(AddSharedPicture(shared, ids, source, 0, 100, Classic()), 0);
    EXPECT_EQ(AddSharedPicture(shared, ids, source, 1, 100, Classic()), 0);
    EXPECT_EQ(AddSharedPicture(shared, ids, source, 0, 7, Classic()), 1);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{100, 7}));
    EXPECT_EQ(shared.GetImageCount(), 2);
    EXPECT_EQ(DrawnPixel(shared, 0, 7, 7), MakeColor(0, 0, 200));
    EXPECT_FALSE(HasEffectImages(ids, 0));
    EXPECT_FALSE(HasEffectImages(ids, 1));
}

TEST(SharedPictures, ASourcePictureThatCannotBeTakenAddsNothing) {
    CImageList shared;
    std::vector<std::int32_t> ids;
    CImageList source = menutest::MakePictureList({RGB(1, 2, 3)});
    EXPECT_EQ(AddSharedPicture(shared, ids, source, 1, 100, XpWithEffects()), -1);
    EXPECT_EQ(AddSharedPicture(shared, ids, source, -1, 100, Classic()), -1);
    EXPECT_EQ(AddSharedPicture(shared, ids, nullptr, 0, 100, Classic()), -1);
    EXPECT_TRUE(ids.empty());
    EXPECT_EQ(shared.GetImageCount(), 0);
}

TEST(SharedPictures, MenuMembersUseTheProcessWideList) {
    TesselMenu menu;
    CImageList source = menutest::MakePictureList({RGB(9, 99, 199)});
    const int index = menu.AddSharedImage(source, 0, 4242);
    ASSERT_GE(index, 0);
    EXPECT_EQ(TesselMenu::FindSharedImage(4242), index);
    EXPECT_EQ(TesselMenu::s_sharedImageIds[static_cast<std::size_t>(index)], 4242);
    EXPECT_EQ(DrawnPixel(TesselMenu::s_sharedImages, index, 7, 7), MakeColor(9, 99, 199));
    EXPECT_EQ(static_cast<int>(TesselMenu::s_sharedImageIds.size()), TesselMenu::s_sharedImages.GetImageCount());
    const int last = static_cast<int>(TesselMenu::s_sharedImageIds.size()) - 1;
    EXPECT_FALSE(TesselMenu::HasEffectImages(last));
    EXPECT_FALSE(TesselMenu::HasEffectImages(last - 1));
    EXPECT_EQ(TesselMenu::FindSharedImage(98765), -1);
}

TEST(ToolbarPictures, SeparatorsTakeNoPicture) {
    int index = 77;
    EXPECT_TRUE(FindToolbarPicture(100, kToolbar, index));
    EXPECT_EQ(index, 77) << "picture 0 leaves the index as the caller set it";
    EXPECT_TRUE(TesselMenu::LoadToolbarImageIndex(101, kToolbar, index));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(TesselMenu::LoadToolbarImageIndex(102, kToolbar | 0x50000u, index));
    EXPECT_EQ(index, 2) << "only the low 16 bits of the toolbar id count";
}

TEST(ToolbarPictures, MissingCommandsAndBrokenToolbarsFail) {
    int index = 5;
    EXPECT_FALSE(FindToolbarPicture(103, kToolbar, index));
    EXPECT_FALSE(FindToolbarPicture(0, kToolbar, index));
    EXPECT_FALSE(FindToolbarPicture(100, 201, index)) << "a toolbar without its bitmap";
    EXPECT_FALSE(FindToolbarPicture(100, 202, index)) << "a count larger than the resource";
    EXPECT_FALSE(FindToolbarPicture(100, 299, index)) << "no such toolbar";
    EXPECT_EQ(index, 5);
}

TEST(MappedBitmaps, SixteenColourGraysBlackAndWhiteBecomeTheThreeDColours) {
    ASSERT_NE(Face(), MakeColor(192, 192, 192)) << "the mapping would not be visible";
    CBitmap mapped = LoadMappedBitmap(kToolbar);
    ASSERT_FALSE(mapped.IsNull());
    BITMAP info = {};
    ASSERT_TRUE(mapped.GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 48);
    EXPECT_EQ(info.bmHeight, 15);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, mapped);
    EXPECT_EQ(GetPixel(dc, 0, 0), Face());                   // was light grey
    EXPECT_EQ(GetPixel(dc, 2, 2), SysColor(COLOR_BTNTEXT));  // was black
    EXPECT_EQ(GetPixel(dc, 7, 7), MakeColor(255, 0, 0));     // other colours stay
    EXPECT_EQ(GetPixel(dc, 16 + 7, 7), MakeColor(0, 255, 0));
    SelectObject(dc, old);
    DeleteDC(dc);

    EXPECT_TRUE(LoadMappedBitmap(210).IsNull()) << "not 16 colours";
    EXPECT_TRUE(LoadMappedBitmap(211).IsNull()) << "pixel data missing";
    EXPECT_TRUE(LoadMappedBitmap(299).IsNull()) << "no such bitmap";
}

TEST(MappedBitmaps, ColourCountOfTheHeader) {
    BITMAPINFOHEADER h = {};
    h.biSize = sizeof(h);
    for (const auto& [bits, count] : {std::pair<WORD, int>{1, 2}, {4, 16}, {8, 256}, {16, 0}, {24, 0}, {32, 0}}) {
        h.biBitCount = bits;
        EXPECT_EQ(DibColorCount(&h), count) << bits;
    }
    h.biClrUsed = 5;
    EXPECT_EQ(DibColorCount(&h), 5);
    EXPECT_EQ(DibColorCount(nullptr), 0);
}

TEST(PictureLists, LightGreyOfAToolbarBecomesTransparentThroughTheMapping) {
    ASSERT_NE(Face(), MakeColor(192, 192, 192));
    CImageList list;
    ASSERT_TRUE(list.Create(16, 15, kMenuImageListFlags, 1, 1));
    EXPECT_TRUE(AddPictureToList(list, kToolbar, Classic()));
    EXPECT_EQ(list.GetImageCount(), 3) << "cut into one picture per button";
    EXPECT_EQ(DrawnPixel(list, 0, 0, 0), kMagenta);
    EXPECT_EQ(DrawnPixel(list, 0, 7, 7), MakeColor(255, 0, 0));
    EXPECT_EQ(DrawnPixel(list, 1, 7, 7), MakeColor(0, 255, 0));
    EXPECT_EQ(DrawnPixel(list, 2, 7, 7), MakeColor(0, 0, 255));

    // Masking with the grey itself finds none left: the mapping came first.
    PictureOptions grey = Classic();
    grey.useMaskColor = true;
    grey.maskColor = RGB(192, 192, 192);
    CImageList second;
    ASSERT_TRUE(second.Create(16, 15, kMenuImageListFlags, 1, 1));
    EXPECT_TRUE(AddPictureToList(second, kToolbar, grey));
    EXPECT_EQ(DrawnPixel(second, 0, 0, 0), Face());
}

TEST(PictureLists, EffectCopiesFollowDerivedFromPictureZero) {
    CImageList list;
    ASSERT_TRUE(list.Create(16, 15, kMenuImageListFlags, 1, 1));
    EXPECT_TRUE(AddPictureToList(list, kToolbar, XpWithEffects()));
    ASSERT_EQ(list.GetImageCount(), 5);
    EXPECT_EQ(DrawnPixel(list, 3, 7, 7), LightenColor(MakeColor(255, 0, 0), 0.3));
    EXPECT_EQ(DrawnPixel(list, 4, 7, 7), SysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(DrawnPixel(list, 3, 0, 0), kMagenta);
}

TEST(PictureLists, OtherBitmapsLoadTheOrdinaryWayAndBrokenOnesNotAtAll) {
    CImageList list;
    ASSERT_TRUE(list.Create(16, 15, kMenuImageListFlags, 1, 1));
    EXPECT_TRUE(AddPictureToList(list, 210, Classic()));
    EXPECT_EQ(list.GetImageCount(), 1);
    EXPECT_EQ(DrawnPixel(list, 0, 7, 7), MakeColor(255, 0, 255));
    EXPECT_FALSE(AddPictureToList(list, 211, XpWithEffects()));
    EXPECT_FALSE(AddPictureToList(list, 299, XpWithEffects()));
    EXPECT_FALSE(AddPictureToList(nullptr, kToolbar, Classic()));
    EXPECT_EQ(list.GetImageCount(), 1) << "no picture and no copies";
}

TEST(PictureLists, IconsAreAppendedAsTheyAre) {
    CImageList source = menutest::MakePictureList({RGB(0, 128, 255)});
    HICON icon = source.ExtractIcon(0);
    ASSERT_NE(icon, nullptr);
    PictureOptions icons = Classic();
    icons.imageIsIcon = true;
    CImageList list;
    ASSERT_TRUE(list.Create(16, 15, kMenuImageListFlags, 1, 1));
    EXPECT_TRUE(AddPictureToList(list, reinterpret_cast<UINT_PTR>(icon), icons));
    EXPECT_EQ(DrawnPixel(list, 0, 7, 7), MakeColor(0, 128, 255));
    EXPECT_EQ(DrawnPixel(list, 0, 0, 0), kMagenta);
    EXPECT_FALSE(AddPictureToList(list, 0, icons));
    EXPECT_EQ(list.GetImageCount(), 1);
    DestroyIcon(icon);
}

TEST(PictureLists, RenderedPictureLiesOnButtonFace) {
    TesselMenu menu;
    CImageList source = menutest::MakePictureList({RGB(0, 0, 160)});
    PixelCanvas reference(4, 4);
    CBitmap rendered;
    ASSERT_TRUE(menu.RenderIconToBitmap(reference.DC(), source, 0, rendered));
    BITMAP info = {};
    ASSERT_TRUE(rendered.GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 16);
    EXPECT_EQ(info.bmHeight, 15);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, rendered);
    EXPECT_EQ(GetPixel(dc, 0, 0), Face());
    EXPECT_EQ(GetPixel(dc, 15, 14), Face());
    EXPECT_EQ(GetPixel(dc, 7, 7), MakeColor(0, 0, 160));
    SelectObject(dc, old);
    DeleteDC(dc);

    CBitmap untouched;
    EXPECT_FALSE(menu.RenderIconToBitmap(reference.DC(), source, 3, untouched));
    EXPECT_TRUE(untouched.IsNull());
}

TEST(PictureLists, AppendingWithAToolbarSharesTheCommandsPicture) {
    TesselMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendItem(L"&Paste", 0, 102, kToolbar));
    const int index = menu.m_items[0]->sharedImageIndex;
    ASSERT_GE(index, 0);
    EXPECT_EQ(TesselMenu::s_sharedImageIds[static_cast<std::size_t>(index)], 102);
    EXPECT_EQ(DrawnPixel(TesselMenu::s_sharedImages, index, 7, 7), MakeColor(0, 0, 255));
    EXPECT_EQ(DrawnPixel(TesselMenu::s_sharedImages, index, 0, 0), kMagenta);

    // A later item of the same command finds it without a toolbar.
    ASSERT_TRUE(menu.AppendItem(L"Paste again", 0, 102));
    EXPECT_EQ(menu.m_items[1]->sharedImageIndex, index);
    // A command the toolbar lacks shows no picture (not the toolbar's first).
    ASSERT_TRUE(menu.AppendItem(L"Other", 0, 3456, kToolbar));
    EXPECT_EQ(menu.m_items[2]->sharedImageIndex, -1);
}

}  // namespace
