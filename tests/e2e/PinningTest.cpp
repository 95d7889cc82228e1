// Pinning a window: the global hotkey, its editor in the dialog, and the
// cross-hair finder, driven with real keyboard and mouse input.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "tests/e2e/HotkeyEditor.h"
#include "tests/e2e/ZorvaneFixture.h"
#include "tests/support/DriverWindow.h"
#include "tests/support/InputDriver.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

using namespace testsupport;

namespace {

constexpr int kSetLockButton = HotkeyEditor::kSetLockButton;
constexpr int kFinderIcon = IDC_FINDER;
const wchar_t kHotkeyActive[] = L"热键置顶";
const wchar_t kHotkeyInvalid[] = L"热键无效";

bool IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

HWND CaptureOf(HWND window) { return WindowProbe(window).CaptureInItsThread(); }
HWND FocusOf(HWND window) { return HotkeyEditor::FocusOf(window); }

bool WaitTopmost(HWND window, bool topmost) {
    return WaitUntil([&] { return IsTopmost(window) == topmost; }, kActionTimeoutMs);
}

class PinningTest : public ZorvaneTest {
protected:
    // Activates the window and presses the chord; the program answers
    // asynchronously, so callers wait on the effect.
    static bool PressOn(HWND window, std::initializer_list<WORD> keys) {
        return InputDriver::BringToForeground(window, kActionTimeoutMs) && InputDriver::PressChord(keys);
    }

    static bool Unlock(HWND dialog) { return HotkeyEditor::Unlock(dialog); }
    static bool TypeHotkey(HWND dialog, std::initializer_list<WORD> keys, WORD value) {
        return HotkeyEditor::Type(dialog, keys, value);
    }
    static bool EnterValue(HWND dialog, WORD value) { return HotkeyEditor::Enter(dialog, value); }
    static std::wstring GroupText(HWND dialog) { return HotkeyEditor::GroupText(dialog); }
};

POINT CentreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST_F(PinningTest, F7TogglesTheForegroundWindowOfAnotherProgramShownOrHidden) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    DriverWindow other(true);
    ASSERT_FALSE(IsTopmost(other.Handle()));

    ASSERT_TRUE(PressOn(other.Handle(), {VK_F7}));
    EXPECT_TRUE(WaitTopmost(other.Handle(), true)) << "first F7 pins";
    ASSERT_TRUE(PressOn(other.Handle(), {VK_F7}));
    EXPECT_TRUE(WaitTopmost(other.Handle(), false)) << "second F7 releases";

    ASSERT_TRUE(HideToTray(dialog));
    ASSERT_TRUE(PressOn(other.Handle(), {VK_F7}));
    EXPECT_TRUE(WaitTopmost(other.Handle(), true)) << "works from the tray";
    EXPECT_FALSE(IsWindowVisible(dialog));
}

TEST_F(PinningTest, F7OnTheDialogItselfReleasesItsOwnTopmostState) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(IsTopmost(dialog));
    ASSERT_TRUE(PressOn(dialog, {VK_F7}));
    EXPECT_TRUE(WaitTopmost(dialog, false));
}

TEST_F(PinningTest, ANewCombinationReplacesF7AndLockingKeepsIt) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowProbe(dialog).Item(kSetLockButton).Text(), L"设定");
    ASSERT_TRUE(Unlock(dialog));
    EXPECT_EQ(WindowProbe(dialog).Item(kSetLockButton).Text(), L"锁定");

    ASSERT_TRUE(TypeHotkey(dialog, {VK_SHIFT, VK_F8}, MAKEWORD(VK_F8, HOTKEYF_SHIFT)));
    ASSERT_TRUE(WaitUntil([&] { return HotkeyTaken(MOD_SHIFT, VK_F8); }, kActionTimeoutMs)) << "Shift+F8 is registered";
    EXPECT_FALSE(HotkeyTaken(0, VK_F7)) << "F7 is released";
    EXPECT_EQ(GroupText(dialog), kHotkeyActive);

    // Lock again: the last registered combination stays in force.
    ASSERT_TRUE(HotkeyEditor::Lock(dialog));
    EXPECT_EQ(WindowProbe(dialog).Item(kSetLockButton).Text(), L"设定");

    DriverWindow other(true);
    ASSERT_TRUE(PressOn(other.Handle(), {VK_F7}));
    ASSERT_TRUE(PressOn(other.Handle(), {VK_SHIFT, VK_F8}));
    EXPECT_TRUE(WaitTopmost(other.Handle(), true)) << "Shift+F8 pins";
    // F7 was pressed first and must have done nothing: had it pinned, the
    // Shift+F8 after it would have released the window again.
    EXPECT_TRUE(IsTopmost(other.Handle()));
}

