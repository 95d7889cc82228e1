// The button's data: setters and their result codes, icons and the grey
// copy, subclassing rules and the button messages of the dialog manager.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "res/resource.h"
#include "tests/support/WaitUntil.h"
#include "tests/unit/button/FlatButtonProbe.h"
#include "tests/unit/button/HostWindow.h"
#include "tests/unit/button/TestIcons.h"
#include "ui/button/ButtonIcons.h"

namespace {

constexpr UINT kExitIconId = IDI_EXIT;  // the Exit icon, 32 x 32, a resource of this test program

const COLORREF kSlotColours[6] = {RGB(11, 12, 13), RGB(21, 22, 23), RGB(31, 32, 33),
                                  RGB(41, 42, 43), RGB(51, 52, 53), RGB(61, 62, 63)};

void FillSlots(CFlatButton& button) {
    for (BYTE i = 0; i < 6; ++i) button.SetStateColor(i, kSlotColours[i], false);
}

// True when the window has a pending repaint; clears it.
bool TakeRepaint(HWND hwnd) {
    RECT r;
    const bool pending = ::GetUpdateRect(hwnd, &r, FALSE) != FALSE;
    ::ValidateRect(hwnd, nullptr);
    return pending;
}

class BoundButton : public ::testing::Test {
protected:
    bool Bind(DWORD style, const wchar_t* text = L"Go") {
        if (!host.Create(style, text)) return false;
        if (!button.SubclassWindow(host.Button())) return false;
        testsupport::PumpMessages();
        ::ValidateRect(host.Button(), nullptr);
        return true;
    }
    HostWindow host;
    FlatButtonProbe button;
};

}  // namespace

// ---- Defaults and colour setters --------------------------------------------

TEST(FlatButtonColours, StartAsTheSystemButtonColours) {
    CFlatButton button;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), text = ::GetSysColor(COLOR_BTNTEXT);
    for (BYTE i : {ColorBackHover, ColorBackNormal, ColorBackFocus}) EXPECT_EQ(button.GetStateColor(i), face);
    for (BYTE i : {ColorTextHover, ColorTextNormal, ColorTextFocus}) EXPECT_EQ(button.GetStateColor(i), text);
}

TEST(FlatButtonColours, SetStateColorAcceptsIndicesUpToFiveOnly) {
    CFlatButton button;
    FillSlots(button);
    EXPECT_EQ(button.SetStateColor(6, RGB(1, 2, 3), true), FlatBadColorIndex);
    EXPECT_EQ(button.SetStateColor(255, RGB(1, 2, 3), false), FlatBadColorIndex);
    for (BYTE i = 0; i < 6; ++i) EXPECT_EQ(button.GetStateColor(i), kSlotColours[i]) << "slot " << int(i);
    EXPECT_EQ(button.SetStateColor(ColorTextFocus, RGB(1, 2, 3), false), FlatOk);
    EXPECT_EQ(button.GetStateColor(ColorTextFocus), RGB(1, 2, 3));
}

TEST(FlatButtonColours, ShiftStateColorChecksIndexThenRange) {
    CFlatButton button;
    FillSlots(button);
    EXPECT_EQ(button.ShiftStateColor(6, 10, false), FlatBadColorIndex);
    EXPECT_EQ(button.ShiftStateColor(6, 256, false), FlatBadColorIndex);
    EXPECT_EQ(button.ShiftStateColor(0, 256, false), FlatShiftOutOfRange);
    EXPECT_EQ(button.ShiftStateColor(0, -256, false), FlatShiftOutOfRange);
    EXPECT_EQ(button.ShiftStateColor(0, 32767, false), FlatShiftOutOfRange);
    EXPECT_EQ(button.ShiftStateColor(0, -32768, false), FlatShiftOutOfRange);
    for (BYTE i = 0; i < 6; ++i) EXPECT_EQ(button.GetStateColor(i), kSlotColours[i]) << "slot " << int(i);

    button.SetStateColor(0, RGB(0, 0, 0), false);
    EXPECT_EQ(button.ShiftStateColor(0, 255, false), FlatOk);
    EXPECT_EQ(button.GetStateColor(0), RGB(255, 255, 255));
    EXPECT_EQ(button.ShiftStateColor(0, -255, false), FlatOk);
    EXPECT_EQ(button.GetStateColor(0), RGB(0, 0, 0));
}

