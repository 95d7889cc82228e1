// The classic look of a menu item, pixel by pixel on real GDI.
#include <gtest/gtest.h>

#include "tests/unit/menu/DrawTestSupport.h"
#include "tests/unit/menu/PictureReference.h"
#include "ui/menu/draw/ItemDrawing.h"
#include "ui/menu/draw/ItemLayout.h"

using namespace tessel;
using namespace menutest;
using testsupport::PixelCanvas;

namespace {

Color Menu() { return SysColor(COLOR_MENU); }
Color Highlight() { return SysColor(COLOR_HIGHLIGHT); }
Color Shadow() { return SysColor(COLOR_BTNSHADOW); }
Color Light() { return SysColor(COLOR_BTNHIGHLIGHT); }
constexpr Color kRed = 0x000000C8;    // RGB(200, 0, 0)
constexpr Color kGreen = 0x0000A000;  // RGB(0, 160, 0)

class ClassicDrawing : public ItemDrawing {
protected:
    void SetUp() override {
        ItemDrawing::SetUp();
        settings_.look = SystemLook{false, true};
    }
    void Draw(DRAWITEMSTRUCT& dis) { DrawMenuItem(settings_, &dis, ItemLook::Classic); }
};

TEST_F(ClassicDrawing, SeparatorIsABackgroundFillWithAnEtchedLineAcrossItsMiddle) {
    item_->flags = MF_SEPARATOR | MF_OWNERDRAW;
    for (const bool xp : {false, true}) {
        settings_.look.xpLook = xp;
        const Color bg = xp ? SysColor(COLOR_BTNFACE) : Menu();
        PixelCanvas canvas(170, 12);
        DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 9}, 0);
        Draw(dis);
        for (const int x : {0, 50, 159}) {
            EXPECT_EQ(canvas.Pixel(x, 0), bg) << x;
            EXPECT_EQ(canvas.Pixel(x, 3), bg) << x;
            EXPECT_EQ(canvas.Pixel(x, 4), Shadow()) << x;
            EXPECT_EQ(canvas.Pixel(x, 5), Light()) << x;
            EXPECT_EQ(canvas.Pixel(x, 8), bg) << x;
        }
        EXPECT_EQ(canvas.Pixel(165, 4), kUntouched);
        EXPECT_EQ(canvas.Count(RECT{0, 0, 170, 12}, SysColor(COLOR_MENUTEXT)), 0) << "no caption";
    }
}

TEST_F(ClassicDrawing, SelectionBarAcrossTheWholeItemWithoutPicture) {
    PixelCanvas canvas(170, 25);
    DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 25}, ODS_SELECTED);
    Draw(dis);
    EXPECT_EQ(canvas.Pixel(0, 0), Highlight());
    EXPECT_EQ(canvas.Pixel(0, 24), Highlight());
    EXPECT_EQ(canvas.Pixel(159, 12), Highlight());
    EXPECT_EQ(canvas.Pixel(160, 12), kUntouched);
    EXPECT_GT(canvas.Count(RECT{25, 0, 160, 25}, SysColor(COLOR_HIGHLIGHTTEXT)), 10);
}

TEST_F(ClassicDrawing, WithAPictureTheBarStartsRightOfTheColumn) {
    CImageList list = MakePictureList({kRed});
    UsePicture(list);
    PixelCanvas canvas(170, 25);
    DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 25}, ODS_SELECTED);
    Draw(dis);
    // dy = (25 - 15 - 4) / 2 = 3: the square is (0, 3, 20, 22).
    EXPECT_EQ(canvas.Pixel(21, 12), Highlight());
    EXPECT_EQ(canvas.Pixel(20, 12), kUntouched) << "only the column step paints left of the bar";
    EXPECT_EQ(canvas.Pixel(5, 1), kUntouched);
    EXPECT_EQ(canvas.Pixel(0, 3), Light()) << "raised";
    EXPECT_EQ(canvas.Pixel(19, 21), Shadow());
    EXPECT_EQ(canvas.Pixel(2, 5), Menu()) << "transparent margin on the background";
    EXPECT_EQ(canvas.Pixel(2 + 7, 5 + 7), kRed);
}

TEST_F(ClassicDrawing, APictureSitsAtTheTopOfAShortItem) {
    CImageList list = MakePictureList({kRed});
    UsePicture(list);
    PixelCanvas canvas(170, 17);
    DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 17}, 0);
    Draw(dis);
    EXPECT_EQ(canvas.Pixel(2, 2), Menu());
    EXPECT_EQ(canvas.Pixel(3, 3), kRed);
    EXPECT_EQ(canvas.Pixel(2 + 14, 2 + 13), kRed);
    EXPECT_EQ(canvas.Pixel(0, 0), Menu()) << "unselected: framed in the background";
}

