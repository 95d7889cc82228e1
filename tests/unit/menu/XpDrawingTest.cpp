// The XP look of a menu item, pixel by pixel on real GDI: the tinted
// column, the selection box, rising pictures with their shadow, the check
// box, the offsets of both paddings, and grayed items composed off-screen.
#include <gtest/gtest.h>

#include "tests/unit/menu/DrawTestSupport.h"
#include "tests/unit/menu/PictureReference.h"
#include "ui/menu/draw/ItemDrawing.h"
#include "ui/menu/draw/ItemLayout.h"
#include "ui/menu/pictures/MenuPictures.h"

using namespace tessel;
using namespace menutest;
using testsupport::PixelCanvas;

namespace {

Color Window() { return SysColor(COLOR_WINDOW); }
Color Face() { return SysColor(COLOR_BTNFACE); }
Color Highlight() { return SysColor(COLOR_HIGHLIGHT); }
Color SelFill() { return LightenColor(Highlight(), 0.7); }
constexpr Color kRed = 0x000000C8;

class XpDrawing : public ItemDrawing {
protected:
    void SetUp() override {
        ItemDrawing::SetUp();
        settings_.look = SystemLook{true, true};
        settings_.xpIconEffects = true;
    }
    void Draw(DRAWITEMSTRUCT& dis) { DrawMenuItem(settings_, &dis, ItemLook::Xp); }

    // A shared table of its own: the red picture with its faded and shadow
    // copies under one id.
    void UsePictureWithEffects() {
        PictureOptions o;
        o.effects = true;
        o.xpLook = true;
        CImageList source = MakePictureList({kRed});
        ASSERT_EQ(AddSharedPicture(shared_, ids_, source, 0, kItemId, o), 0);
        ASSERT_EQ(ids_.size(), 3u);
        settings_.sharedImages = shared_.GetSafeHandle();
        settings_.sharedImageIds = &ids_;
        item_->sharedImageIndex = 0;
    }

    CImageList shared_;
    std::vector<std::int32_t> ids_;
};

TEST_F(XpDrawing, SeparatorShowsTheColumnAndALineStartingPadRightOfIt) {
    item_->flags = MF_SEPARATOR | MF_OWNERDRAW;
    struct Case {
        bool effects;
        int column, lineStart;
    };
    for (const Case c : {Case{true, 23, 30}, Case{false, 20, 24}}) {
        settings_.xpIconEffects = c.effects;
        PixelCanvas canvas(170, 11);
        DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 11}, 0);
        Draw(dis);
        EXPECT_EQ(canvas.Pixel(0, 2), Face()) << c.effects;
        EXPECT_EQ(canvas.Pixel(c.column - 1, 5), Face()) << c.effects;
        EXPECT_EQ(canvas.Pixel(c.column, 2), Window()) << c.effects;
        EXPECT_EQ(canvas.Pixel(c.lineStart - 1, 5), Window()) << c.effects;
        EXPECT_EQ(canvas.Pixel(c.lineStart, 5), SysColor(COLOR_BTNSHADOW)) << c.effects;
        EXPECT_EQ(canvas.Pixel(c.lineStart, 6), SysColor(COLOR_BTNHIGHLIGHT)) << c.effects;
        EXPECT_EQ(canvas.Pixel(159, 5), SysColor(COLOR_BTNSHADOW)) << c.effects;
        EXPECT_EQ(canvas.Pixel(100, 2), Window()) << c.effects;
    }
}

