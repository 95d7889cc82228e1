// Behaviour of the flat button through real window messages: the hover
// highlight and what ends it, clicks and their reflection to the parent,
// the dialog manager's protocol, the drop-down menu and the link target.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "tests/support/TestFolder.h"
#include "tests/support/WaitUntil.h"
#include "tests/unit/button/FlatButtonProbe.h"
#include "tests/unit/button/HostWindow.h"

#include <mmsystem.h>

namespace {

// True when the window has a pending repaint; clears it.
bool TakeRepaint(HWND hwnd) {
    RECT r;
    const bool pending = ::GetUpdateRect(hwnd, &r, FALSE) != FALSE;
    ::ValidateRect(hwnd, nullptr);
    return pending;
}

POINT CentreOnScreen(HWND hwnd) {
    RECT r;
    ::GetWindowRect(hwnd, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

LPARAM ClientPoint(HWND hwnd, POINT screen) {
    ::ScreenToClient(hwnd, &screen);
    return MAKELPARAM(screen.x, screen.y);
}

class FlatButtonBehaviour : public ::testing::Test {
protected:
    void Bind(DWORD style = BS_PUSHBUTTON, bool withNextTabStop = true) {
        // The pointer starts away from where the windows appear.
        ASSERT_TRUE(::SetCursorPos(900, 900));
        testsupport::PumpMessages();
        ASSERT_TRUE(host.Create(style, L"Go", SIZE{80, 30}, withNextTabStop));
        ASSERT_TRUE(button.SubclassWindow(host.Button()));
        testsupport::PumpMessages();
        ::ValidateRect(host.Button(), nullptr);
    }

    // Moves the real pointer onto the button and tells the button, as the
    // window manager would. Nothing is pumped here, so the move the window
    // manager queues for the pointer's jump waits for the next pump.
    void PointerOntoButton(UINT keys = 0) {
        const POINT p = CentreOnScreen(host.Button());
        ASSERT_TRUE(::SetCursorPos(p.x, p.y));
        ASSERT_EQ(::WindowFromPoint(p), host.Button());
        ::SendMessageW(host.Button(), WM_MOUSEMOVE, keys, ClientPoint(host.Button(), p));
    }

    void ClickWithTheMouse() {
        const LPARAM at = MAKELPARAM(20, 10);
        ::SendMessageW(host.Button(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(host.Button(), WM_LBUTTONUP, 0, at);
    }

    // BN_CLICKED as the control sends it to its parent.
    void NotifyClicked() {
        ::SendMessageW(host.m_hWnd, WM_COMMAND, MAKEWPARAM(HostWindow::kButtonId, BN_CLICKED),
                       reinterpret_cast<LPARAM>(host.Button()));
    }

    HostWindow host;
    FlatButtonProbe button;
};

}  // namespace

// ---- Dialog-manager protocol --------------------------------------------------

TEST_F(FlatButtonBehaviour, GetDlgCodeTellsDefaultFromOrdinary) {
    Bind(BS_DEFPUSHBUTTON);
    LRESULT code = ::SendMessageW(host.Button(), WM_GETDLGCODE, 0, 0);
    EXPECT_EQ(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON), DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(code & DLGC_BUTTON) << "the control's own code is kept";

    ::SendMessageW(host.Button(), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    code = ::SendMessageW(host.Button(), WM_GETDLGCODE, 0, 0);
    EXPECT_EQ(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON), DLGC_UNDEFPUSHBUTTON);
}

TEST_F(FlatButtonBehaviour, TheReflectedColourMessageGetsTheHollowBrush) {
    Bind();
    CClientDC dc(host.Button());
    const LRESULT brush = ::SendMessageW(host.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                         reinterpret_cast<LPARAM>(host.Button()));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
}

TEST_F(FlatButtonBehaviour, TheButtonsCursorIsShownOverIt) {
    Bind();
    EXPECT_EQ(::SendMessageW(host.Button(), WM_SETCURSOR, reinterpret_cast<WPARAM>(host.Button()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              FALSE);
    const BYTE andMask[32 * 4] = {}, xorMask[32 * 4] = {};
    HCURSOR cursor = ::CreateCursor(::GetModuleHandleW(nullptr), 0, 0, 32, 32, andMask, xorMask);
    ASSERT_NE(cursor, nullptr);
    button.m_cursor = CCursor(cursor);
    EXPECT_EQ(::SendMessageW(host.Button(), WM_SETCURSOR, reinterpret_cast<WPARAM>(host.Button()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(::GetCursor(), cursor);
    ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
}

// ---- Hover --------------------------------------------------------------------

TEST_F(FlatButtonBehaviour, APointerReallyOverTheButtonLightsItOnceAndLeavingEndsIt) {
    Bind();
    PointerOntoButton();
    EXPECT_TRUE(button.m_pointerOver);
    EXPECT_TRUE(TakeRepaint(host.Button()));
    PointerOntoButton();
    EXPECT_TRUE(button.m_pointerOver);
    EXPECT_FALSE(TakeRepaint(host.Button())) << "already hovered: no repaint";

    // The leave notification was asked for: moving away ends the hover
    // without any further message from the test.
    ASSERT_TRUE(::SetCursorPos(900, 900));
    EXPECT_TRUE(testsupport::WaitUntil([&] { return !button.m_pointerOver; }, 5000));
}

TEST_F(FlatButtonBehaviour, AMoveReportedWhileThePointerIsElsewhereEndsTheHover) {
    Bind();
    PointerOntoButton();
    ASSERT_TRUE(button.m_pointerOver);
    TakeRepaint(host.Button());
    const POINT elsewhere = CentreOnScreen(host.Next());
    ASSERT_TRUE(::SetCursorPos(elsewhere.x, elsewhere.y));
    ::SendMessageW(host.Button(), WM_MOUSEMOVE, 0, ClientPoint(host.Button(), elsewhere));
    EXPECT_FALSE(button.m_pointerOver);
    EXPECT_TRUE(TakeRepaint(host.Button()));
}

TEST_F(FlatButtonBehaviour, DraggingOntoTheButtonDoesNotLightItButALaterMoveDoes) {
    Bind();
    PointerOntoButton(MK_LBUTTON);
    EXPECT_FALSE(button.m_pointerOver);
    PointerOntoButton();
    EXPECT_TRUE(button.m_pointerOver);
    // Once lit, a move with the button held keeps it lit.
    PointerOntoButton(MK_LBUTTON);
    EXPECT_TRUE(button.m_pointerOver);
}

TEST_F(FlatButtonBehaviour, ANonFlatButtonHasNoHover) {
    Bind();
    button.m_isFlat = FALSE;
    PointerOntoButton();
    EXPECT_FALSE(button.m_pointerOver);
}

TEST_F(FlatButtonBehaviour, LeaveFocusLossDeactivationAndCancelModeEndTheHover) {
    Bind();
    struct Case {
        UINT message;
        WPARAM wParam;
        const char* name;
    };
    for (const Case& c :
         {Case{WM_MOUSELEAVE, 0, "WM_MOUSELEAVE"}, Case{WM_KILLFOCUS, 0, "WM_KILLFOCUS"},
          Case{WM_ACTIVATE, WA_INACTIVE, "WM_ACTIVATE inactive"}, Case{WM_CANCELMODE, 0, "WM_CANCELMODE"}}) {
        button.m_pointerOver = TRUE;
        TakeRepaint(host.Button());
        const LRESULT result = ::SendMessageW(host.Button(), c.message, c.wParam, 0);
        EXPECT_FALSE(button.m_pointerOver) << c.name;
        EXPECT_TRUE(TakeRepaint(host.Button())) << c.name;
        if (c.message == WM_MOUSELEAVE) {
            EXPECT_EQ(result, 0);
        }
    }
    button.m_pointerOver = TRUE;
    ::SendMessageW(host.Button(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(button.m_pointerOver) << "activation keeps it";
}

TEST_F(FlatButtonBehaviour, DisablingTheFocusedButtonEndsTheHoverAndMovesTheFocusToTheNextTabStop) {
    Bind();
    // A third tab stop, so that the previous one is not the next as well.
    ASSERT_NE(::CreateWindowExW(0, L"BUTTON", L"last", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 100, 150, 80, 30,
                                host.m_hWnd, nullptr, ::GetModuleHandleW(nullptr), nullptr),
              nullptr);
    ASSERT_TRUE(host.Activate());
    ::SetFocus(host.Button());
    ASSERT_EQ(::GetFocus(), host.Button());
    button.m_pointerOver = TRUE;
    ::EnableWindow(host.Button(), FALSE);
    EXPECT_EQ(::GetFocus(), host.Next());
    EXPECT_FALSE(button.m_pointerOver);
}

TEST_F(FlatButtonBehaviour, DisablingTheOnlyTabStopGivesTheFocusToTheParent) {
    Bind(BS_PUSHBUTTON, false);
    ASSERT_TRUE(host.Activate());
    ::SetFocus(host.Button());
    ASSERT_EQ(::GetFocus(), host.Button());
    ::EnableWindow(host.Button(), FALSE);
    EXPECT_EQ(::GetFocus(), host.m_hWnd);
}

TEST_F(FlatButtonBehaviour, DisablingAButtonWithoutTheFocusLeavesTheFocusWhereItIs) {
    Bind();
    ASSERT_TRUE(host.Activate());
    ::SetFocus(host.Next());
    ASSERT_EQ(::GetFocus(), host.Next());
    button.m_pointerOver = TRUE;
    ::EnableWindow(host.Button(), FALSE);
    EXPECT_EQ(::GetFocus(), host.Next());
    EXPECT_FALSE(button.m_pointerOver);
}

// ---- Clicks ---------------------------------------------------------------------

TEST_F(FlatButtonBehaviour, AMouseClickReachesTheParentAndLeavesTheFocusOnTheButton) {
    Bind();
    ASSERT_TRUE(host.Activate());
    ::SetFocus(host.Next());
    ClickWithTheMouse();
    EXPECT_EQ(host.clicks, 1);
    EXPECT_EQ(::GetFocus(), host.Button());
}

TEST_F(FlatButtonBehaviour, TheReflectedClickTakesTheFocusAndLetsTheParentHandleItToo) {
    Bind();
    ASSERT_TRUE(host.Activate());
    ::SetFocus(host.Next());
    NotifyClicked();
    EXPECT_EQ(::GetFocus(), host.Button());
    EXPECT_EQ(host.clicks, 1);
}

TEST_F(FlatButtonBehaviour, ACheckStyleButtonTogglesOnEveryClick) {
    Bind(BS_AUTOCHECKBOX);
    ClickWithTheMouse();
    EXPECT_TRUE(button.GetCheckState());
    EXPECT_EQ(::SendMessageW(host.Button(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(TakeRepaint(host.Button()));
    ClickWithTheMouse();
    EXPECT_FALSE(button.GetCheckState());
    EXPECT_EQ(host.clicks, 2);
}

namespace {

// The same fast double click as the queue delivers it.
const UINT kDoubleClick[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};

MSG MouseMessage(HWND hwnd, UINT message) {
    MSG msg = {};
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    msg.lParam = MAKELPARAM(20, 10);
    msg.time = ::GetTickCount();
    return msg;
}

}  // namespace

TEST_F(FlatButtonBehaviour, AFastDoubleClickMakesTwoClicks) {
    Bind();
    for (UINT message : kDoubleClick) {
        MSG msg = MouseMessage(host.Button(), message);
        if (!button.PreTranslateMessage(&msg)) ::DispatchMessageW(&msg);
        if (message == WM_LBUTTONDBLCLK) {
            EXPECT_EQ(msg.message, static_cast<UINT>(WM_LBUTTONDOWN));
        }
    }
    EXPECT_EQ(host.clicks, 2);
    EXPECT_EQ(host.doubleClicks, 0);
}

TEST_F(FlatButtonBehaviour, WithoutTheTranslationTheControlReportsADoubleClickInstead) {
    // Why the translation exists: the owner-drawn control itself turns the
    // second press into a double-click notification.
    Bind();
    for (UINT message : kDoubleClick) {
        MSG msg = MouseMessage(host.Button(), message);
        ::DispatchMessageW(&msg);
    }
    EXPECT_EQ(host.clicks, 1);
    EXPECT_EQ(host.doubleClicks, 1);
}

TEST_F(FlatButtonBehaviour, PreTranslateMessageCreatesTheToolTipOnceAndLeavesOtherMessagesAlone) {
    Bind();
    ASSERT_EQ(button.m_toolTip.m_hWnd, nullptr);
    MSG msg = MouseMessage(host.Button(), WM_MOUSEMOVE);
    EXPECT_FALSE(button.PreTranslateMessage(&msg));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_MOUSEMOVE));
    const HWND tip = button.m_toolTip.m_hWnd;
    ASSERT_NE(tip, nullptr);
    // A popup's owner is the top-level window of the child it is given.
    EXPECT_EQ(::GetWindow(tip, GW_OWNER), ::GetAncestor(host.Button(), GA_ROOT));
    EXPECT_EQ(::SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 400);
    EXPECT_EQ(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
    EXPECT_FALSE(::IsWindowVisible(tip));
    button.PreTranslateMessage(&msg);
    EXPECT_EQ(button.m_toolTip.m_hWnd, tip);
}

TEST_F(FlatButtonBehaviour, AFailingClickSoundLeavesTheButtonUsable) {
    Bind();
    std::strcpy(button.m_clickSound.name, "C:\\no-such-folder\\no-such-sound.wav");
    button.m_clickSound.sound = button.m_clickSound.name;
    button.m_clickSound.flags = SND_FILENAME | SND_NODEFAULT;
    ClickWithTheMouse();
    ClickWithTheMouse();
    EXPECT_EQ(host.clicks, 2);
}

TEST_F(FlatButtonBehaviour, AFailingHoverSoundStillLightsTheButton) {
    Bind();
    std::strcpy(button.m_hoverSound.name, "C:\\no-such-folder\\no-such-sound.wav");
    button.m_hoverSound.sound = button.m_hoverSound.name;
    button.m_hoverSound.flags = SND_FILENAME | SND_NODEFAULT;
    PointerOntoButton();
    EXPECT_TRUE(button.m_pointerOver);
}

// ---- Link target -------------------------------------------------------------------

TEST_F(FlatButtonBehaviour, ALinkTargetIsOpenedOnClick) {
    Bind();
    testsupport::TestFolder folder;
    ASSERT_TRUE(folder.Valid());
    const std::string script = folder.File("zv_button_link.cmd");
    const std::string marker = folder.File("zv_button_link.txt");
    {
        std::ofstream out(script, std::ios::binary);
        out << "@echo off\r\necho opened> \"" << marker << "\"\r\n";
    }
    ASSERT_EQ(button.SetLinkTarget(script.c_str()), FlatOk);
    NotifyClicked();
    EXPECT_EQ(host.clicks, 1);
    EXPECT_TRUE(
        testsupport::WaitUntil([&] { return ::GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000));
}

TEST_F(FlatButtonBehaviour, AMissingLinkTargetFailsSilently) {
    Bind();
    ASSERT_EQ(button.SetLinkTarget("C:\\no-such-folder\\nothing-here.txt"), FlatOk);
    // An error box would hold this call in its own loop.
    NotifyClicked();
    EXPECT_EQ(host.clicks, 1);
}

// ---- Drop-down menu ------------------------------------------------------------------

namespace {

// What the timer saw while the menu was open, and what it did.
struct MenuScript {
    UINT key = 0;           // key sent to the open menu
    wchar_t character = 0;  // or a typed character
    bool sawMenuShown = false;
    bool ranOut = false;
};
MenuScript g_menuScript;
FlatButtonProbe* g_menuButton = nullptr;

void CALLBACK DriveOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    g_menuScript.sawMenuShown = g_menuButton != nullptr && g_menuButton->m_menuShown;
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    if (g_menuScript.character != 0) {
        ::PostMessageW(menu, WM_CHAR, g_menuScript.character, 0);
        return;
    }
    if (g_menuScript.key == VK_RETURN) ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(menu, WM_KEYDOWN, g_menuScript.key, 0);
}

// Closes a menu that the script did not close, so that a fault fails the
// test instead of hanging it.
void CALLBACK CloseMenuAtLast(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    if (::FindWindowW(L"#32768", nullptr) != nullptr) {
        g_menuScript.ranOut = true;
        ::EndMenu();
    }
}

class DropDownMenu : public FlatButtonBehaviour {
protected:
    void SetUpMenu(bool withSubMenu = true) {
        ASSERT_TRUE(button.m_dropMenu.CreateMenu());
        if (withSubMenu) {
            m_popup = ::CreatePopupMenu();
            ::AppendMenuW(m_popup, MF_STRING, 501, L"first");
            ::AppendMenuW(m_popup, MF_STRING, 502, L"second");
            ::AppendMenuW(button.m_dropMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_popup), L"menu");
        } else {
            ::AppendMenuW(button.m_dropMenu, MF_STRING, 600, L"plain");
        }
        button.m_menuTarget = host.m_hWnd;
        button.m_menuNotify.target = host.m_hWnd;
        button.m_menuNotify.message = HostWindow::kMenuNotify;
        button.m_menuNotify.value = 77;
    }

    void ClickWhileTheMenuGets(UINT key, wchar_t character = 0) {
        g_menuScript = MenuScript{};
        g_menuScript.key = key;
        g_menuScript.character = character;
        g_menuButton = &button;
        ::SetTimer(nullptr, 0, 200, &DriveOpenMenu);
        const UINT_PTR lastResort = ::SetTimer(nullptr, 0, 8000, &CloseMenuAtLast);
        NotifyClicked();
        ::KillTimer(nullptr, lastResort);
        g_menuButton = nullptr;
    }

    HMENU m_popup = nullptr;  // owned by the button's menu once appended
};

}  // namespace

TEST_F(DropDownMenu, TheChosenCommandIsPostedToTheTarget) {
    Bind();
    SetUpMenu();
    ClickWhileTheMenuGets(VK_RETURN);
    EXPECT_FALSE(g_menuScript.ranOut);
    EXPECT_TRUE(g_menuScript.sawMenuShown) << "the button is held down while the menu is open";
    EXPECT_FALSE(button.m_menuShown);
    EXPECT_EQ(host.clicks, 1) << "the parent handles the click as well";
    ASSERT_EQ(host.menuNotifies, 1);
    EXPECT_EQ(reinterpret_cast<CMenu*>(host.menuNotifyWParam)->m_hMenu, m_popup);
    EXPECT_EQ(host.menuNotifyLParam, 77);
    EXPECT_TRUE(host.menuCommands.empty()) << "posted, not sent";
    ASSERT_TRUE(testsupport::WaitUntil([&] { return !host.menuCommands.empty(); }, 5000));
    EXPECT_EQ(host.menuCommands.front(), 501u);
}

TEST_F(DropDownMenu, ADismissedMenuPostsNothing) {
    Bind();
    SetUpMenu();
    ClickWhileTheMenuGets(VK_ESCAPE);
    EXPECT_FALSE(g_menuScript.ranOut);
    EXPECT_TRUE(g_menuScript.sawMenuShown);
    EXPECT_EQ(host.clicks, 1);
    testsupport::PumpMessages();
    EXPECT_TRUE(host.menuCommands.empty());
}

TEST_F(DropDownMenu, AMenuWithoutASubMenuIsNotShown) {
    Bind();
    SetUpMenu(false);
    TakeRepaint(host.Button());
    NotifyClicked();
    EXPECT_EQ(host.clicks, 1);
    EXPECT_EQ(host.menuNotifies, 0);
    EXPECT_FALSE(button.m_menuShown);
    EXPECT_TRUE(TakeRepaint(host.Button()));
    testsupport::PumpMessages();
    EXPECT_TRUE(host.menuCommands.empty());
}

TEST_F(DropDownMenu, ACheckStyleButtonTogglesInsteadOfOpeningItsMenu) {
    Bind(BS_AUTOCHECKBOX);
    SetUpMenu();
    g_menuScript = MenuScript{};
    const UINT_PTR lastResort = ::SetTimer(nullptr, 0, 3000, &CloseMenuAtLast);
    NotifyClicked();
    ::KillTimer(nullptr, lastResort);
    EXPECT_FALSE(g_menuScript.ranOut);
    EXPECT_EQ(host.menuNotifies, 0);
    EXPECT_TRUE(button.GetCheckState());
    EXPECT_EQ(host.clicks, 1);
}

TEST_F(DropDownMenu, AnOwnerDrawnMenuFromAResourceOpensAndAMnemonicChoosesItsCommand) {
    Bind();
    ASSERT_EQ(button.SetDropMenu(700, host.m_hWnd), FlatOk);
    ASSERT_NE(button.m_dropMenu.GetSafeHmenu(), nullptr);
    HMENU popup = ::GetSubMenu(button.m_dropMenu, 0);
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(TesselMenu::IsRegisteredSubMenuHandle(popup));
    EXPECT_TRUE(::GetMenuState(popup, 702, MF_BYCOMMAND) & MF_OWNERDRAW) << "the items are drawn by the menu";

    // 'b' has no text the system could match: the button hands the menu
    // character to the menu, which picks "&Beta".
    ClickWhileTheMenuGets(0, L'b');
    EXPECT_FALSE(g_menuScript.ranOut);
    EXPECT_TRUE(g_menuScript.sawMenuShown);
    ASSERT_TRUE(testsupport::WaitUntil([&] { return !host.menuCommands.empty(); }, 5000));
    EXPECT_EQ(host.menuCommands.front(), 702u);
}

TEST_F(DropDownMenu, AnUnloadableMenuLeavesTheButtonWithoutOne) {
    Bind();
    ASSERT_EQ(button.SetDropMenu(700, host.m_hWnd), FlatOk);
    EXPECT_EQ(button.SetDropMenu(7777, host.m_hWnd), FlatMenuUnreadable);
    EXPECT_EQ(button.m_dropMenu.GetSafeHmenu(), nullptr);
    EXPECT_EQ(button.m_menuTarget, nullptr);
    EXPECT_EQ(button.SetDropMenu(0, host.m_hWnd), FlatOk);
}
