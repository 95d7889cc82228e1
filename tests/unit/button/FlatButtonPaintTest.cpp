// Drawing of the flat button on real GDI: DrawItem paints into a memory DC
// and the test reads the pixels back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>

#include "tests/support/PixelCanvas.h"
#include "tests/unit/button/FlatButtonProbe.h"
#include "tests/unit/button/HostWindow.h"
#include "tests/unit/button/TestIcons.h"

namespace {

using testsupport::PixelCanvas;

// Colours no system colour and no other slot shares.
const COLORREF kBackHover = RGB(250, 220, 60);
const COLORREF kTextHover = RGB(200, 0, 160);
const COLORREF kBackNormal = RGB(40, 180, 90);
const COLORREF kTextNormal = RGB(20, 20, 120);
const COLORREF kBackFocus = RGB(90, 200, 230);
const COLORREF kTextFocus = RGB(255, 0, 0);
const COLORREF kIcon = RGB(255, 128, 0);
const COLORREF kIconNormal = RGB(0, 128, 255);
const COLORREF kSentinel = RGB(255, 0, 255);

COLORREF Highlight() { return ::GetSysColor(COLOR_BTNHIGHLIGHT); }
COLORREF Shadow() { return ::GetSysColor(COLOR_BTNSHADOW); }

RECT Offset(RECT r, int dx, int dy) {
    ::OffsetRect(&r, dx, dy);
    return r;
}

::testing::AssertionResult SameRect(const RECT& got, const RECT& want) {
    if (::EqualRect(&got, &want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got {" << got.left << "," << got.top << "," << got.right << ","
                                         << got.bottom << "}, want {" << want.left << "," << want.top << ","
                                         << want.right << "," << want.bottom << "}";
}

class FlatButtonPaint : public ::testing::Test {
protected:
    // A bound button of size w x h with the distinctive colours and, if
    // iconSize is not 0, a solid hover icon of that size.
    void Make(const wchar_t* text, int w = 100, int h = 36, int iconSize = 16, DWORD style = BS_PUSHBUTTON) {
        width = w;
        height = h;
        ASSERT_TRUE(host.Create(style, text, SIZE{w, h}));
        ASSERT_TRUE(button.SubclassWindow(host.Button()));
        const COLORREF slots[6] = {kBackHover, kTextHover, kBackNormal, kTextNormal, kBackFocus, kTextFocus};
        for (BYTE i = 0; i < 6; ++i) ASSERT_EQ(button.SetStateColor(i, slots[i], false), FlatOk);
        if (iconSize != 0) {
            ASSERT_EQ(button.SetButtonIconHandles(MakeSolidIcon(iconSize, kIcon), nullptr), FlatOk);
        }
    }

    // Paints the button with the item state into a fresh canvas.
    std::unique_ptr<PixelCanvas> Draw(UINT itemState) {
        auto canvas = std::make_unique<PixelCanvas>(width, height, kSentinel, PixelCanvas::Font::Crisp);
        EXPECT_TRUE(canvas->Ok());
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = HostWindow::kButtonId;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = itemState;
        dis.hwndItem = host.Button();
        dis.hDC = canvas->DC();
        dis.rcItem = RECT{0, 0, width, height};
        button.DrawItem(&dis);
        return canvas;
    }

    // Every pixel of the canvas is one of the allowed colours.
    ::testing::AssertionResult OnlyColours(const PixelCanvas& canvas, std::set<COLORREF> allowed) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (!allowed.count(canvas.Pixel(x, y)))
                    return ::testing::AssertionFailure()
                           << "pixel " << x << "," << y << " has colour 0x" << std::hex << canvas.Pixel(x, y);
        return ::testing::AssertionSuccess();
    }

    // The canvas's ring of pixels at inset d from the edge all have colour.
    ::testing::AssertionResult Ring(const PixelCanvas& canvas, int d, COLORREF colour) {
        for (int x = d; x < width - d; ++x)
            for (int y : {d, height - 1 - d})
                if (canvas.Pixel(x, y) != colour)
                    return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is 0x" << std::hex
                                                         << canvas.Pixel(x, y) << ", want 0x" << colour;
        for (int y = d; y < height - d; ++y)
            for (int x : {d, width - 1 - d})
                if (canvas.Pixel(x, y) != colour)
                    return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is 0x" << std::hex
                                                         << canvas.Pixel(x, y) << ", want 0x" << colour;
        return ::testing::AssertionSuccess();
    }

    // The raised thin border: highlight on top and left, shadow on the
    // bottom and right; sunken swaps them.
    void ExpectThinBorder(const PixelCanvas& canvas, bool sunken) {
        const COLORREF topLeft = sunken ? Shadow() : Highlight();
        const COLORREF bottomRight = sunken ? Highlight() : Shadow();
        for (int x = 0; x < width - 1; ++x) EXPECT_EQ(canvas.Pixel(x, 0), topLeft) << "top " << x;
        for (int y = 0; y < height - 1; ++y) EXPECT_EQ(canvas.Pixel(0, y), topLeft) << "left " << y;
        for (int x = 0; x < width; ++x) EXPECT_EQ(canvas.Pixel(x, height - 1), bottomRight) << "bottom " << x;
        for (int y = 0; y < height; ++y) EXPECT_EQ(canvas.Pixel(width - 1, y), bottomRight) << "right " << y;
    }

    HostWindow host;
    FlatButtonProbe button;
    int width = 0;
    int height = 0;
};

}  // namespace

TEST_F(FlatButtonPaint, FlatWithThePointerAwayShowsOnlyTheNormalFillTheIconAndTheCaption) {
    Make(L"Go");
    auto canvas = Draw(0);
    EXPECT_TRUE(OnlyColours(*canvas, {kBackNormal, kIcon, kTextNormal}));
    EXPECT_TRUE(Ring(*canvas, 0, kBackNormal));
    EXPECT_EQ(canvas->Count(canvas->All(), kIcon), 16 * 16);
    EXPECT_GT(canvas->Count(canvas->All(), kTextNormal), 10);
    EXPECT_FALSE(button.m_isPressed);
}

TEST_F(FlatButtonPaint, HoveredShowsTheHoverFillARaisedBorderAndTheHoverCaption) {
    Make(L"Go");
    button.m_pointerOver = TRUE;
    auto canvas = Draw(0);
    ExpectThinBorder(*canvas, false);
    EXPECT_EQ(canvas->Pixel(5, 5), kBackHover);
    EXPECT_GT(canvas->Count(canvas->All(), kTextHover), 10);
    EXPECT_EQ(canvas->Count(canvas->All(), kTextNormal), 0);
    EXPECT_EQ(canvas->Count(canvas->All(), kBackNormal), 0);
    EXPECT_EQ(canvas->Count(canvas->All(), kIcon), 16 * 16);
}

TEST_F(FlatButtonPaint, HoveredWithoutBorderDrawsNoFrame) {
    Make(L"Go");
    button.m_pointerOver = TRUE;
    button.m_drawBorder = FALSE;
    auto canvas = Draw(0);
    EXPECT_TRUE(Ring(*canvas, 0, kBackHover));
}

TEST_F(FlatButtonPaint, PressedSinksTheBorderAndMovesImageAndCaptionByThePushOffset) {
    Make(L"Go");
    button.m_pointerOver = TRUE;
    auto up = Draw(0);
    const RECT iconUp = up->Bounds(up->All(), kIcon);
    const RECT textUp = up->Bounds(up->All(), kTextHover);

    auto down = Draw(ODS_SELECTED);
    EXPECT_TRUE(button.m_isPressed);
    ExpectThinBorder(*down, true);
    EXPECT_TRUE(SameRect(down->Bounds(down->All(), kIcon), Offset(iconUp, 1, 1)));
    EXPECT_TRUE(SameRect(down->Bounds(down->All(), kTextHover), Offset(textUp, 1, 1)));

    ASSERT_EQ(button.SetPushOffsetMode(PushOffsetDown, false), FlatOk);
    auto downOnly = Draw(ODS_SELECTED);
    EXPECT_TRUE(SameRect(downOnly->Bounds(downOnly->All(), kIcon), Offset(iconUp, 0, 2)));
    EXPECT_TRUE(SameRect(downOnly->Bounds(downOnly->All(), kTextHover), Offset(textUp, 0, 2)));
}

TEST_F(FlatButtonPaint, PressedUsesTheHoverColoursEvenWithThePointerAway) {
    Make(L"Go");
    auto canvas = Draw(ODS_SELECTED);
    EXPECT_EQ(canvas->Pixel(5, 5), kBackHover);
    EXPECT_GT(canvas->Count(canvas->All(), kTextHover), 10);
    EXPECT_EQ(canvas->Count(canvas->All(), kTextNormal), 0);
}

TEST_F(FlatButtonPaint, FocusedWithThePointerAwayUsesTheFocusFillAndNoFocusRectangle) {
    Make(L"Go");
    auto canvas = Draw(ODS_FOCUS);
    EXPECT_TRUE(button.m_hasFocus);
    EXPECT_TRUE(OnlyColours(*canvas, {kBackFocus, kIcon, kTextNormal}));
    EXPECT_GT(canvas->Count(canvas->All(), kTextNormal), 10);

    // Asked for, the flat button draws it 3 pixels inside.
    button.m_flatFocusRect = TRUE;
    auto withRect = Draw(ODS_FOCUS);
    const COLORREF inverted = kBackFocus ^ 0x00FFFFFF;
    EXPECT_GT(withRect->Count(RECT{3, 3, width - 3, 4}, inverted), (width - 6) / 3);
    EXPECT_EQ(withRect->Count(RECT{0, 2, width, 3}, inverted), 0);
}

TEST_F(FlatButtonPaint, DisabledEmbossesTheCaptionWhateverTheSlotsHold) {
    Make(L"Go");
    for (BYTE slot : {ColorTextHover, ColorTextNormal, ColorTextFocus}) button.SetStateColor(slot, kTextFocus, false);
    auto canvas = Draw(ODS_DISABLED);
    EXPECT_TRUE(button.m_isDisabled);
    // The icon is drawn disabled too: only the two emboss colours remain.
    EXPECT_TRUE(OnlyColours(*canvas, {kBackNormal, Highlight(), Shadow()}));
    // Right of the icon and of its embossed copy.
    const RECT captionArea = {3 + 16 + 2, 0, width, height};
    const RECT shadow = canvas->Bounds(captionArea, Shadow());
    const RECT highlight = canvas->Bounds(captionArea, Highlight());
    ASSERT_FALSE(::IsRectEmpty(&shadow));
    EXPECT_EQ(highlight.right, shadow.right + 1);
    EXPECT_EQ(highlight.bottom, shadow.bottom + 1);
    EXPECT_EQ(canvas->Count(canvas->All(), kIcon), 0);
}

TEST_F(FlatButtonPaint, TheMainDialogsExitLayoutPutsTheIconAtTheMarginAndCentresTheCaptionInTheRest) {
    Make(L"Exit", 97, 36, 32);
    auto canvas = Draw(0);
    EXPECT_TRUE(SameRect(canvas->Bounds(canvas->All(), kIcon), RECT{3, 2, 35, 34}));

    // The caption as drawn by hand: measured in the area right of the icon
    // and centred there.
    PixelCanvas reference(width, height, kBackNormal, PixelCanvas::Font::Crisp);
    ::SetTextColor(reference.DC(), kTextNormal);
    ::SetBkMode(reference.DC(), TRANSPARENT);
    const RECT area = {3 + 32, 0, width, height};
    RECT extent = area;
    ::DrawTextW(reference.DC(), L"Exit", -1, &extent, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    const int ew = extent.right - extent.left, eh = extent.bottom - extent.top;
    RECT centred = {area.left + (width - area.left - ew) / 2, (height - eh) / 2, 0, 0};
    centred.right = centred.left + ew;
    centred.bottom = centred.top + eh;
    ::DrawTextW(reference.DC(), L"Exit", -1, &centred, DT_WORDBREAK | DT_CENTER);

    const RECT want = reference.Bounds(reference.All(), kTextNormal);
    ASSERT_FALSE(::IsRectEmpty(&want));
    EXPECT_TRUE(SameRect(canvas->Bounds(canvas->All(), kTextNormal), want));
    EXPECT_EQ(canvas->Count(canvas->All(), kTextNormal), reference.Count(reference.All(), kTextNormal));
}

TEST_F(FlatButtonPaint, WithoutACaptionTheIconIsCentredBothWays) {
    Make(L"", 100, 36, 16);
    auto canvas = Draw(0);
    EXPECT_TRUE(SameRect(canvas->Bounds(canvas->All(), kIcon), RECT{42, 10, 58, 26}));
    EXPECT_TRUE(OnlyColours(*canvas, {kBackNormal, kIcon}));
}

TEST_F(FlatButtonPaint, ALongCaptionWrapsAndTheBlockIsCentredVertically) {
    const wchar_t* text = L"alpha beta gamma delta";
    Make(text, 60, 80, 0);
    auto canvas = Draw(0);

    PixelCanvas reference(width, height, kBackNormal, PixelCanvas::Font::Crisp);
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(reference.DC(), &tm);
    RECT extent = {0, 0, width, height};
    ::DrawTextW(reference.DC(), text, -1, &extent, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    const int ew = extent.right - extent.left, eh = extent.bottom - extent.top;
    ASSERT_GE(eh, 3 * tm.tmHeight) << "the caption must wrap for this test";
    RECT centred = {(width - ew) / 2, (height - eh) / 2, 0, 0};
    centred.right = centred.left + ew;
    centred.bottom = centred.top + eh;
    ::SetTextColor(reference.DC(), kTextNormal);
    ::SetBkMode(reference.DC(), TRANSPARENT);
    ::DrawTextW(reference.DC(), text, -1, &centred, DT_WORDBREAK | DT_CENTER);

    const RECT got = canvas->Bounds(canvas->All(), kTextNormal);
    EXPECT_TRUE(SameRect(got, reference.Bounds(reference.All(), kTextNormal)));
    EXPECT_LE(std::abs((got.top + got.bottom) / 2 - height / 2), tm.tmHeight / 2);
}

TEST_F(FlatButtonPaint, TheNormalIconShowsWhileThePointerIsAwayAndTheHoverIconOtherwise) {
    Make(L"Go", 100, 36, 0);
    ASSERT_EQ(button.SetButtonIconHandles(MakeSolidIcon(16, kIcon), MakeSolidIcon(16, kIconNormal)), FlatOk);
    auto away = Draw(0);
    EXPECT_EQ(away->Count(away->All(), kIconNormal), 256);
    EXPECT_EQ(away->Count(away->All(), kIcon), 0);
    auto focused = Draw(ODS_FOCUS);
    EXPECT_EQ(focused->Count(focused->All(), kIconNormal), 256);
    auto pressed = Draw(ODS_SELECTED);
    EXPECT_EQ(pressed->Count(pressed->All(), kIcon), 256);
    button.m_pointerOver = TRUE;
    auto over = Draw(0);
    EXPECT_EQ(over->Count(over->All(), kIcon), 256);
    EXPECT_EQ(over->Count(over->All(), kIconNormal), 0);
}

TEST_F(FlatButtonPaint, TheGreyCopyShowsWhileThePointerIsAway) {
    Make(L"Go", 100, 36, 0);
    ASSERT_EQ(button.SetButtonIconHandles(MakeSolidIcon(16, RGB(255, 0, 0)),
                                          reinterpret_cast<HICON>(static_cast<INT_PTR>(kGrayNormalIcon))),
              FlatOk);
    auto away = Draw(0);
    EXPECT_EQ(away->Count(away->All(), RGB(76, 76, 76)), 256);
    button.m_pointerOver = TRUE;
    auto over = Draw(0);
    EXPECT_EQ(over->Count(over->All(), RGB(255, 0, 0)), 256);
}

TEST_F(FlatButtonPaint, ACheckStyleButtonShowsItsCheckAsPressedWithoutMoving) {
    Make(L"Go", 100, 36, 0, BS_AUTOCHECKBOX);
    ASSERT_TRUE(button.IsCheckBox());
    ASSERT_EQ(button.SetButtonIconHandles(MakeSolidIcon(16, kIcon), MakeSolidIcon(16, kIconNormal)), FlatOk);
    button.m_pointerOver = TRUE;
    auto unchecked = Draw(0);
    // Hovered but not checked: the normal icon, raised border.
    EXPECT_EQ(unchecked->Count(unchecked->All(), kIconNormal), 256);
    ExpectThinBorder(*unchecked, false);
    const RECT iconAt = unchecked->Bounds(unchecked->All(), kIconNormal);
    const RECT textAt = unchecked->Bounds(unchecked->All(), kTextHover);

    button.SetCheckState(true, false);
    auto checked = Draw(0);
    EXPECT_TRUE(button.m_isPressed);
    ExpectThinBorder(*checked, true);
    EXPECT_TRUE(SameRect(checked->Bounds(checked->All(), kIcon), iconAt));
    EXPECT_TRUE(SameRect(checked->Bounds(checked->All(), kTextHover), textAt));
}

TEST_F(FlatButtonPaint, AnOpenDropDownMenuHoldsTheButtonDown) {
    Make(L"Go");
    button.m_menuShown = TRUE;
    auto noMenu = Draw(0);
    EXPECT_FALSE(button.m_isPressed) << "without a menu the flag means nothing";
    ASSERT_TRUE(button.m_dropMenu.CreatePopupMenu());
    auto canvas = Draw(0);
    EXPECT_TRUE(button.m_isPressed);
    ExpectThinBorder(*canvas, true);
}

TEST_F(FlatButtonPaint, NonFlatDefaultGetsABlackFrameAndTheClassicFrameInsideIt) {
    Make(L"", 100, 36, 0, BS_DEFPUSHBUTTON);
    button.m_isFlat = FALSE;
    ASSERT_TRUE(button.IsDefault());
    auto canvas = Draw(0);
    EXPECT_TRUE(Ring(*canvas, 0, RGB(0, 0, 0)));
    const int w = width, h = height;
    // The four lines on the rectangle 1 pixel inside.
    EXPECT_EQ(canvas->Pixel(10, 1), Highlight());
    EXPECT_EQ(canvas->Pixel(1, 10), Highlight());
    EXPECT_EQ(canvas->Pixel(10, 2), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(canvas->Pixel(2, 10), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(canvas->Pixel(10, h - 2), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas->Pixel(w - 2, 10), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas->Pixel(w - 2, 1), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas->Pixel(10, h - 3), Shadow());
    EXPECT_EQ(canvas->Pixel(w - 3, 10), Shadow());
    EXPECT_EQ(canvas->Pixel(10, 10), kBackNormal);
    EXPECT_TRUE(Ring(*canvas, 3, kBackNormal));
}

TEST_F(FlatButtonPaint, NonFlatFocusedDrawsTheFocusRectangleFourPixelsInside) {
    Make(L"", 100, 36, 0);
    button.m_isFlat = FALSE;
    auto canvas = Draw(ODS_FOCUS);
    EXPECT_TRUE(Ring(*canvas, 0, RGB(0, 0, 0)));
    const COLORREF inverted = kBackFocus ^ 0x00FFFFFF;
    for (int y : {4, height - 5}) {
        const RECT row = {4, y, width - 4, y + 1};
        EXPECT_GT(canvas->Count(row, inverted), (width - 8) / 3) << "row " << y;
        EXPECT_EQ(canvas->Count(row, [&](COLORREF c) { return c != inverted && c != kBackFocus; }), 0);
    }
    for (int x : {4, width - 5}) EXPECT_GT(canvas->Count(RECT{x, 6, x + 1, height - 6}, inverted), 0);
    // Nothing of it one pixel further in or out.
    for (int y : {3, 5, height - 4, height - 6}) EXPECT_EQ(canvas->Count(RECT{6, y, width - 6, y + 1}, inverted), 0);
}

TEST_F(FlatButtonPaint, NonFlatPlainButtonHasNoBlackFrame) {
    Make(L"", 100, 36, 0);
    button.m_isFlat = FALSE;
    auto canvas = Draw(0);
    EXPECT_EQ(canvas->Pixel(10, 0), Highlight());
    EXPECT_EQ(canvas->Pixel(0, 10), Highlight());
    EXPECT_EQ(canvas->Count(canvas->All(), RGB(0, 0, 0)), 0);
    const COLORREF inverted = kBackNormal ^ 0x00FFFFFF;
    EXPECT_EQ(canvas->Count(canvas->All(), inverted), 0);
}

TEST_F(FlatButtonPaint, NonFlatPressedFramesInTheShadowColour) {
    Make(L"", 100, 36, 0);
    button.m_isFlat = FALSE;
    auto canvas = Draw(ODS_SELECTED);
    EXPECT_TRUE(Ring(*canvas, 0, Shadow()));
    EXPECT_TRUE(Ring(*canvas, 1, kBackHover));
}

TEST_F(FlatButtonPaint, TheParentBackgroundIsASnapshotTakenAtTheFirstPaint) {
    Make(L"", 100, 36, 0);
    button.m_useParentBackground = TRUE;
    const COLORREF first = RGB(12, 34, 56), second = RGB(78, 90, 12);
    auto paintParent = [this](COLORREF colour) {
        CClientDC dc(host.m_hWnd);
        dc.FillSolidRect(RECT{0, 0, 400, 300}, colour);
        ::GdiFlush();
    };
    paintParent(first);
    auto canvas = Draw(0);
    EXPECT_EQ(canvas->Count(canvas->All(), first), width * height);

    paintParent(second);
    auto again = Draw(0);
    EXPECT_EQ(again->Count(again->All(), first), width * height) << "the snapshot is kept";

    ::SendMessageW(host.Button(), WM_SYSCOLORCHANGE, 0, 0);
    paintParent(second);
    auto fresh = Draw(0);
    EXPECT_EQ(fresh->Count(fresh->All(), second), width * height);
}

TEST_F(FlatButtonPaint, ABitmapIsDrawnThroughItsMask) {
    Make(L"", 40, 40, 0);
    const COLORREF kBitmap = RGB(10, 250, 250);
    // Left half transparent: white in the mask, black in the picture.
    {
        CClientDC screen(nullptr);
        ButtonBitmap& record = button.m_bitmaps[0];
        ASSERT_TRUE(record.bitmap.CreateCompatibleBitmap(screen, 8, 8));
        ASSERT_TRUE(record.mask.CreateBitmap(8, 8, 1, 1, nullptr));
        record.width = record.height = 8;
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(screen));
        {
            CSelectGuard selected(dc, record.bitmap);
            dc.FillSolidRect(RECT{0, 0, 4, 8}, RGB(0, 0, 0));
            dc.FillSolidRect(RECT{4, 0, 8, 8}, kBitmap);
        }
        CSelectGuard selected(dc, record.mask);
        dc.FillSolidRect(RECT{0, 0, 4, 8}, RGB(255, 255, 255));
        dc.FillSolidRect(RECT{4, 0, 8, 8}, RGB(0, 0, 0));
    }
    auto canvas = Draw(0);
    // Centred: 16..24 both ways; the opaque right half only.
    EXPECT_TRUE(SameRect(canvas->Bounds(canvas->All(), kBitmap), RECT{20, 16, 24, 24}));
    EXPECT_TRUE(OnlyColours(*canvas, {kBackNormal, kBitmap}));

    auto disabled = Draw(ODS_DISABLED);
    EXPECT_EQ(disabled->Count(disabled->All(), kBitmap), 0);
    EXPECT_GT(disabled->Count(disabled->All(), Shadow()), 0);
    EXPECT_TRUE(OnlyColours(*disabled, {kBackNormal, Highlight(), Shadow()}));
}

TEST_F(FlatButtonPaint, ADrawItemWithoutADeviceContextDrawsNothing) {
    Make(L"Go");
    DRAWITEMSTRUCT dis = {};
    dis.hwndItem = host.Button();
    dis.itemState = ODS_SELECTED;
    button.DrawItem(&dis);
    button.DrawItem(nullptr);
    EXPECT_FALSE(button.m_isPressed);
}