TEST_F(ClassicDrawing, CheckedItemWithoutPictureGetsTheCheckBox) {
    const Color ink = SysColor(COLOR_MENUTEXT);
    for (const bool selected : {false, true}) {
        PixelCanvas canvas(170, 25);
        DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 25}, ODS_CHECKED | (selected ? ODS_SELECTED : 0u));
        Draw(dis);
        // Box (1, 5, 17, 20), sunken, mark at (5, 9).
        EXPECT_EQ(canvas.Pixel(1, 5), Shadow()) << selected;
        EXPECT_EQ(canvas.Pixel(16, 19), Light()) << selected;
        EXPECT_EQ(canvas.Pixel(14, 8), selected ? Menu() : LightenColor(Menu(), 0.6)) << selected;
        for (const PixelPoint& p : CheckMarkPixels(5, 9)) EXPECT_EQ(canvas.Pixel(p.x, p.y), ink) << selected;
        EXPECT_EQ(canvas.Pixel(21, 12), selected ? Highlight() : Menu()) << selected;
        EXPECT_EQ(canvas.Pixel(20, 12), selected ? kUntouched : Menu()) << selected;
    }
}

TEST_F(ClassicDrawing, AnItemWithItsOwnCheckBitmapGetsARadioDot) {
    HBITMAP mark = MakeBitmap(13, 13, RGB(0, 0, 0));
    ASSERT_TRUE(SetMenuItemBitmaps(menu_.m_hMenu, kItemId, MF_BYCOMMAND, mark, mark));
    PixelCanvas canvas(170, 25);
    DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 25}, ODS_CHECKED);
    Draw(dis);
    const Color ink = SysColor(COLOR_MENUTEXT);
    const int dot = canvas.Count(RECT{6, 9, 12, 15}, ink);
    EXPECT_GE(dot, 16);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 21, 25}, ink), dot);
    SetMenuItemBitmaps(menu_.m_hMenu, kItemId, MF_BYCOMMAND, nullptr, nullptr);
    DeleteObject(mark);
}

TEST_F(ClassicDrawing, CheckedPictureLiesOnALightenedSunkenSquare) {
    CImageList list = MakePictureList({kRed});
    UsePicture(list);
    for (const bool selected : {false, true}) {
        PixelCanvas canvas(170, 25);
        DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 25}, ODS_CHECKED | (selected ? ODS_SELECTED : 0u));
        Draw(dis);
        EXPECT_EQ(canvas.Pixel(2, 5), selected ? Menu() : LightenColor(Menu(), 0.6)) << selected;
        EXPECT_EQ(canvas.Pixel(0, 3), Shadow()) << selected;
        EXPECT_EQ(canvas.Pixel(19, 21), Light()) << selected;
        EXPECT_EQ(canvas.Pixel(9, 12), kRed) << selected;
        EXPECT_EQ(canvas.Count(RECT{0, 0, 20, 25}, SysColor(COLOR_MENUTEXT)), 0) << "no check mark";
    }
}

TEST_F(ClassicDrawing, DisabledItemUnderTheMouse) {
    item_->SetTextWide(L"Disabled item");
    {
        PixelCanvas canvas(170, 25);
        DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 25}, ODS_GRAYED | ODS_SELECTED);
        Draw(dis);
        EXPECT_NE(dis.itemState & ODS_SELECTED, 0u);
        EXPECT_EQ(canvas.Pixel(0, 12), Highlight());
        EXPECT_GT(canvas.Count(RECT{25, 0, 160, 25}, Menu()), 10) << "text in the background colour";
        EXPECT_EQ(canvas.Count(RECT{25, 0, 160, 25}, SysColor(COLOR_GRAYTEXT)), 0);
    }
    settings_.selectDisabledClassic = false;
    {
        PixelCanvas canvas(170, 25);
        DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 25}, ODS_GRAYED | ODS_SELECTED);
        Draw(dis);
        EXPECT_EQ(dis.itemState & ODS_SELECTED, 0u) << "the selection is dropped";
        EXPECT_EQ(canvas.Pixel(0, 12), Menu());
        EXPECT_GT(canvas.Count(RECT{25, 0, 160, 25}, SysColor(COLOR_GRAYTEXT)), 10) << "engraved";
        EXPECT_GT(canvas.Count(RECT{25, 0, 160, 25}, Light()), 10);
        EXPECT_EQ(canvas.Count(RECT{0, 0, 170, 25}, Highlight()), 0);
    }
}