TEST_F(PinningTest, AltCombinationsAreTypedAndRegistered) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Unlock(dialog));
    ASSERT_TRUE(TypeHotkey(dialog, {VK_MENU, VK_F8}, MAKEWORD(VK_F8, HOTKEYF_ALT)));
    EXPECT_TRUE(WaitUntil([&] { return HotkeyTaken(MOD_ALT, VK_F8); }, kActionTimeoutMs));
    EXPECT_FALSE(HotkeyTaken(0, VK_F7));

    DriverWindow other(true);
    ASSERT_TRUE(PressOn(other.Handle(), {VK_MENU, VK_F8}));
    EXPECT_TRUE(WaitTopmost(other.Handle(), true));
}

TEST_F(PinningTest, AnExtendedKeyRegistersWithoutItsFlag) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Unlock(dialog));
    // Insert on the navigation block is an extended key.
    ASSERT_TRUE(EnterValue(dialog, MAKEWORD(VK_INSERT, HOTKEYF_EXT)));
    EXPECT_TRUE(WaitUntil([&] { return HotkeyTaken(0, VK_INSERT); }, kActionTimeoutMs)) << "registered as plain Insert";
    EXPECT_EQ(GroupText(dialog), kHotkeyActive);
}

TEST_F(PinningTest, ACombinationHeldElsewhereLeavesNoHotkeyActive) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    constexpr int kHeldId = 0x4A11;
    ASSERT_TRUE(RegisterHotKey(nullptr, kHeldId, MOD_CONTROL, VK_F9)) << "the driver holds Ctrl+F9";

    ASSERT_TRUE(Unlock(dialog));
    ASSERT_TRUE(EnterValue(dialog, MAKEWORD(VK_F9, HOTKEYF_CONTROL)));
    EXPECT_TRUE(WaitUntil([&] { return GroupText(dialog) == kHotkeyInvalid; }, kActionTimeoutMs));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kHotkeyGroup)));
    EXPECT_FALSE(HotkeyTaken(0, VK_F7)) << "the old hotkey is not registered again";
    UnregisterHotKey(nullptr, kHeldId);

    // A later registration that succeeds brings the status back.
    ASSERT_TRUE(TypeHotkey(dialog, {VK_F6}, MAKEWORD(VK_F6, 0)));
    EXPECT_TRUE(WaitUntil([&] { return GroupText(dialog) == kHotkeyActive; }, kActionTimeoutMs));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kHotkeyGroup)));
    EXPECT_TRUE(HotkeyTaken(0, VK_F6));
}

TEST_F(PinningTest, AHotkeyTakenAtStartIsReportedInTheGroupBox) {
    constexpr int kHeldId = 0x4A12;
    ASSERT_TRUE(RegisterHotKey(nullptr, kHeldId, 0, VK_F7)) << "the driver holds F7";
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GroupText(dialog), kHotkeyInvalid);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kHotkeyGroup)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kHotkeyCtrl)));
    UnregisterHotKey(nullptr, kHeldId);
}

TEST_F(PinningTest, EscapeInTheControlHidesTheDialog) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Unlock(dialog));
    ASSERT_TRUE(InputDriver::PressChord({VK_ESCAPE}));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, kActionTimeoutMs));
    EXPECT_TRUE(app.Running());
}

TEST_F(PinningTest, EnterSpaceAndF1ChangeNothingAndPressNoButton) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Unlock(dialog));
    for (WORD key : {VK_RETURN, VK_SPACE, VK_F1}) ASSERT_TRUE(InputDriver::PressChord({key}));
    // A marker key after them: once the control shows it, the keys before it
    // have been processed.
    ASSERT_TRUE(TypeHotkey(dialog, {VK_F6}, MAKEWORD(VK_F6, 0)));
    EXPECT_TRUE(app.Running()) << "Enter did not press Exit";
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(WindowProbe(dialog).Item(kSetLockButton).Text(), L"锁定") << "Space did not press Set/Lock";
    EXPECT_EQ(FindWindowW(nullptr, L"【Kelmora】交流群：20261208"), nullptr) << "F1 opened no About box";

    // Focus on the Exit button: Enter and Space still do nothing. Tab after
    // them is the probe: once the focus has moved on, they were processed.
    HWND exitButton = GetDlgItem(dialog, kExitButton);
    SendMessageTimeoutW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(exitButton), TRUE, SMTO_BLOCK, 5000, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == exitButton; }, kActionTimeoutMs));
    ASSERT_TRUE(InputDriver::PressChord({VK_RETURN}));
    ASSERT_TRUE(InputDriver::PressChord({VK_SPACE}));
    ASSERT_TRUE(InputDriver::PressChord({VK_TAB}));
    EXPECT_TRUE(
        WaitUntil([&] { return FocusOf(dialog) != exitButton && FocusOf(dialog) != nullptr; }, kActionTimeoutMs));
    EXPECT_TRUE(app.Running()) << "the Exit button was not pressed from the keyboard";
}

