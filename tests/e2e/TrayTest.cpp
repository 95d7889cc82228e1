// The tray icon stays gone once the way out has removed it.
#include "tests/e2e/ZorvaneFixture.h"

#include "common/UniqueHandle.h"
#include "tests/e2e/HotkeyEditor.h"
#include "tests/support/MessageBoxProbe.h"
#include "tests/support/TrayProbe.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

using namespace testsupport;

namespace {

class TrayTest : public ZorvaneTest {};

TEST_F(TrayTest, AShellRestartDuringTheWayOutBringsNoIconBack) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(HotkeyEditor::Unlock(dialog));
    // A changed hotkey and an updater file held elsewhere: the way out stops
    // at the save's first report, with the icon already removed.
    UniqueKernelHandle held = HoldUpdaterFile();
    ASSERT_TRUE(held);
    ASSERT_TRUE(HotkeyEditor::Type(dialog, {VK_F6}, MAKEWORD(VK_F6, 0)));
    ASSERT_TRUE(WaitUntil([&] { return HotkeyTaken(0, VK_F6); }, kActionTimeoutMs));
    ASSERT_TRUE(PostMessageW(dialog, WM_COMMAND, kTrayExitCommand, 0));
    ASSERT_NE(MessageBoxProbe::WaitFor(app.Pid(), L"Extract Error!", kActionTimeoutMs), nullptr);
    ASSERT_FALSE(TrayProbe::IconExists(dialog, kTrayIconId));

    // Sent, so that it has been handled when the call returns.
    ASSERT_TRUE(WindowProbe(dialog).Send(RegisterWindowMessageW(L"TaskbarCreated"), 0, 0).has_value());
    EXPECT_FALSE(TrayProbe::IconExists(dialog, kTrayIconId)) << "the icon came back after the way out";
    app.Kill();  // the rest of the way out is another test's
}

}  // namespace