TEST(FlatButtonColours, ShiftMovesAllChannelsByTheSameCappedAmount) {
    CFlatButton button;
    button.SetStateColor(ColorBackHover, RGB(250, 100, 0), false);
    EXPECT_EQ(button.ShiftStateColor(ColorBackHover, 30, false), FlatOk);
    EXPECT_EQ(button.GetStateColor(ColorBackHover), RGB(255, 105, 5));

    button.SetStateColor(ColorBackHover, RGB(250, 100, 0), false);
    EXPECT_EQ(button.ShiftStateColor(ColorBackHover, -30, false), FlatOk);
    EXPECT_EQ(button.GetStateColor(ColorBackHover), RGB(250, 100, 0));

    button.SetStateColor(ColorTextNormal, RGB(255, 255, 255), false);
    EXPECT_EQ(button.ShiftStateColor(ColorTextNormal, 40, false), FlatOk);
    EXPECT_EQ(button.GetStateColor(ColorTextNormal), RGB(255, 255, 255));
    button.SetStateColor(ColorTextNormal, RGB(0, 0, 0), false);
    EXPECT_EQ(button.ShiftStateColor(ColorTextNormal, -40, false), FlatOk);
    EXPECT_EQ(button.GetStateColor(ColorTextNormal), RGB(0, 0, 0));
}

TEST_F(BoundButton, SettersRepaintOnlyWhenAsked) {
    ASSERT_TRUE(Bind(BS_PUSHBUTTON));
    button.SetStateColor(ColorBackHover, RGB(250, 100, 0), false);
    EXPECT_FALSE(TakeRepaint(host.Button()));
    // A shift that changes nothing still repaints when asked.
    EXPECT_EQ(button.ShiftStateColor(ColorBackHover, -30, true), FlatOk);
    EXPECT_TRUE(TakeRepaint(host.Button()));
    EXPECT_EQ(button.SetStateColor(ColorBackHover, RGB(1, 1, 1), true), FlatOk);
    EXPECT_TRUE(TakeRepaint(host.Button()));
    EXPECT_EQ(button.SetStateColor(9, RGB(1, 1, 1), true), FlatBadColorIndex);
    EXPECT_FALSE(TakeRepaint(host.Button()));
    EXPECT_EQ(button.ResetStateColors(true), FlatOk);
    EXPECT_TRUE(TakeRepaint(host.Button()));
}

TEST_F(BoundButton, SystemColourChangeDiscardsTheApplicationsColoursAndTheSnapshot) {
    ASSERT_TRUE(Bind(BS_PUSHBUTTON));
    FillSlots(button);
    button.ShiftStateColor(ColorBackHover, 30, false);
    button.m_bgDC.CreateCompatibleDC(nullptr);
    ::SendMessageW(host.Button(), WM_SYSCOLORCHANGE, 0, 0);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), text = ::GetSysColor(COLOR_BTNTEXT);
    for (BYTE i : {ColorBackHover, ColorBackNormal, ColorBackFocus}) EXPECT_EQ(button.GetStateColor(i), face);
    for (BYTE i : {ColorTextHover, ColorTextNormal, ColorTextFocus}) EXPECT_EQ(button.GetStateColor(i), text);
    EXPECT_EQ(button.m_bgDC.GetSafeHdc(), nullptr);
    EXPECT_TRUE(TakeRepaint(host.Button()));
}

// ---- Small setters ------------------------------------------------------------

TEST(FlatButtonSetters, PushOffsetModesAndABadModeThatKeepsTheOffsets) {
    CFlatButton button;
    EXPECT_EQ(button.PushOffset().x, 1);
    EXPECT_EQ(button.PushOffset().y, 1);
    EXPECT_EQ(button.SetPushOffsetMode(PushOffsetDown, false), FlatOk);
    EXPECT_EQ(button.PushOffset().x, 0);
    EXPECT_EQ(button.PushOffset().y, 2);
    EXPECT_EQ(button.SetPushOffsetMode(2, false), FlatBadPushMode);
    EXPECT_EQ(button.SetPushOffsetMode(255, false), FlatBadPushMode);
    EXPECT_EQ(button.PushOffset().x, 0);
    EXPECT_EQ(button.PushOffset().y, 2);
    EXPECT_EQ(button.SetPushOffsetMode(PushOffsetDiagonal, false), FlatOk);
    EXPECT_EQ(button.PushOffset().x, 1);
    EXPECT_EQ(button.PushOffset().y, 1);
}

TEST_F(BoundButton, SetCheckStateOnlyTakesEffectOnACheckStyleButton) {
    ASSERT_TRUE(Bind(BS_PUSHBUTTON));
    EXPECT_EQ(button.SetCheckState(true, true), FlatOk);
    EXPECT_FALSE(button.GetCheckState());
    EXPECT_FALSE(TakeRepaint(host.Button()));
}

