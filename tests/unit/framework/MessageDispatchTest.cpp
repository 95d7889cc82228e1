// Message maps, reflection and the handle map, through real windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CButton.h"
#include "framework/CMenu.h"
#include "framework/CWnd.h"

namespace {

std::vector<std::string> g_calls;

class BaseWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    LRESULT OnFirst(WPARAM, LPARAM) {
        g_calls.push_back("base-first");
        return 11;
    }
    LRESULT OnOnlyBase(WPARAM, LPARAM) {
        g_calls.push_back("base-only");
        return 12;
    }
};
BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_MESSAGE(WM_APP + 1, OnFirst)
    ON_MESSAGE(WM_APP + 3, OnOnlyBase)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
    DECLARE_MESSAGE_MAP()
public:
    LRESULT OnFirstDerived(WPARAM w, LPARAM l) {
        g_calls.push_back("derived-first");
        return static_cast<LRESULT>(w + l);
    }
    LRESULT OnSecond(WPARAM, LPARAM) {
        g_calls.push_back("derived-second");
        return 21;
    }
    LRESULT OnSecondAgain(WPARAM, LPARAM) {
        g_calls.push_back("derived-second-again");
        return 22;
    }
    void OnButton() { g_calls.push_back("parent-clicked"); }
};
BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
    ON_MESSAGE(WM_APP + 1, OnFirstDerived)
    ON_MESSAGE(WM_APP + 2, OnSecond)
    ON_MESSAGE(WM_APP + 2, OnSecondAgain)
    ON_BN_CLICKED(77, OnButton)
END_MESSAGE_MAP()

UINT g_registeredPing = ::RegisterWindowMessageW(L"ZorvaneTest.Ping");
UINT g_neverRegistered = 0;

class RegisteredWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    LRESULT OnNever(WPARAM, LPARAM) {
        g_calls.push_back("never");
        return 1;
    }
    LRESULT OnPing(WPARAM w, LPARAM) {
        g_calls.push_back("ping");
        return static_cast<LRESULT>(w) + 1;
    }
};
BEGIN_MESSAGE_MAP(RegisteredWnd, CWnd)
    ON_REGISTERED_MESSAGE(g_neverRegistered, OnNever)
    ON_REGISTERED_MESSAGE(g_registeredPing, OnPing)
END_MESSAGE_MAP()

class ReflectingButton : public CButton {
    DECLARE_MESSAGE_MAP()
public:
    BOOL m_consume = FALSE;
    BOOL OnClickedReflect() {
        g_calls.push_back("child-reflected");
        return m_consume;
    }
    HBRUSH CtlColor(HDC, UINT) { return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH)); }
};
BEGIN_MESSAGE_MAP(ReflectingButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClickedReflect)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class RecordingMenu : public CMenu {
public:
    UINT m_drawnId = 0;
    void DrawItem(LPDRAWITEMSTRUCT dis) override { m_drawnId = dis->itemID; }
};

HWND MakeTopLevel() {
    return ::CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        m_host = MakeTopLevel();
        ASSERT_NE(m_host, nullptr);
    }
    void TearDown() override {
        if (::IsWindow(m_host)) ::DestroyWindow(m_host);
    }
    HWND m_host = nullptr;
};

TEST_F(DispatchTest, DerivedEntriesWinAndTheFirstOfTwoEntriesIsUsed) {
    DerivedWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(m_host));
    EXPECT_EQ(::SendMessageW(m_host, WM_APP + 1, 3, 4), 7);
    EXPECT_EQ(::SendMessageW(m_host, WM_APP + 2, 0, 0), 21);
    EXPECT_EQ(::SendMessageW(m_host, WM_APP + 3, 0, 0), 12);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"derived-first", "derived-second", "base-only"}));
}

TEST_F(DispatchTest, MessagesNumberedAtRunTimeReachTheirEntry) {
    ASSERT_GE(g_registeredPing, 0xC000u);
    RegisteredWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(m_host));
    EXPECT_EQ(::SendMessageW(m_host, g_registeredPing, 41, 0), 42);
    const UINT other = ::RegisterWindowMessageW(L"ZorvaneTest.Other");
    EXPECT_EQ(::SendMessageW(m_host, other, 0, 0), 0) << "another registered message is not taken";
    EXPECT_EQ(::SendMessageW(m_host, WM_NULL, 0, 0), 0) << "an unset number matches nothing";
    EXPECT_EQ(g_calls, (std::vector<std::string>{"ping"}));
}

TEST_F(DispatchTest, UnhandledMessagesReachTheDefaultProcedure) {
    DerivedWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(m_host));
    wchar_t text[16] = {};
    ::SendMessageW(m_host, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"host");
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(DispatchTest, HandleMapBindsAndUnbindsWithTheWindow) {
    DerivedWnd wnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(m_host), nullptr);
    CWnd* temporary = CWnd::FromHandle(m_host);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(CWnd::FromHandle(m_host), temporary) << "a handle keeps its wrapper";
    EXPECT_EQ(temporary->m_hWnd, m_host);

    ASSERT_TRUE(wnd.SubclassWindow(m_host));
    EXPECT_EQ(CWnd::FromHandlePermanent(m_host), &wnd);
    EXPECT_EQ(CWnd::FromHandle(m_host), &wnd);
    EXPECT_EQ(temporary->m_hWnd, m_host) << "an earlier wrapper stays valid while the handle lives";

    ::DestroyWindow(m_host);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(m_host), nullptr);
}

