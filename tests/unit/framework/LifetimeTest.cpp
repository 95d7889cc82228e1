// Objects that outlive their windows, and what runs when the process ends.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/CToolTipCtrl.h"
#include "framework/ExitFunctionList.h"

namespace {

TEST(ToolTipLifetime, ATipThatDiedWithItsOwnerLeavesNoHandleBehind) {
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(CWnd::FromHandle(owner)));
    HWND tipWindow = tip.m_hWnd;
    ASSERT_TRUE(::IsWindow(tipWindow));

    ::DestroyWindow(owner);
    EXPECT_FALSE(::IsWindow(tipWindow)) << "an owned popup goes with its owner";
    // Its destructor would otherwise destroy whatever window gets the handle next.
    EXPECT_EQ(tip.m_hWnd, nullptr);
}

std::vector<int> g_ran;
template <int N>
void Record() {
    g_ran.push_back(N);
}
ExitFunctionList* g_runningList = nullptr;
void RegisterLateWhileRunning() {
    g_ran.push_back(-1);
    g_runningList->Add(&Record<1000>);
}

template <int... N>
void AddAll(ExitFunctionList& list, std::integer_sequence<int, N...>) {
    (list.Add(&Record<N>), ...);
}

TEST(ExitFunctionList, KeepsEveryRegistrationPastItsFirstBlockAndRunsThemLastFirst) {
    g_ran.clear();
    ExitFunctionList list;
    AddAll(list, std::make_integer_sequence<int, 150>());
    list.RunAll();
    ASSERT_EQ(g_ran.size(), 150u);
    for (int i = 0; i < 150; ++i) EXPECT_EQ(g_ran[static_cast<size_t>(i)], 149 - i);

    g_ran.clear();
    list.RunAll();
    EXPECT_TRUE(g_ran.empty()) << "each function runs once";
}

TEST(ExitFunctionList, AFunctionRegisteredWhileTheListRunsRunsToo) {
    g_ran.clear();
    ExitFunctionList list;
    g_runningList = &list;
    AddAll(list, std::make_integer_sequence<int, 40>());
    list.Add(&RegisterLateWhileRunning);
    list.RunAll();
    ASSERT_EQ(g_ran.size(), 42u);
    EXPECT_EQ(g_ran[0], -1);
    EXPECT_EQ(g_ran[1], 1000);
    EXPECT_EQ(g_ran[2], 39);
    EXPECT_EQ(g_ran.back(), 0);
}

}  // namespace