TEST_F(BoundButton, SetCheckStateChecksAndUnchecksACheckStyleButton) {
    ASSERT_TRUE(Bind(BS_AUTOCHECKBOX));
    EXPECT_EQ(button.SetCheckState(true, true), FlatOk);
    EXPECT_TRUE(button.GetCheckState());
    EXPECT_TRUE(TakeRepaint(host.Button()));
    EXPECT_EQ(button.SetCheckState(false, false), FlatOk);
    EXPECT_FALSE(button.GetCheckState());
    EXPECT_FALSE(TakeRepaint(host.Button()));
}

TEST(FlatButtonLinkTarget, CopiesAtMost259BytesAndStaysTerminated) {
    CFlatButton button;
    EXPECT_STREQ(button.LinkTarget(), "");
    const std::string longText(300, 'x');
    EXPECT_EQ(button.SetLinkTarget(longText.c_str()), FlatOk);
    EXPECT_EQ(std::strlen(button.LinkTarget()), 259u);
    EXPECT_EQ(std::string(button.LinkTarget()), longText.substr(0, 259));

    const std::string exact(259, 'y');
    button.SetLinkTarget(exact.c_str());
    EXPECT_EQ(std::string(button.LinkTarget()), exact);

    button.SetLinkTarget("https://a");
    EXPECT_STREQ(button.LinkTarget(), "https://a");  // the rest of the old text is cleared
    EXPECT_EQ(button.LinkTarget()[10], '\0');
    EXPECT_EQ(button.SetLinkTarget(nullptr), FlatOk);
    EXPECT_STREQ(button.LinkTarget(), "");
}

TEST(FlatButtonLinkTarget, NeverSplitsADoubleByteCharacter) {
    ASSERT_EQ(::GetACP(), 936u) << "run the tests under the zh_CN locale (code page 936)";
    const std::string zhong = "\xD6\xD0";  // 中 in code page 936
    CFlatButton button;

    std::string text = "a";
    for (int i = 0; i < 129; ++i) text += zhong;  // 259 bytes: fits exactly
    button.SetLinkTarget(text.c_str());
    EXPECT_EQ(std::string(button.LinkTarget()), text);

    text = std::string(258, 'b') + zhong;  // 260 bytes: the last character does not fit
    button.SetLinkTarget(text.c_str());
    EXPECT_EQ(std::string(button.LinkTarget()), std::string(258, 'b'));

    text.clear();
    for (int i = 0; i < 140; ++i) text += zhong;
    button.SetLinkTarget(text.c_str());
    EXPECT_EQ(std::strlen(button.LinkTarget()), 258u);
    EXPECT_EQ(std::string(button.LinkTarget()), text.substr(0, 258));

    // A lead byte with nothing after it is kept as it stands.
    button.SetLinkTarget("ab\xD6");
    EXPECT_STREQ(button.LinkTarget(), "ab\xD6");
}

// ---- Icons ----------------------------------------------------------------------

TEST_F(BoundButton, SetButtonIconLoadsTheResourceAtItsStoredSize) {
    ASSERT_TRUE(Bind(BS_PUSHBUTTON));
    EXPECT_EQ(button.SetButtonIcon(kExitIconId, 0), FlatOk);
    ASSERT_NE(button.Icon(0).icon.Get(), nullptr);
    EXPECT_EQ(button.Icon(0).width, 32u);
    EXPECT_EQ(button.Icon(0).height, 32u);
    EXPECT_EQ(button.Icon(1).icon.Get(), nullptr);
    EXPECT_TRUE(TakeRepaint(host.Button()));

    EXPECT_EQ(button.SetButtonIcon(kExitIconId, kGrayNormalIcon), FlatOk);
    ASSERT_NE(button.Icon(1).icon.Get(), nullptr);
    EXPECT_NE(button.Icon(1).icon.Get(), button.Icon(0).icon.Get());
    EXPECT_EQ(button.Icon(1).width, 32u);
    EXPECT_EQ(button.Icon(1).height, 32u);

    EXPECT_EQ(button.SetButtonIcon(kExitIconId, kExitIconId), FlatOk);
    EXPECT_NE(button.Icon(1).icon.Get(), nullptr);
}

TEST_F(BoundButton, AMissingResourceLeavesTheButtonWithoutThatIcon) {
    ASSERT_TRUE(Bind(BS_PUSHBUTTON));
    button.SetButtonIcon(kExitIconId, kGrayNormalIcon);
    EXPECT_EQ(button.SetButtonIcon(4321, 0), FlatOk);
    EXPECT_EQ(button.Icon(0).icon.Get(), nullptr);
    EXPECT_EQ(button.Icon(1).icon.Get(), nullptr);
    EXPECT_EQ(button.SetButtonIcon(kExitIconId, 4321), FlatOk);
    EXPECT_NE(button.Icon(0).icon.Get(), nullptr);
    EXPECT_EQ(button.Icon(1).icon.Get(), nullptr);
}