TEST_F(XpDrawing, SelectedItemIsOneFramedBoxAcrossTheColumn) {
    PixelCanvas canvas(170, 22);
    DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 22}, ODS_SELECTED);
    Draw(dis);
    EXPECT_EQ(canvas.Pixel(0, 0), Highlight());
    EXPECT_EQ(canvas.Pixel(159, 21), Highlight());
    EXPECT_EQ(canvas.Pixel(0, 10), Highlight());
    EXPECT_EQ(canvas.Pixel(5, 10), SelFill());
    EXPECT_EQ(canvas.Pixel(100, 10), SelFill());
    EXPECT_GT(canvas.Count(RECT{31, 0, 160, 22}, SysColor(COLOR_MENUTEXT)), 10) << "text stays the menu text colour";
    EXPECT_EQ(canvas.Count(RECT{31, 0, 160, 22}, SysColor(COLOR_HIGHLIGHTTEXT)), 0);
}

TEST_F(XpDrawing, UnselectedItemHasATintedColumn) {
    PixelCanvas canvas(170, 22);
    DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 22}, 0);
    Draw(dis);
    EXPECT_EQ(canvas.Pixel(0, 0), Face());
    EXPECT_EQ(canvas.Pixel(22, 10), Face());
    EXPECT_EQ(canvas.Pixel(23, 10), Window());
    EXPECT_EQ(canvas.Pixel(159, 0), Window());
}

TEST_F(XpDrawing, ColoursOutsideTheXpLook) {
    settings_.look.xpLook = false;
    PixelCanvas canvas(170, 22);
    DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 22}, 0);
    Draw(dis);
    EXPECT_EQ(canvas.Pixel(5, 10), LightenColor(Face(), 0.25));
    PixelCanvas selected(170, 22);
    DRAWITEMSTRUCT second = Item(selected, RECT{0, 0, 160, 22}, ODS_SELECTED);
    Draw(second);
    EXPECT_EQ(selected.Pixel(5, 10), LightenColor(Highlight(), 0.85));
}

TEST_F(XpDrawing, SelectedPictureRisesOverItsShadowAndRestsFaded) {
    UsePictureWithEffects();
    // Resting place: dx = 4, dy = (22 - 15 + 1) / 2 = 4.
    PixelCanvas up(170, 22);
    DRAWITEMSTRUCT dis = Item(up, RECT{0, 0, 160, 22}, ODS_SELECTED);
    Draw(dis);
    EXPECT_EQ(up.Pixel(4, 4), kRed) << "picture at (3, 3), its square from (4, 4)";
    EXPECT_EQ(up.Pixel(3 + 14, 3 + 13), kRed);
    EXPECT_EQ(up.Pixel(5 + 14, 5 + 13), SysColor(COLOR_BTNSHADOW)) << "shadow one pixel down-right";
    EXPECT_EQ(up.Pixel(3, 3), SelFill());
    EXPECT_EQ(up.Pixel(1, 1), SelFill());

    PixelCanvas rest(170, 22);
    DRAWITEMSTRUCT second = Item(rest, RECT{0, 0, 160, 22}, 0);
    Draw(second);
    EXPECT_EQ(rest.Pixel(4 + 7, 4 + 7), LightenColor(kRed, 0.3));
    EXPECT_EQ(rest.Pixel(4 + 14, 4 + 13), LightenColor(kRed, 0.3));
    EXPECT_EQ(rest.Pixel(4, 4), Face());
    EXPECT_EQ(rest.Count(RECT{0, 0, 23, 22}, kRed), 0);
}

TEST_F(XpDrawing, CheckedPictureOnAFramedBoxShiftedUpLeftWithoutEffects) {
    UsePictureWithEffects();
    for (const bool selected : {false, true}) {
        PixelCanvas canvas(170, 22);
        DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 22}, ODS_CHECKED | (selected ? ODS_SELECTED : 0u));
        Draw(dis);
        // Box (1, 1, 22, 21).
        EXPECT_EQ(canvas.Pixel(1, 1), Highlight()) << selected;
        EXPECT_EQ(canvas.Pixel(21, 20), Highlight()) << selected;
        EXPECT_EQ(canvas.Pixel(20, 19), selected ? SelFill() : LightenColor(Highlight(), 0.85)) << selected;
        EXPECT_EQ(canvas.Pixel(4, 4), kRed) << selected;
        EXPECT_EQ(canvas.Pixel(3 + 14, 3 + 13), kRed) << selected;
        EXPECT_EQ(canvas.Count(RECT{0, 0, 23, 22}, SysColor(COLOR_BTNSHADOW)), 0) << selected;
        EXPECT_EQ(canvas.Count(RECT{0, 0, 23, 22}, LightenColor(kRed, 0.3)), 0) << selected;
    }
}