TEST_F(ClassicDrawing, LabelFromTheColumnAndAcceleratorRightAligned) {
    item_->SetTextWide(L"Open\tCtrl+O");
    PixelCanvas canvas(170, 25);
    DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 25}, 0);
    Draw(dis);
    const Color bg = Menu();
    const int first = canvas.FirstColumnNot(RECT{0, 1, 160, 24}, bg);
    EXPECT_GE(first, 25);
    EXPECT_LE(first, 27);
    const int last = canvas.LastColumnNot(RECT{0, 1, 160, 24}, bg);
    EXPECT_LE(last, 160 - 16 - 1) << "ends iw pixels before the right edge";
    EXPECT_GE(last, 160 - 16 - 4);
    // Label and accelerator are apart.
    EXPECT_EQ(canvas.Count(RECT{70, 0, 100, 25}, SysColor(COLOR_MENUTEXT)), 0);

    item_->SetTextWide(L"Open");
    PixelCanvas plain(170, 25);
    DRAWITEMSTRUCT second = Item(plain, RECT{0, 0, 160, 25}, 0);
    Draw(second);
    EXPECT_EQ(plain.FirstColumnNot(RECT{0, 1, 160, 24}, bg), first);
    EXPECT_LT(plain.LastColumnNot(RECT{0, 1, 160, 24}, bg), 70);
}

TEST_F(ClassicDrawing, DisabledPicturesGreyedOrEmbossed) {
    // A light (not face) square and a dark square on button face.
    CImageList list;
    ASSERT_TRUE(list.Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1));
    HBITMAP picture = MakeBitmap(16, 15, SysColor(COLOR_BTNFACE), RECT{2, 2, 6, 6}, RGB(250, 250, 250));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture);
    RECT dark = {9, 9, 14, 14};
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(dc, &dark, black);
    DeleteObject(black);
    SelectObject(dc, old);
    DeleteDC(dc);
    list.Add(picture, SysColor(COLOR_BTNFACE));
    DeleteObject(picture);
    UsePicture(list);
    ASSERT_NE(SysColor(COLOR_BTNHIGHLIGHT), MakeColor(250, 250, 250));

    for (const bool embossed : {false, true}) {
        settings_.embossedDisabledIcons = embossed;
        PixelCanvas canvas(170, 25);
        DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 25}, ODS_GRAYED);
        Draw(dis);
        // The picture's place is (2, 5).
        EXPECT_EQ(canvas.Pixel(2 + 11, 5 + 11), Shadow()) << embossed;
        EXPECT_EQ(canvas.Pixel(2 + 3, 5 + 3), embossed ? Menu() : Shadow()) << embossed;
        EXPECT_EQ(canvas.Pixel(2, 5), Menu()) << embossed;
        EXPECT_EQ(canvas.Count(RECT{0, 0, 20, 25}, MakeColor(0, 0, 0)), 0) << embossed;
    }
}

TEST_F(ClassicDrawing, CheckPicturesStandInForTheMark) {
    auto checks = std::make_shared<CImageList>(MakePictureList({kRed, kGreen}));
    settings_.checkImages = checks->GetSafeHandle();
    settings_.checkBitmapId = 5;
    for (const bool selected : {false, true}) {
        PixelCanvas canvas(170, 25);
        DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 25}, ODS_CHECKED | (selected ? ODS_SELECTED : 0u));
        Draw(dis);
        EXPECT_EQ(canvas.Pixel(9, 12), selected ? kGreen : kRed) << selected;
        EXPECT_EQ(canvas.Pixel(2, 5), Menu()) << selected;
        EXPECT_EQ(canvas.Count(RECT{0, 0, 20, 25}, SysColor(COLOR_MENUTEXT)), 0) << selected;
        EXPECT_EQ(canvas.Pixel(21, 12), selected ? Highlight() : Menu()) << selected;
    }
}

TEST_F(ClassicDrawing, TheMenuObjectDrawsClassicOnThisSystem) {
    PixelCanvas canvas(170, 25);
    DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 25}, ODS_SELECTED);
    menu_.DrawItem(&dis);
    EXPECT_EQ(canvas.Pixel(3, 3), Highlight());
    EXPECT_EQ(canvas.Pixel(0, 0), Highlight());
}

}  // namespace