TEST(FlatButtonIcons, AnUnreadableIconReleasesEveryImage) {
    CFlatButton button;
    EXPECT_EQ(button.SetButtonIconHandles(MakeSolidIcon(16, RGB(1, 2, 3)), MakeSolidIcon(16, RGB(4, 5, 6))), FlatOk);
    ASSERT_NE(button.Icon(1).icon.Get(), nullptr);

    HICON notAnIcon = reinterpret_cast<HICON>(static_cast<INT_PTR>(0x7FF0));
    EXPECT_EQ(button.SetButtonIconHandles(notAnIcon, nullptr), FlatIconUnreadable);
    EXPECT_EQ(button.Icon(0).icon.Get(), nullptr);
    EXPECT_EQ(button.Icon(1).icon.Get(), nullptr);

    EXPECT_EQ(button.SetButtonIconHandles(MakeSolidIcon(16, RGB(1, 2, 3)), notAnIcon), FlatIconUnreadable);
    EXPECT_EQ(button.Icon(0).icon.Get(), nullptr);
    EXPECT_EQ(button.Icon(1).icon.Get(), nullptr);
}

TEST(FlatButtonIcons, HandlesAreMeasuredByTheirHotSpotAndOwnedByTheButton) {
    HICON hover = MakeTestIcon(24, 16, [](int, int) { return RGB(9, 9, 9); });
    HICON normal = MakeSolidIcon(20, RGB(8, 8, 8));
    {
        CFlatButton button;
        EXPECT_EQ(button.SetButtonIconHandles(hover, normal), FlatOk);
        EXPECT_EQ(button.Icon(0).icon.Get(), hover);
        EXPECT_EQ(button.Icon(0).width, 24u);
        EXPECT_EQ(button.Icon(0).height, 16u);
        EXPECT_EQ(button.Icon(1).icon.Get(), normal);
        EXPECT_EQ(button.Icon(1).width, 20u);
    }
    ICONINFO info = {};
    EXPECT_FALSE(::GetIconInfo(hover, &info)) << "the button destroys its icons";
    EXPECT_FALSE(::GetIconInfo(normal, &info));
}

TEST(FlatButtonIcons, ANullHoverIconMeansNoIcon) {
    CFlatButton button;
    EXPECT_EQ(button.SetButtonIconHandles(nullptr, reinterpret_cast<HICON>(static_cast<INT_PTR>(kGrayNormalIcon))),
              FlatOk);
    EXPECT_EQ(button.Icon(0).icon.Get(), nullptr);
    EXPECT_EQ(button.Icon(1).icon.Get(), nullptr);
}

TEST(MakeGrayIcon, WeighsEachPixelIntoAGreyAndKeepsBlackAndTheMask) {
    // Columns: white, red, green, blue, black, mid grey; the right half of
    // the bottom rows is transparent.
    const COLORREF columns[6] = {RGB(255, 255, 255), RGB(255, 0, 0), RGB(0, 255, 0),
                                 RGB(0, 0, 255),     RGB(0, 0, 0),   RGB(128, 128, 128)};
    auto transparent = [](int x, int y) { return y >= 12 && x >= 8; };
    HICON source = MakeTestIcon(
        16, 16, [&](int x, int) { return columns[(x / 2) % 6]; }, transparent);
    ASSERT_NE(source, nullptr);
    HICON gray = flatbutton::MakeGrayIcon(source);
    ASSERT_NE(gray, nullptr);

    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(gray, &info));
    EXPECT_TRUE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 8u);
    EXPECT_EQ(info.yHotspot, 8u);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);

    const int expected[6] = {255, 76, 149, 29, 0, 128};
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) {
            COLORREF c;
            bool clear;
            ASSERT_TRUE(ReadIconPixel(gray, x, y, &c, &clear));
            const int level = expected[(x / 2) % 6];
            EXPECT_EQ(c, RGB(level, level, level)) << x << "," << y;
            EXPECT_FALSE(clear) << x << "," << y;
        }
    for (int y = 12; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            COLORREF c;
            bool clear;
            ASSERT_TRUE(ReadIconPixel(gray, x, y, &c, &clear));
            EXPECT_EQ(clear, transparent(x, y)) << x << "," << y;
        }
    ::DestroyIcon(gray);
    ::DestroyIcon(source);
}