TEST_F(XpDrawing, CheckBoxOfSixteenPixelsCentredInTheColumn) {
    PixelCanvas canvas(170, 22);
    DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 22}, ODS_CHECKED);
    Draw(dis);
    // cx = (23 - 16 + 1) / 2 = 4, cy = (22 - 16 + 1) / 2 = 3.
    EXPECT_EQ(canvas.Pixel(4, 3), Highlight());
    EXPECT_EQ(canvas.Pixel(19, 18), Highlight());
    EXPECT_EQ(canvas.Pixel(5, 17), LightenColor(Highlight(), 0.85));
    for (const PixelPoint& p : CheckMarkPixels(9, 7))
        EXPECT_EQ(canvas.Pixel(p.x, p.y), SysColor(COLOR_MENUTEXT)) << p.x << "," << p.y;
}

TEST_F(XpDrawing, PaddingMovesThePictureAndTheText) {
    CImageList list = MakePictureList({kRed});
    UsePicture(list);
    struct Case {
        bool effects;
        int dx, textStart;
    };
    for (const Case c : {Case{false, 2, 16 + 12}, Case{true, 4, 16 + 15}}) {
        settings_.xpIconEffects = c.effects;
        PixelCanvas canvas(170, 22);
        DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 22}, 0);
        Draw(dis);
        EXPECT_EQ(canvas.Pixel(c.dx + 1, 5), kRed) << c.effects;
        EXPECT_NE(canvas.Pixel(c.dx, 5), kRed) << c.effects;
        const int first = canvas.FirstColumnNot(RECT{16 + c.dx + 6, 1, 160, 21}, Window());
        EXPECT_GE(first, c.textStart) << c.effects;
        EXPECT_LE(first, c.textStart + 2) << c.effects;
    }
}

TEST_F(XpDrawing, AcceleratorTextEndsIconWidthBeforeTheEdge) {
    item_->SetTextWide(L"Open\tCtrl+O");
    PixelCanvas canvas(170, 22);
    DRAWITEMSTRUCT dis = Item(canvas, RECT{0, 0, 160, 22}, 0);
    Draw(dis);
    const int last = canvas.LastColumnNot(RECT{23, 1, 160, 21}, Window());
    EXPECT_LE(last, 160 - 16 - 1);
    EXPECT_GE(last, 160 - 16 - 4);
}

// The caption as it should look: drawn alone in a colour and font on a
// plain background, within the item's text rectangle.
// font: the font to draw in, the DC's own when null; the menu font when
// menuFont is set.
void ExpectCaption(const PixelCanvas& canvas, const char* text, Color color, Color background, bool menuFont,
                   const RECT& item, const std::string& what, HFONT given = nullptr) {
    PixelCanvas reference(canvas.Width(), canvas.Height(), background);
    HFONT font = menuFont ? MenuFont() : nullptr;
    HGDIOBJ old = font != nullptr ? SelectObject(reference.DC(), font) : nullptr;
    if (given != nullptr) old = SelectObject(reference.DC(), given);
    SetTextColor(reference.DC(), color);
    SetBkMode(reference.DC(), TRANSPARENT);
    RECT r = {item.left + 31, item.top - 1, item.right, item.bottom - 1};
    DrawTextA(reference.DC(), text, -1, &r, DT_SINGLELINE | DT_VCENTER);
    if (old != nullptr) SelectObject(reference.DC(), old);
    if (font != nullptr) DeleteObject(font);
    int differing = 0;
    int inked = 0;
    for (int y = item.top + 1; y < item.bottom - 1; ++y)
        for (int x = item.left + 31; x < item.right - 1; ++x) {
            if (canvas.Pixel(x, y) != reference.Pixel(x, y)) ++differing;
            if (reference.Pixel(x, y) != background) ++inked;
        }
    EXPECT_GT(inked, 5) << what;
    EXPECT_EQ(differing, 0) << what;
}

