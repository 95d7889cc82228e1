// The main dialog: hiding to the tray, coming back from it, and ending.
#include "tests/e2e/ZorvaneFixture.h"

#include "tests/support/DriverWindow.h"
#include "tests/support/InputDriver.h"
#include "tests/support/MarkedWindows.h"
#include "tests/support/ProcessProbe.h"
#include "tests/support/TrayProbe.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

#include <ostream>
#include <string>

using namespace testsupport;

namespace {

class MainDialogTest : public ZorvaneTest {
protected:
    // After the program has ended with the hotkey it started with: nothing
    // is left and nothing was started.
    void ExpectEndedWithoutUpdate(HWND dialog) const {
        EXPECT_FALSE(m_folder.Exists(kUpdaterName)) << "an updater was written";
        EXPECT_TRUE(ProcessProbe::Named(kUpdaterName).empty()) << "an updater was started";
        EXPECT_TRUE(ProcessProbe::Named(kAppName).empty()) << "the program was started again";
        EXPECT_FALSE(TrayProbe::IconExists(dialog, kTrayIconId)) << "the tray icon stayed";
        EXPECT_FALSE(HotkeyTaken(0, VK_F7)) << "the hotkey stayed registered";
        EXPECT_TRUE(MarkedWindows::All().empty());
    }
};

enum class HideAction { CloseBoxClick, SysCommandClose, WmClose, AltF4, MinimiseBoxClick };

std::string Name(HideAction action) {
    switch (action) {
    case HideAction::CloseBoxClick:
        return "CloseBoxClick";
    case HideAction::SysCommandClose:
        return "SysCommandClose";
    case HideAction::WmClose:
        return "WmClose";
    case HideAction::AltF4:
        return "AltF4";
    case HideAction::MinimiseBoxClick:
        return "MinimiseBoxClick";
    }
    return "Unknown";
}

std::string ActionName(const ::testing::TestParamInfo<HideAction>& info) { return Name(info.param); }

void PrintTo(HideAction action, std::ostream* out) { *out << Name(action); }

bool Perform(HideAction action, HWND dialog) {
    switch (action) {
    case HideAction::CloseBoxClick:
        return InputDriver::ClickNonClient(dialog, HTCLOSE, kActionTimeoutMs);
    case HideAction::SysCommandClose:
        return PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
    case HideAction::WmClose:
        return PostMessageW(dialog, WM_CLOSE, 0, 0) != FALSE;
    case HideAction::AltF4:
        return InputDriver::BringToForeground(dialog, kActionTimeoutMs) && InputDriver::PressChord({VK_MENU, VK_F4});
    case HideAction::MinimiseBoxClick:
        return InputDriver::ClickNonClient(dialog, HTMINBUTTON, kActionTimeoutMs);
    }
    return false;
}

class HideToTrayTest : public ZorvaneTest, public ::testing::WithParamInterface<HideAction> {};

TEST_P(HideToTrayTest, HidesTheDialogWhileTheProgramStaysWithIconAndHotkey) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);

    ASSERT_TRUE(Perform(GetParam(), dialog)) << "the action could not be performed";
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, kActionTimeoutMs)) << "the dialog is still visible";

    // A reply proves the dialog's thread has handled everything before it.
    const WindowProbe probe(dialog);
    EXPECT_TRUE(probe.Send(WM_NULL, 0, 0).has_value()) << "the dialog no longer answers";
    EXPECT_TRUE(app.Running());
    EXPECT_TRUE(IsWindow(dialog)) << "the dialog was destroyed instead of hidden";
    EXPECT_TRUE(InstanceMarker::IsMarked(dialog));
    EXPECT_TRUE(TrayProbe::IconExists(dialog, kTrayIconId));
    EXPECT_TRUE(HotkeyTaken(0, VK_F7)) << "the hotkey was released";
}

INSTANTIATE_TEST_SUITE_P(EveryWayToClose, HideToTrayTest,
                         ::testing::Values(HideAction::CloseBoxClick, HideAction::SysCommandClose, HideAction::WmClose,
                                           HideAction::AltF4, HideAction::MinimiseBoxClick),
                         ActionName);

TEST_F(MainDialogTest, TrayLeftClickBringsTheHiddenDialogBack) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(HideToTray(dialog));

    // Other icons, other mouse messages: nothing. Sent, so that their
    // handling is over when the call returns.
    const WindowProbe probe(dialog);
    EXPECT_EQ(probe.Send(kTrayCallback, kTrayIconId + 1, WM_LBUTTONUP), std::optional<LRESULT>(0));
    EXPECT_EQ(probe.Send(kTrayCallback, kTrayIconId, WM_LBUTTONDOWN), std::optional<LRESULT>(0));
    EXPECT_EQ(probe.Send(kTrayCallback, kTrayIconId, WM_MOUSEMOVE), std::optional<LRESULT>(0));
    EXPECT_FALSE(probe.Visible()) << "a message other than a left click on icon 128 restored it";

    ASSERT_TRUE(PostMessageW(dialog, kTrayCallback, kTrayIconId, WM_LBUTTONUP));
    EXPECT_TRUE(ShownInFront(dialog));
    EXPECT_TRUE(app.Running());
}

TEST_F(MainDialogTest, TrayLeftClickWhileShownBringsTheDialogToTheFront) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    DriverWindow other(true);
    ASSERT_TRUE(InputDriver::BringToForeground(other.Handle(), kActionTimeoutMs));

    ASSERT_TRUE(PostMessageW(dialog, kTrayCallback, kTrayIconId, WM_LBUTTONUP));
    EXPECT_TRUE(ShownInFront(dialog));
}

TEST_F(MainDialogTest, TrayShowCommandBringsTheHiddenDialogBack) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(HideToTray(dialog));

    ASSERT_TRUE(PostMessageW(dialog, WM_COMMAND, kTrayShowCommand, 0));
    EXPECT_TRUE(ShownInFront(dialog));
}

TEST_F(MainDialogTest, TrayExitCommandEndsTheProgramAndStartsNothing) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);

    ASSERT_TRUE(PostMessageW(dialog, WM_COMMAND, kTrayExitCommand, 0));
    ASSERT_TRUE(app.WaitForExit(kActionTimeoutMs)) << "the program did not end";
    ExpectEndedWithoutUpdate(dialog);
}

TEST_F(MainDialogTest, TrayExitCommandEndsTheProgramWhileHidden) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(HideToTray(dialog));

    ASSERT_TRUE(PostMessageW(dialog, WM_COMMAND, kTrayExitCommand, 0));
    ASSERT_TRUE(app.WaitForExit(kActionTimeoutMs)) << "the program did not end";
    ExpectEndedWithoutUpdate(dialog);
}

TEST_F(MainDialogTest, ExitButtonClickEndsTheProgramAndStartsNothing) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(WindowProbe(dialog).Item(kExitButton).Text(), L"退出");

    ASSERT_TRUE(InputDriver::ClickItem(dialog, kExitButton, kActionTimeoutMs));
    ASSERT_TRUE(app.WaitForExit(kActionTimeoutMs)) << "the program did not end";
    ExpectEndedWithoutUpdate(dialog);
}

}  // namespace
