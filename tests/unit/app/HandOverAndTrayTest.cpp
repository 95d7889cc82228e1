// The wait of a start that lost the race to another, on a clock the test
// runs; and the tray menu's tracking, on a real menu.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/RunningCopyWait.h"
#include "app/TrayPopup.h"
#include "framework/CMenu.h"

namespace {

HWND const kWinner = reinterpret_cast<HWND>(0x1234);

// The lock frees and the winner's window appears at given times.
struct RaceScript {
    DWORD lockFreeAt = INFINITE;
    DWORD markedAt = INFINITE;
    DWORD now = 0;
    int markerLooks = 0;

    HWND Decide(DWORD limitMs = 5000) {
        return WaitForRunningCopy([this] { return ++markerLooks, now >= markedAt ? kWinner : nullptr; },
                                  [this](DWORD waitMs) {
                                      if (now >= lockFreeAt) return true;
                                      now = lockFreeAt - now <= waitMs ? lockFreeAt : now + waitMs;
                                      return now >= lockFreeAt;
                                  },
                                  Deadline(0, limitMs), 25, [this] { return now; });
    }
};

TEST(RunningCopyWait, TheFirstStartGoesOnAfterOneLookForAMarker) {
    RaceScript race;
    race.lockFreeAt = 0;
    EXPECT_EQ(race.Decide(), nullptr);
    EXPECT_EQ(race.markerLooks, 1);
    EXPECT_EQ(race.now, 0u);
}

TEST(RunningCopyWait, ARunningCopyIsHandedOverToAtOnceWhateverTheLock) {
    RaceScript race;
    race.markedAt = 0;
    EXPECT_EQ(race.Decide(), kWinner);
    EXPECT_EQ(race.now, 0u) << "the copy that is up is not waited for";
    race.lockFreeAt = 0;
    EXPECT_EQ(race.Decide(), kWinner) << "a copy that holds no lock still counts";
}

TEST(RunningCopyWait, ALoserWaitsForTheWinnersWindow) {
    RaceScript race;
    race.markedAt = 300;
    EXPECT_EQ(race.Decide(), kWinner);
    EXPECT_GE(race.now, 300u);
    EXPECT_LT(race.now, 300u + 25u) << "polled, not waited out";
}

TEST(RunningCopyWait, ALockLetGoWithoutAWindowMakesThisStartTheFirst) {
    // The holder only removed a leftover updater, or died.
    RaceScript race;
    race.lockFreeAt = 700;
    EXPECT_EQ(race.Decide(), nullptr);
    EXPECT_EQ(race.now, 700u);

    RaceScript lateWindow;
    lateWindow.lockFreeAt = 700;
    lateWindow.markedAt = 700;
    EXPECT_EQ(lateWindow.Decide(), kWinner) << "the marker is looked for again once the lock is taken";
}

TEST(RunningCopyWait, AHolderThatNeverShowsAWindowIsWaitedForOnlyUntilTheDeadline) {
    RaceScript race;
    EXPECT_EQ(race.Decide(1000), nullptr);
    EXPECT_EQ(race.now, 1000u);
}

// Closes every menu it owns as soon as the menu waits for input, as a click
// elsewhere would.
LRESULT CALLBACK ClosingOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU) ::EndMenu();
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(TrayPopup, TheOwnerHasAMessageToProcessOnceTheMenuCloses) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ClosingOwnerProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TrayPopupTestOwner";
    ::RegisterClassW(&windowClass);
    HWND owner = ::CreateWindowExW(0, windowClass.lpszClassName, L"tray owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                   200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(owner, nullptr);
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    ASSERT_TRUE(popup.AppendMenu(MF_STRING, 100, "item"));
    ::SetForegroundWindow(owner);
    MSG msg;
    while (::PeekMessageW(&msg, owner, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);

    TrackTrayPopup(popup, POINT{20, 20}, *CWnd::FromHandle(owner));

    bool nullPosted = false;
    while (::PeekMessageW(&msg, owner, 0, 0, PM_REMOVE)) {
        nullPosted = nullPosted || msg.message == WM_NULL;
        ::DispatchMessageW(&msg);
    }
    EXPECT_TRUE(nullPosted);
    ::DestroyWindow(owner);
}

}  // namespace