TEST_F(XpDrawing, GrayedItemsAreComposedOffScreenInTheMenuFont) {
    item_->SetTextWide(L"Hg");
    // A huge font in the item DC: an item drawn there uses it, a grayed one
    // composed off-screen uses the menu font.
    LOGFONTA big = {};
    big.lfHeight = -30;
    lstrcpyA(big.lfFaceName, "Tahoma");
    HFONT font = CreateFontIndirectA(&big);
    const RECT rect = {0, 0, 160, 40};

    PixelCanvas normal(170, 40);
    HGDIOBJ before = SelectObject(normal.DC(), font);
    DRAWITEMSTRUCT dis = Item(normal, rect, 0);
    Draw(dis);
    ExpectCaption(normal, "Hg", SysColor(COLOR_MENUTEXT), Window(), false, rect, "normal, item DC font", font);
    SelectObject(normal.DC(), before);

    PixelCanvas grayed(170, 40);
    before = SelectObject(grayed.DC(), font);
    DRAWITEMSTRUCT second = Item(grayed, rect, ODS_GRAYED | ODS_SELECTED);
    Draw(second);
    EXPECT_EQ(second.itemState & ODS_SELECTED, 0u);
    EXPECT_EQ(grayed.Pixel(5, 20), Face()) << "drawn unselected";
    EXPECT_EQ(grayed.Pixel(23, 20), Window());
    EXPECT_EQ(GetCurrentObject(grayed.DC(), OBJ_FONT), font) << "the item DC keeps its own font";
    EXPECT_EQ(grayed.Pixel(165, 20), kUntouched) << "one copy of the item rectangle";
    SelectObject(grayed.DC(), before);
    ExpectCaption(grayed, "Hg", SysColor(COLOR_GRAYTEXT), Window(), true, rect, "grayed, menu font");
    DeleteObject(font);
}

TEST_F(XpDrawing, GrayedCaptionColours) {
    item_->SetTextWide(L"Disabled");
    const Color gray = SysColor(COLOR_GRAYTEXT);
    const RECT rect = {0, 0, 160, 22};
    struct Case {
        bool xpLook, selectDisabled;
        UINT state;
        Color text, fill;
    };
    for (const Case c : {Case{true, false, ODS_GRAYED, gray, Face()},
                         Case{false, false, ODS_GRAYED, LightenColor(gray, 0.4), LightenColor(Face(), 0.25)},
                         Case{true, true, ODS_GRAYED | ODS_SELECTED, gray, SelFill()},
                         Case{false, true, ODS_GRAYED | ODS_SELECTED, gray, LightenColor(Highlight(), 0.85)}}) {
        settings_.look.xpLook = c.xpLook;
        settings_.selectDisabledXP = c.selectDisabled;
        PixelCanvas canvas(170, 22);
        DRAWITEMSTRUCT dis = Item(canvas, rect, c.state);
        Draw(dis);
        const std::string what = std::to_string(c.xpLook) + std::to_string(c.selectDisabled);
        EXPECT_EQ(canvas.Pixel(5, 10), c.fill) << what;
        // Selected ones are drawn on the item DC, the others off-screen.
        ExpectCaption(canvas, "Disabled", c.text, c.selectDisabled ? c.fill : Window(), !c.selectDisabled, rect, what);
        if (c.selectDisabled) {
            EXPECT_EQ(canvas.Pixel(0, 0), Highlight());
        }
    }
}

}  // namespace
