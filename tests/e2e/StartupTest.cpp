// Start-up: the first copy's dialog, the single-instance hand-over and the
// removal of a leftover updater file.
#include "tests/e2e/ZorvaneFixture.h"

#include "common/UniqueHandle.h"
#include "tests/support/DriverWindow.h"
#include "tests/support/MarkedWindows.h"
#include "tests/support/TrayProbe.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowEventLog.h"
#include "tests/support/WindowProbe.h"

#include <thread>

using namespace testsupport;

namespace {

using StartupTest = ZorvaneTest;

TEST_F(StartupTest, FirstStartShowsTheMarkedTopmostDialogWithTrayIconAndHotkey) {
    ASSERT_FALSE(HotkeyTaken(0, VK_F7)) << "F7 is taken before the program runs";
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    const WindowProbe probe(dialog);

    EXPECT_EQ(probe.Text(), L"Zorvane");
    EXPECT_EQ(probe.ClassName(), L"#32770");
    EXPECT_TRUE(InstanceMarker::IsMarked(dialog));
    EXPECT_EQ(MarkedWindows::All(), std::vector<HWND>{dialog});
    EXPECT_TRUE(probe.Topmost());
    EXPECT_EQ(GetAncestor(dialog, GA_ROOT), dialog) << "the dialog must be top-level";

    const WindowProbe hotkeyCtrl = probe.Item(kHotkeyCtrl);
    ASSERT_TRUE(hotkeyCtrl.Exists());
    EXPECT_EQ(hotkeyCtrl.ClassName(), L"msctls_hotkey32");
    EXPECT_EQ(hotkeyCtrl.HotkeyValue(), std::optional<WORD>(0x0076));
    EXPECT_FALSE(hotkeyCtrl.Enabled());
    EXPECT_TRUE(HotkeyTaken(0, VK_F7)) << "F7 is not registered";
    EXPECT_EQ(probe.Item(kHotkeyGroup).Text(), L"热键置顶");
    EXPECT_TRUE(probe.Item(kHotkeyGroup).Enabled());

    EXPECT_TRUE(TrayProbe::IconExists(dialog, kTrayIconId));
    EXPECT_FALSE(TrayProbe::IconExists(dialog, kTrayIconId + 1)) << "one icon only, id 128";
    EXPECT_TRUE(app.Running());
}

TEST_F(StartupTest, SecondStartBringsTheHiddenCopyForwardAndEnds) {
    AppInstance first;
    HWND dialog = StartAndWaitForDialog(first);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(HideToTray(dialog));

    WindowEventLog log;
    ASSERT_TRUE(log.Active());
    AppInstance second = StartApp();
    ASSERT_TRUE(second.WaitForExit(kActionTimeoutMs)) << "the second copy did not end";

    EXPECT_TRUE(ShownInFront(dialog)) << "the first copy's dialog did not come forward";
    EXPECT_EQ(DialogsCreatedBy(log, second.MainThreadId()), 0);
    EXPECT_EQ(MarkedWindows::All(), std::vector<HWND>{dialog});
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(TrayProbe::IconExists(dialog, kTrayIconId));
}

TEST_F(StartupTest, ALockWhoseHolderDiedIsTakenAtOnceAndLetGoAtTheEnd) {
    // How long a start waits for the window of the lock's holder.
    constexpr DWORD kRunningCopyWaitMs = 5000;
    // A holder that ended without letting go: a thread that ends owning the
    // lock, which this process keeps in existence.
    const UniqueKernelHandle lock(CreateMutexW(nullptr, FALSE, L"Local\\Zorvane.Quellbrand.Startup"));
    ASSERT_TRUE(lock);
    DWORD taken = WAIT_FAILED;
    std::thread([&] { taken = WaitForSingleObject(lock.get(), 0); }).join();
    ASSERT_EQ(taken, WAIT_OBJECT_0);

    const DWORD start = GetTickCount();
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_LT(GetTickCount() - start, kRunningCopyWaitMs) << "the start waited for a holder that had died";
    EXPECT_TRUE(TrayProbe::IconExists(dialog, kTrayIconId));

    ASSERT_TRUE(app.End());
    EXPECT_EQ(WaitForSingleObject(lock.get(), 0), WAIT_OBJECT_0) << "the program ended without letting the lock go";
    ReleaseMutex(lock.get());
}

TEST_F(StartupTest, WindowWithAnotherMarkerValueDoesNotCountAsRunningCopy) {
    DriverWindow foreign(false);
    ASSERT_TRUE(foreign.SetMarker(2033));

    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowProbe(dialog).ProcessId(), app.Pid());
    EXPECT_FALSE(IsWindowVisible(foreign.Handle())) << "the foreign window was treated as a copy";
}