TEST(MakeGrayIcon, ReturnsNullForAHandleThatIsNoIcon) {
    EXPECT_EQ(flatbutton::MakeGrayIcon(nullptr), nullptr);
    EXPECT_EQ(flatbutton::MakeGrayIcon(reinterpret_cast<HICON>(static_cast<INT_PTR>(0x7FF0))), nullptr);
}

// ---- Subclassing and the dialog manager's button messages -------------------------

struct StyleCase {
    DWORD type;
    BOOL isDefault;
    BOOL isCheckBox;
    DWORD buttonType;
};

class SubclassStyles : public ::testing::TestWithParam<StyleCase> {};

TEST_P(SubclassStyles, TakeTheTypeAndBecomeOwnerDrawn) {
    const StyleCase c = GetParam();
    HostWindow host;
    ASSERT_TRUE(host.Create(c.type, L"Go"));
    CFlatButton button;
    ASSERT_TRUE(button.SubclassWindow(host.Button()));
    EXPECT_EQ(button.IsDefault(), c.isDefault);
    EXPECT_EQ(button.IsCheckBox(), c.isCheckBox);
    EXPECT_EQ(button.ButtonType(), c.buttonType);
    EXPECT_EQ(button.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_TRUE(button.GetStyle() & WS_TABSTOP);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, SubclassStyles,
                         ::testing::Values(StyleCase{BS_PUSHBUTTON, FALSE, FALSE, BS_PUSHBUTTON},
                                           StyleCase{BS_DEFPUSHBUTTON, TRUE, FALSE, 0},
                                           StyleCase{BS_CHECKBOX, FALSE, TRUE, BS_CHECKBOX},
                                           StyleCase{BS_AUTOCHECKBOX, FALSE, TRUE, BS_AUTOCHECKBOX},
                                           StyleCase{BS_RADIOBUTTON, FALSE, FALSE, BS_RADIOBUTTON},
                                           StyleCase{BS_3STATE, FALSE, FALSE, BS_3STATE},
                                           StyleCase{BS_AUTO3STATE, FALSE, TRUE, BS_AUTO3STATE},
                                           StyleCase{BS_AUTORADIOBUTTON, FALSE, FALSE, BS_AUTORADIOBUTTON},
                                           StyleCase{BS_OWNERDRAW, FALSE, TRUE, BS_OWNERDRAW},
                                           StyleCase{BS_PUSHBUTTON | BS_NOTIFY, FALSE, FALSE, BS_PUSHBUTTON}));

TEST_F(BoundButton, SetStyleMovesTheDefaultAndKeepsTheControlOwnerDrawn) {
    ASSERT_TRUE(Bind(BS_DEFPUSHBUTTON));
    ASSERT_TRUE(button.IsDefault());
    ::SendMessageW(host.Button(), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_FALSE(button.IsDefault());
    EXPECT_EQ(button.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
    ::SendMessageW(host.Button(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_TRUE(button.IsDefault());
    EXPECT_EQ(button.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
    // Other types leave the default alone.
    ::SendMessageW(host.Button(), BM_SETSTYLE, BS_CHECKBOX, TRUE);
    EXPECT_TRUE(button.IsDefault());
    ::SendMessageW(host.Button(), BM_SETSTYLE, BS_RADIOBUTTON, TRUE);
    EXPECT_TRUE(button.IsDefault());
    EXPECT_EQ(button.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
}

TEST_F(BoundButton, SetCheckAndGetCheckOnACheckStyleButton) {
    ASSERT_TRUE(Bind(BS_AUTOCHECKBOX));
    EXPECT_EQ(::SendMessageW(host.Button(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(::SendMessageW(host.Button(), BM_SETCHECK, BST_CHECKED, 0), 0);
    EXPECT_EQ(::SendMessageW(host.Button(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(TakeRepaint(host.Button()));
    ::SendMessageW(host.Button(), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(::SendMessageW(host.Button(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    ::SendMessageW(host.Button(), BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(::SendMessageW(host.Button(), BM_GETCHECK, 0, 0), 1);
    ::SendMessageW(host.Button(), BM_SETCHECK, 3, 0);
    EXPECT_EQ(::SendMessageW(host.Button(), BM_GETCHECK, 0, 0), 0);
}

TEST_F(BoundButton, SetCheckIsIgnoredByAPushButton) {
    ASSERT_TRUE(Bind(BS_PUSHBUTTON));
    ::SendMessageW(host.Button(), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(::SendMessageW(host.Button(), BM_GETCHECK, 0, 0), 0);
}
