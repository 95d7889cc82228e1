// Item sizes as WM_MEASUREITEM reports them, the choice of look, and the
// answers to WM_MENUCHAR, on real menus and the system's menu font.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include "tests/unit/menu/MenuTestSupport.h"
#include "ui/menu/measure/ItemMeasuring.h"
#include "ui/menu/model/SystemDetection.h"
#include "ui/menu/model/TesselMenu.h"

using namespace tessel;

namespace {

// Width of a caption in the menu font, as an independent reference.
int MenuTextWidth(const wchar_t* text) {
    HDC dc = GetDC(GetDesktopWindow());
    HFONT font = menutest::MenuFont();
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(GetDesktopWindow(), dc);
    return size.cx;
}

SIZE Measure(const TesselMenuItem* item, bool xpStyle, bool effects, int cyMenu, OsVersionCode os = OsWinXP) {
    MeasureSettings s;
    s.xpStyleActive = xpStyle;
    s.xpIconEffects = effects;
    s.cyMenu = cyMenu;
    s.os = os;
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemData = reinterpret_cast<ULONG_PTR>(item);
    MeasureMenuItem(item, s, &mis);
    return SIZE{static_cast<LONG>(mis.itemWidth), static_cast<LONG>(mis.itemHeight)};
}

TEST(MenuMeasure, DefaultsOfTheThreeLooks) {
    const wchar_t* caption = L"&Open\tCtrl+O";
    TesselMenuItem item;
    item.SetTextWide(caption);
    const int w = MenuTextWidth(caption);
    ASSERT_GT(w, 20);
    struct Case {
        bool xp, effects;
        int cy, width, height;
    };
    for (const Case c :
         {Case{false, true, 19, w + 33, 19}, Case{false, true, 20, w + 33, 20}, Case{true, true, 19, w + 31, 22},
          Case{true, true, 20, w + 31, 22}, Case{true, false, 19, w + 28, 19}, Case{true, false, 20, w + 28, 20},
          Case{false, false, 24, w + 33, 24}}) {
        const SIZE size = Measure(&item, c.xp, c.effects, c.cy);
        EXPECT_EQ(size.cx, c.width) << c.xp << c.effects << c.cy;
        EXPECT_EQ(size.cy, c.height) << c.xp << c.effects << c.cy;
    }
}

TEST(MenuMeasure, SeparatorsAreHalfHeightAndNoWidth) {
    TesselMenuItem separator;
    separator.flags = MF_SEPARATOR | MF_OWNERDRAW;
    separator.SetTextWide(L"a caption does not count");
    struct Case {
        bool xp, effects;
        int cy, height;
    };
    for (const Case c :
         {Case{false, true, 19, 9}, Case{false, true, 20, 10}, Case{true, true, 19, 11}, Case{true, true, 20, 11},
          Case{true, true, 24, 12}, Case{true, false, 19, 9}, Case{true, false, 21, 10}}) {
        const SIZE size = Measure(&separator, c.xp, c.effects, c.cy);
        EXPECT_EQ(size.cx, 0);
        EXPECT_EQ(size.cy, c.height) << c.xp << c.effects << c.cy;
    }
}

TEST(MenuMeasure, CaptionsAreMeasuredAsUtf16AndMissingOnesAsEmpty) {
    TesselMenuItem chinese;
    chinese.SetTextWide(L"文件(&F)");
    EXPECT_EQ(Measure(&chinese, false, true, 19).cx, MenuTextWidth(L"文件(&F)") + 33);
    TesselMenuItem none;
    EXPECT_EQ(Measure(&none, false, true, 19).cx, 33);
    EXPECT_EQ(Measure(nullptr, true, true, 19).cx, 31);
}

TEST(MenuMeasure, Win32sMeasuresWithDrawText) {
    TesselMenuItem item;
    item.SetTextWide(L"Exit");
    HDC dc = GetDC(GetDesktopWindow());
    HFONT font = menutest::MenuFont();
    HGDIOBJ old = SelectObject(dc, font);
    RECT r = {};
    DrawTextA(dc, "Exit", -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(GetDesktopWindow(), dc);
    int w = r.right - r.left + 3;
    w += 3 * (w / 4);
    EXPECT_EQ(Measure(&item, false, true, 19, OsWin32s).cx, w + 33);
}

TEST(MenuMeasure, TheMenuObjectMeasuresInTheLookInForce) {
    // This process runs as a later NT version: the classic look, and the
    // captions measured in the menu font the system draws them with.
    ASSERT_FALSE(IsXPStyleActive());
    TesselMenu menu;
    TesselMenuItem item;
    item.SetTextWide(L"&Paste");
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemData = reinterpret_cast<ULONG_PTR>(&item);
    menu.MeasureItem(&mis);
    EXPECT_EQ(static_cast<int>(mis.itemWidth), MenuTextWidth(L"&Paste") + 33);
    EXPECT_EQ(static_cast<int>(mis.itemHeight), std::max(GetSystemMetrics(SM_CYMENU), 19));
}

TEST(LookChoice, APaletteDeviceAlwaysDrawsClassic) {
    EXPECT_TRUE(UsesClassicDrawing(RC_PALETTE, true));
    EXPECT_TRUE(UsesClassicDrawing(RC_PALETTE | RC_BITBLT, false));
    EXPECT_FALSE(UsesClassicDrawing(RC_BITBLT | RC_STRETCHBLT, true));
    EXPECT_TRUE(UsesClassicDrawing(RC_BITBLT, false));
}

class MenuCharTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(menu_.CreatePopupMenu()); }
    LRESULT Answer(UINT character, UINT flags = MF_POPUP) {
        return TesselMenu::HandleMenuChar(character, flags, &menu_);
    }
    TesselMenu menu_;
};