TEST_F(PinningTest, DraggingTheCrossHairOntoAWindowTogglesIt) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    DriverWindow other(true);
    // Keep the dialog out of the way of the drop point.
    SetWindowPos(other.Handle(), nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (bool expected : {true, false}) {
        ASSERT_TRUE(DropFinderAt(dialog, CentreOf(other.Handle())));
        EXPECT_TRUE(WaitTopmost(other.Handle(), expected));
    }
}

TEST_F(PinningTest, AClickOnTheCrossHairTogglesTheDialogItself) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(IsTopmost(dialog));
    ASSERT_TRUE(InputDriver::ClickItem(dialog, kFinderIcon, kActionTimeoutMs));
    EXPECT_TRUE(WaitTopmost(dialog, false));
    EXPECT_TRUE(WaitUntil([&] { return CaptureOf(dialog) == nullptr; }, kActionTimeoutMs));
}

TEST_F(PinningTest, AReleaseOverAChildTogglesTheChildNotItsWindow) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    DriverWindow other(true);
    SetWindowPos(other.Handle(), nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND child = CreateWindowExW(0, L"STATIC", L"child", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0, 60, 30,
                                 other.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    const POINT drop = CentreOf(child);
    ASSERT_EQ(WindowFromPoint(drop), child);
    ASSERT_TRUE(DropFinderAt(dialog, drop));
    EXPECT_FALSE(IsTopmost(other.Handle())) << "the window around the child stays as it was";
}

TEST_F(PinningTest, TheCrossHairTogglesWhatTheSystemReportsUnderTheReleaseWhateverTheHotkey) {
    constexpr int kHeldId = 0x4A13;
    ASSERT_TRUE(RegisterHotKey(nullptr, kHeldId, 0, VK_F7)) << "the driver holds F7";
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(GroupText(dialog), kHotkeyInvalid);
    // A bar along the bottom of the screen that keeps itself on top, as the
    // taskbar does; the screen's corner beside it shows the desktop.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    DriverWindow bar(true);
    ASSERT_TRUE(SetWindowPos(bar.Handle(), HWND_TOPMOST, 0, height - 40, width / 2, 40, SWP_NOACTIVATE));
    const POINT desktop = {width - 1, height - 1};
    ASSERT_EQ(WindowFromPoint(desktop), GetDesktopWindow());

    ASSERT_TRUE(DropFinderAt(dialog, desktop));
    EXPECT_TRUE(app.Running());
    EXPECT_TRUE(IsTopmost(dialog)) << "the desktop changes nothing, not even the dialog";
    EXPECT_TRUE(IsTopmost(bar.Handle()));

    ASSERT_TRUE(DropFinderAt(dialog, CentreOf(bar.Handle())));
    EXPECT_TRUE(WaitTopmost(bar.Handle(), false)) << "the bar, with the hotkey refused";
    UnregisterHotKey(nullptr, kHeldId);

    ASSERT_TRUE(Unlock(dialog));
    ASSERT_TRUE(DropFinderAt(dialog, CentreOf(bar.Handle())));
    EXPECT_TRUE(WaitTopmost(bar.Handle(), true)) << "the bar, with the control unlocked";
    EXPECT_TRUE(IsTopmost(dialog));
}

TEST_F(PinningTest, AReleaseThatLeavesTheControlEmptyRegistersKeyZeroOrSaysItWasRefused) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Unlock(dialog));
    // Backspace empties the control.
    ASSERT_TRUE(TypeHotkey(dialog, {VK_BACK}, 0));
    EXPECT_EQ(GroupText(dialog), kHotkeyActive);
    EXPECT_TRUE(HotkeyTaken(0, 0)) << "key 0 is registered";
    EXPECT_FALSE(HotkeyTaken(0, VK_F7));

    constexpr int kHeldId = 0x4A14;
    ASSERT_TRUE(TypeHotkey(dialog, {VK_F6}, MAKEWORD(VK_F6, 0)));
    ASSERT_TRUE(RegisterHotKey(nullptr, kHeldId, 0, 0)) << "the driver holds key 0";
    ASSERT_TRUE(TypeHotkey(dialog, {VK_BACK}, 0));
    EXPECT_EQ(GroupText(dialog), kHotkeyInvalid);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kHotkeyGroup)));
    EXPECT_FALSE(HotkeyTaken(0, VK_F6)) << "no hotkey is active";
    UnregisterHotKey(nullptr, kHeldId);
}

}  // namespace
