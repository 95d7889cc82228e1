// What holds on Windows' stricter rules: a busy leftover updater, starts
// that race each other, a shell that restarts, an exit chosen while a box
// is open.
#include "tests/e2e/ZorvaneFixture.h"

#include "tests/support/FileHold.h"
#include "tests/support/MarkedWindows.h"
#include "tests/support/ProcessProbe.h"
#include "tests/support/TrayProbe.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowEventLog.h"
#include "tests/support/WindowProbe.h"

#include <vector>
#include "res/resource.h"

using namespace testsupport;

namespace {

class ReliabilityTest : public ZorvaneTest {
protected:
    static constexpr UINT kTrayAboutCommand = ID_TRAY_ABOUT;
    // How long a start keeps trying to delete a busy leftover updater.
    static constexpr DWORD kLeftoverWaitMs = 5000;
};

TEST_F(ReliabilityTest, ALeftoverUpdaterStillInUseIsDeletedOnceItIsFree) {
    ASSERT_TRUE(m_folder.WriteBytes(kUpdaterName, "MZ an updater still ending"));
    WindowEventLog log;
    ASSERT_TRUE(log.Active());
    {
        FileHold updaterStillEnding(m_folder.File(kUpdaterName), 1500);
        ASSERT_TRUE(updaterStillEnding.Held());
        AppInstance cleaner = StartApp();
        ASSERT_TRUE(cleaner.WaitForExit(kActionTimeoutMs)) << "the start did not end by itself";
        PumpMessages();
        EXPECT_EQ(DialogsCreatedBy(log, cleaner.MainThreadId()), 0);
    }
    EXPECT_FALSE(m_folder.Exists(kUpdaterName)) << "the start gave up on the busy file";

    AppInstance next;
    EXPECT_NE(StartAndWaitForDialog(next), nullptr) << "the user's next start must show the dialog";
}

TEST_F(ReliabilityTest, ALeftoverUpdaterBusyBeyondTheBoundStaysAndTheStartEnds) {
    ASSERT_TRUE(m_folder.WriteBytes(kUpdaterName, "MZ an updater held for long"));
    FileHold heldForLong(m_folder.File(kUpdaterName), kLeftoverWaitMs + 4000);
    ASSERT_TRUE(heldForLong.Held());
    WindowEventLog log;
    ASSERT_TRUE(log.Active());
    AppInstance cleaner = StartApp();
    ASSERT_TRUE(cleaner.WaitForExit(kLeftoverWaitMs + kActionTimeoutMs)) << "the start waited without end";
    PumpMessages();
    EXPECT_TRUE(m_folder.Exists(kUpdaterName));
    EXPECT_EQ(DialogsCreatedBy(log, cleaner.MainThreadId()), 0);
}

TEST_F(ReliabilityTest, AReadOnlyLeftoverUpdaterIsNotWaitedOn) {
    // Wine refuses to delete it even for root, with the error Windows gives.
    ASSERT_TRUE(m_folder.WriteBytes(kUpdaterName, "MZ left read-only"));
    ASSERT_TRUE(SetFileAttributesW(m_folder.File(kUpdaterName).c_str(), FILE_ATTRIBUTE_READONLY));
    const DWORD start = GetTickCount();
    AppInstance cleaner = StartApp();
    ASSERT_TRUE(cleaner.WaitForExit(kLeftoverWaitMs + kActionTimeoutMs)) << "the start did not end by itself";
    EXPECT_LT(GetTickCount() - start, kLeftoverWaitMs) << "the start waited for a file that never comes free";
    EXPECT_TRUE(m_folder.Exists(kUpdaterName));
}

TEST_F(ReliabilityTest, FourStartsAtOnceLeaveExactlyOneCopyWithTheHotkey) {
    for (int round = 0; round < 3; ++round) {
        std::vector<AppInstance> starts;
        for (int i = 0; i < 4; ++i) starts.push_back(StartApp());

        // Every start but one hands over and ends.
        const bool settled = WaitUntil(
            [&] {
                int running = 0;
                for (const AppInstance& start : starts) running += start.Running();
                return running == 1 && MarkedWindows::All().size() == 1;
            },
            3 * kActionTimeoutMs);
        ASSERT_TRUE(settled) << "round " << round << ": " << ProcessProbe::Named(kAppName).size() << " copies running, "
                             << MarkedWindows::All().size() << " marked windows";
        const HWND dialog = MarkedWindows::All().front();
        EXPECT_EQ(ProcessProbe::Named(kAppName).size(), 1u) << "round " << round;
        EXPECT_EQ(WindowProbe(dialog).Item(kHotkeyGroup).Text(), L"热键置顶") << "round " << round;
        EXPECT_TRUE(HotkeyTaken(0, VK_F7));

        for (AppInstance& start : starts) EXPECT_TRUE(start.End()) << "round " << round;
    }
}

TEST_F(ReliabilityTest, TheTrayIconComesBackWhenTheShellRestarts) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(HideToTray(dialog));

    // A restarting shell has lost every icon, then tells every top-level window.
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = dialog;
    record.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &record));
    ASSERT_FALSE(TrayProbe::IconExists(dialog, kTrayIconId));
    ASSERT_TRUE(PostMessageW(dialog, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0));

    EXPECT_TRUE(WaitUntil([&] { return TrayProbe::IconExists(dialog, kTrayIconId); }, kActionTimeoutMs));
    ASSERT_TRUE(PostMessageW(dialog, kTrayCallback, kTrayIconId, WM_LBUTTONUP));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; }, kActionTimeoutMs))
        << "the icon that came back does not answer";
}

TEST_F(ReliabilityTest, TheTrayExitWhileTheAboutBoxIsOpenClosesTheBoxAndEndsTheProgram) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(PostMessageW(dialog, WM_COMMAND, kTrayAboutCommand, 0));
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = FindOwnedBox(dialog)) != nullptr; }, kActionTimeoutMs));

    ASSERT_TRUE(PostMessageW(dialog, WM_COMMAND, kTrayExitCommand, 0));
    EXPECT_TRUE(app.WaitForExit(kActionTimeoutMs)) << "the program stayed in the About box";
    EXPECT_FALSE(IsWindow(about));
    EXPECT_FALSE(HotkeyTaken(0, VK_F7)) << "the hotkey was not released";
}

}  // namespace