TEST_F(MenuCharTest, TheFirstCaptionWithAmpersandAndTheCharacterIsChosen) {
    menu_.AppendItem(L"File options", 0, 1);
    menu_.AppendItem(L"&Find\tCtrl+F", 0, 2);
    menu_.AppendItem(L"&Fold", 0, 3);
    EXPECT_EQ(Answer('F'), 0x20001);
    EXPECT_EQ(Answer('f'), 0x20001);
    EXPECT_EQ(Answer('z'), 0);
    EXPECT_EQ(Answer('o'), 0) << "the o of File follows no ampersand";
}

TEST_F(MenuCharTest, ADoubledAmpersandBeforeTheCharacterAlsoMatches) {
    menu_.AppendItem(L"Salt", 0, 1);
    menu_.AppendItem(L"Fish && Chips", 0, 2);
    menu_.AppendItem(L"Salt &&pepper", 0, 3);
    EXPECT_EQ(Answer('P'), 0x20002);
    EXPECT_EQ(Answer(' '), 0x20001);
}

TEST_F(MenuCharTest, ChineseCaptions) {
    const wchar_t* wide = L"文件(&F)";
    menu_.AppendItem(L"编辑", 0, 1);
    menu_.AppendItem(wide, 0, 2);
    EXPECT_EQ(Answer('f'), 0x20001);
}

TEST_F(MenuCharTest, TheMenuBarAndAMissingMenuAreIgnoredAtOnce) {
    menu_.AppendItem(L"&Run", 0, 1);
    EXPECT_EQ(Answer('r', 0), 0);
    EXPECT_EQ(Answer('r', MF_SYSMENU), 0);
    EXPECT_EQ(TesselMenu::HandleMenuChar('r', MF_POPUP, nullptr), 0);
    EXPECT_EQ(Answer('r'), 0x20000);
}

TEST_F(MenuCharTest, AMenuChangedBehindItsBackIsResynchronisedFirst) {
    menu_.AppendItem(L"&Alpha", 0, 1);
    menu_.AppendItem(L"&Beta", 0, 2);
    InsertMenuA(menu_.m_hMenu, 0, MF_BYPOSITION | MF_STRING, 3, "&Gamma");
    EXPECT_EQ(Answer('b'), 0x20002);
    EXPECT_EQ(menu_.m_items.size(), 3u);
    EXPECT_EQ(Answer('g'), 0x20000);
    DeleteMenu(menu_.m_hMenu, 0, MF_BYPOSITION);
    DeleteMenu(menu_.m_hMenu, 0, MF_BYPOSITION);
    EXPECT_EQ(Answer('b'), 0x20000);
    EXPECT_EQ(Answer('a'), 0);
}

TEST(SubMenuRegistry, KnowsOnlyAppendedPopups) {
    EXPECT_FALSE(TesselMenu::IsRegisteredSubMenuHandle(nullptr));
    EXPECT_FALSE(TesselMenu::IsRegisteredSubMenu(nullptr));
    TesselMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    auto owned = std::make_unique<TesselMenu>();
    ASSERT_TRUE(owned->CreatePopupMenu());
    TesselMenu* popup = owned.get();  // borrowed: bar owns it once appended
    EXPECT_FALSE(TesselMenu::IsRegisteredSubMenu(popup));
    bar.AppendPopup(L"&Popup", 0, std::move(owned));
    EXPECT_TRUE(TesselMenu::IsRegisteredSubMenu(popup));
    EXPECT_TRUE(TesselMenu::IsRegisteredSubMenuHandle(popup->m_hMenu));
    EXPECT_FALSE(TesselMenu::IsRegisteredSubMenu(&bar));
    CMenu plain;
    ASSERT_TRUE(plain.CreatePopupMenu());
    EXPECT_FALSE(TesselMenu::IsRegisteredSubMenu(&plain));
}

}  // namespace