TEST_F(DispatchTest, ObjectDestroyedBeforeItsWindowRestoresTheOriginalProcedure) {
    WNDPROC original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_host, GWLP_WNDPROC));
    {
        DerivedWnd wnd;
        ASSERT_TRUE(wnd.SubclassWindow(m_host));
        EXPECT_NE(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_host, GWLP_WNDPROC)), original);
    }
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_host, GWLP_WNDPROC)), original);
    EXPECT_EQ(::SendMessageW(m_host, WM_APP + 1, 1, 1), 0) << "the map is gone with the object";
}

struct ReflectCase {
    BOOL consume;
    std::vector<std::string> expected;
};

class ReflectionTest : public DispatchTest, public ::testing::WithParamInterface<ReflectCase> {};

TEST_P(ReflectionTest, ChildSeesItsNotificationFirstAndDecidesWhetherTheParentDoes) {
    DerivedWnd parent;
    ASSERT_TRUE(parent.SubclassWindow(m_host));
    HWND child = ::CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20, m_host,
                                   reinterpret_cast<HMENU>(77), ::GetModuleHandleW(nullptr), nullptr);
    ReflectingButton button;
    ASSERT_TRUE(button.SubclassWindow(child));
    button.m_consume = GetParam().consume;

    ::SendMessageW(m_host, WM_COMMAND, MAKEWPARAM(77, BN_CLICKED), reinterpret_cast<LPARAM>(child));
    EXPECT_EQ(g_calls, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(BothAnswers, ReflectionTest,
                         ::testing::Values(ReflectCase{FALSE, {"child-reflected", "parent-clicked"}},
                                           ReflectCase{TRUE, {"child-reflected"}}));

TEST_F(DispatchTest, ColourMessagesAreAnsweredByTheControl) {
    DerivedWnd parent;
    ASSERT_TRUE(parent.SubclassWindow(m_host));
    HWND child = ::CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD, 0, 0, 40, 20, m_host, reinterpret_cast<HMENU>(78),
                                   ::GetModuleHandleW(nullptr), nullptr);
    ReflectingButton button;
    ASSERT_TRUE(button.SubclassWindow(child));
    HDC dc = ::GetDC(child);
    LRESULT brush =
        ::SendMessageW(m_host, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
    ::ReleaseDC(child, dc);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
}

TEST_F(DispatchTest, OwnerDrawnMenuItemsReachTheirMenuObject) {
    DerivedWnd parent;
    ASSERT_TRUE(parent.SubclassWindow(m_host));
    RecordingMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.itemID = 4321;
    dis.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
    EXPECT_EQ(::SendMessageW(m_host, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis)), TRUE);
    EXPECT_EQ(menu.m_drawnId, 4321u);
}

TEST(RuntimeClass, KindOfFollowsTheDeclaredBases) {
    CButton button;
    CWnd wnd;
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(wnd.IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_STREQ(button.GetRuntimeClass()->m_lpszClassName, "CButton");
}

TEST(MenuOwnership, AttachedMenusAreDestroyedAndDetachedOnesAreNot) {
    HMENU owned = ::CreatePopupMenu();
    {
        CMenu menu;
        ASSERT_TRUE(menu.Attach(owned));
        EXPECT_EQ(CMenu::FromHandlePermanent(owned), &menu);
    }
    EXPECT_FALSE(::IsMenu(owned));

    HMENU kept = ::CreatePopupMenu();
    {
        CMenu menu;
        menu.Attach(kept);
        EXPECT_EQ(menu.Detach(), kept);
    }
    EXPECT_TRUE(::IsMenu(kept));

    CMenu* wrapper = CMenu::FromHandle(kept);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(CMenu::FromHandle(kept), wrapper);
    EXPECT_EQ(CMenu::FromHandlePermanent(kept), nullptr);
    ::DestroyMenu(kept);
}

TEST(MenuOwnership, FindsTheLevelThatHoldsAnItem) {
    CMenu top;
    ASSERT_TRUE(top.CreatePopupMenu());
    CMenu sub;
    ASSERT_TRUE(sub.CreatePopupMenu());
    sub.AppendMenu(MF_STRING, 500, "inner");
    top.AppendMenu(MF_STRING, 400, "outer");
    top.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.m_hMenu), "sub");
    EXPECT_EQ(CMenu::FindPopupMenuFromID(top, 400), &top);
    EXPECT_EQ(CMenu::FindPopupMenuFromID(top, 500), &sub);
    EXPECT_EQ(CMenu::FindPopupMenuFromID(top, 999), nullptr);
    sub.Detach();  // destroyed with top
}

}  // namespace