TEST_F(StartupTest, AnyWindowCarryingTheMarkerCountsAsRunningCopy) {
    DriverWindow foreign(false);
    ASSERT_TRUE(foreign.SetMarker(InstanceMarker::kValue));

    WindowEventLog log;
    ASSERT_TRUE(log.Active());
    AppInstance app = StartApp();
    ASSERT_TRUE(app.WaitForExit(kActionTimeoutMs)) << "the start did not hand over and end";
    // The hand-over shows the marked window normally and activates it.
    EXPECT_TRUE(ShownInFront(foreign.Handle()));
    EXPECT_EQ(DialogsCreatedBy(log, app.MainThreadId()), 0);
}

TEST_F(StartupTest, LeftoverUpdaterIsDeletedAndTheStartEndsWithoutWindow) {
    ASSERT_TRUE(m_folder.WriteBytes(kUpdaterName, "MZ left over by a save"));

    {
        WindowEventLog log;
        ASSERT_TRUE(log.Active());
        AppInstance cleaner = StartApp();
        ASSERT_TRUE(cleaner.WaitForExit(kActionTimeoutMs)) << "the start did not end by itself";
        PumpMessages();
        EXPECT_FALSE(m_folder.Exists(kUpdaterName)) << "the leftover updater is still there";
        EXPECT_EQ(DialogsCreatedBy(log, cleaner.MainThreadId()), 0);
        // Wine's X11 tray gives every icon a window of this class.
        EXPECT_TRUE(log.CreatedOfClass(L"__winex11_tray_icon").empty()) << "a tray icon appeared";
        EXPECT_TRUE(MarkedWindows::All().empty());
    }

    AppInstance next;
    HWND dialog = StartAndWaitForDialog(next);
    ASSERT_NE(dialog, nullptr) << "the start after the clean-up did not run normally";
    EXPECT_TRUE(TrayProbe::IconExists(dialog, kTrayIconId));
}

TEST_F(StartupTest, UndeletableLeftoverMakesEveryStartEndWithoutWindow) {
    // A directory of that name is found like the file but cannot be deleted
    // as one.
    ASSERT_TRUE(m_folder.MakeDirectory(kUpdaterName));
    for (int start = 0; start < 2; ++start) {
        WindowEventLog log;
        ASSERT_TRUE(log.Active());
        AppInstance app = StartApp();
        ASSERT_TRUE(app.WaitForExit(kActionTimeoutMs)) << "start " << start << " did not end";
        PumpMessages();
        EXPECT_EQ(DialogsCreatedBy(log, app.MainThreadId()), 0) << "start " << start;
        EXPECT_TRUE(m_folder.Exists(kUpdaterName));
    }
}

TEST_F(StartupTest, LeftoverUpdaterStaysWhileACopyRuns) {
    AppInstance first;
    HWND dialog = StartAndWaitForDialog(first);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(HideToTray(dialog));
    ASSERT_TRUE(m_folder.WriteBytes(kUpdaterName, "MZ left over by a save"));

    AppInstance second = StartApp();
    ASSERT_TRUE(second.WaitForExit(kActionTimeoutMs));
    EXPECT_TRUE(ShownInFront(dialog));
    EXPECT_TRUE(m_folder.Exists(kUpdaterName)) << "a hand-over start must not delete anything";
    EXPECT_TRUE(first.Running());
}

}  // namespace
