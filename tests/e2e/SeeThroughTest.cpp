// Right-dragging the cross-hair onto a window of another program steps it
// through the opacities; the program gives every window it made see-through
// its own look back when it ends.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "tests/e2e/OtherProgramWindow.h"
#include "tests/e2e/ZorvaneFixture.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

using namespace testsupport;

namespace {

constexpr MouseButton kRight = MouseButton::Right;

POINT CentreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

DWORD ExStyle(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)); }
bool Layered(HWND window) { return (ExStyle(window) & WS_EX_LAYERED) != 0; }

// The alpha of the window's layered attributes; none when they cannot be read.
std::optional<int> AlphaOf(HWND window) {
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, &key, &alpha, &flags)) return std::nullopt;
    return flags == LWA_ALPHA ? alpha : -1;
}

// Under Wine a change to another program's window is a message to that
// program, and while the dialog waits for it, it answers messages sent to
// itself: an answer from the dialog is no sign that its last drop is done.
// What a drop does is waited for; what it must not do is looked at once a
// later drop has shown its effect.
bool Shows(HWND window, std::optional<int> alpha) {
    return WaitUntil([&] { return AlphaOf(window) == alpha; }, kActionTimeoutMs);
}

using SeeThroughTest = ZorvaneTest;

TEST_F(SeeThroughTest, FourRightDropsStepAWindowThroughTheOpacitiesAndBackToHowItWas) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow other("plain", 400, 300);
    ASSERT_TRUE(dialog && other.Handle());
    const DWORD style = ExStyle(other.Handle());
    for (int alpha : {204, 153, 102}) {
        ASSERT_TRUE(DropFinderAt(dialog, other.Inside(), kRight));
        EXPECT_TRUE(Shows(other.Handle(), alpha)) << alpha;
    }
    ASSERT_TRUE(DropFinderAt(dialog, other.Inside(), kRight));
    EXPECT_TRUE(WaitUntil([&] { return ExStyle(other.Handle()) == style; }, kActionTimeoutMs))
        << "opaque again, not layered, and not pinned";
}

TEST_F(SeeThroughTest, ADropOnATextAreaReachesItsWindowAndALeftDropStillOnlyPins) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow other("plain", 400, 300);
    ASSERT_TRUE(dialog && other.Handle());
    const POINT drop = CentreOf(other.TextArea());
    ASSERT_EQ(WindowFromPoint(drop), other.TextArea());
    ASSERT_TRUE(DropFinderAt(dialog, drop, kRight));
    EXPECT_TRUE(Shows(other.Handle(), 204));

    ASSERT_TRUE(DropFinderAt(dialog, other.Inside()));
    EXPECT_TRUE(WaitUntil([&] { return WindowProbe(other.Handle()).Topmost(); }, kActionTimeoutMs));
    ASSERT_TRUE(DropFinderAt(dialog, other.Inside(), kRight));
    EXPECT_TRUE(Shows(other.Handle(), 153)) << "one step from 80 %: the left drop took none";
}

TEST_F(SeeThroughTest, WindowsLayeredByTheirOwnProgramTheDialogAndTheDesktopAreLeftAlone) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow own("alpha", 400, 300), painted("painted", 700, 300), plain("plain", 400, 600);
    ASSERT_TRUE(dialog && own.Handle() && painted.Handle() && plain.Handle());
    ASSERT_EQ(AlphaOf(own.Handle()), 170);
    ASSERT_EQ(AlphaOf(painted.Handle()), std::nullopt) << "UpdateLayeredWindow leaves no attributes to read";
    const POINT corner = {GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1};
    ASSERT_EQ(WindowFromPoint(corner), GetDesktopWindow());
    const DWORD desktopStyle = ExStyle(GetDesktopWindow());

    for (POINT drop : {own.Inside(), CentreOf(painted.Handle()), CentreOf(GetDlgItem(dialog, kHotkeyGroup)), corner})
        ASSERT_TRUE(DropFinderAt(dialog, drop, kRight));
    ASSERT_TRUE(DropFinderAt(dialog, plain.Inside(), kRight));
    ASSERT_TRUE(Shows(plain.Handle(), 204)) << "every drop before it is done";
    EXPECT_EQ(AlphaOf(own.Handle()), 170);
    EXPECT_EQ(AlphaOf(painted.Handle()), std::nullopt);
    EXPECT_TRUE(Layered(painted.Handle()));
    EXPECT_FALSE(Layered(dialog));
    EXPECT_TRUE(WindowProbe(dialog).Topmost());
    EXPECT_EQ(ExStyle(GetDesktopWindow()), desktopStyle);
}

TEST_F(SeeThroughTest, ARightPressBesideTheCrossHairTakesNoCapture) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    RECT icon;
    GetWindowRect(GetDlgItem(dialog, IDC_FINDER), &icon);
    const POINT beside = {icon.left - 6, (icon.top + icon.bottom) / 2};
    const WindowProbe probe(dialog);
    ASSERT_TRUE(InputDriver::BringToForeground(dialog, kActionTimeoutMs));
    const HWND focus = probe.FocusInItsThread();
    ASSERT_TRUE(InputDriver::MovePointer(beside, kActionTimeoutMs));
    ASSERT_TRUE(InputDriver::PressButtonAt(beside, kRight));
    // Input is handled in order: once Tab has moved the focus, the press
    // before it has been handled.
    ASSERT_TRUE(InputDriver::PressChord({VK_TAB}));
    const bool handled = WaitUntil([&] { return probe.FocusInItsThread() != focus; }, kActionTimeoutMs);
    const HWND capture = probe.CaptureInItsThread();
    ASSERT_TRUE(InputDriver::ReleaseButtonAt(beside, kRight));
    ASSERT_TRUE(handled);
    EXPECT_EQ(capture, nullptr);
}

TEST_F(SeeThroughTest, TheCrossHairsToolTipTellsBothDrags) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(InputDriver::BringToForeground(dialog, kActionTimeoutMs));
    ASSERT_TRUE(InputDriver::MovePointer(CentreOf(GetDlgItem(dialog, IDC_FINDER)), kActionTimeoutMs));
    const DWORD process = WindowProbe(dialog).ProcessId();
    std::wstring shown;
    WaitUntil(
        [&] {
            for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr;) {
                const WindowProbe probe(tip);
                if (probe.ProcessId() == process && probe.Visible()) shown = probe.Text();
            }
            return !shown.empty();
        },
        kActionTimeoutMs);
    EXPECT_EQ(shown, L"左键拖到窗口上：置顶/取消置顶；右键拖：透明度");
}

TEST_F(SeeThroughTest, ExitGivesWindowsStillOpenTheirLookBackAndSkipsClosedOnes) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow kept("plain", 400, 300), closed("plain", 700, 300);
    ASSERT_TRUE(dialog && kept.Handle() && closed.Handle());
    const DWORD style = ExStyle(kept.Handle());
    ASSERT_TRUE(DropFinderAt(dialog, kept.Inside(), kRight));
    ASSERT_TRUE(DropFinderAt(dialog, closed.Inside(), kRight));
    ASSERT_TRUE(Shows(kept.Handle(), 204) && Shows(closed.Handle(), 204));
    ASSERT_TRUE(closed.Close());
    ASSERT_TRUE(InputDriver::ClickItem(dialog, kExitButton, kActionTimeoutMs));
    ASSERT_TRUE(app.WaitForExit(kActionTimeoutMs));
    EXPECT_EQ(app.ExitCode(), 0u);
    EXPECT_EQ(ExStyle(kept.Handle()), style);
}

TEST_F(SeeThroughTest, TheEndOfTheSessionGivesTheLookBack) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow other("plain", 400, 300);
    ASSERT_TRUE(dialog && other.Handle());
    ASSERT_TRUE(DropFinderAt(dialog, other.Inside(), kRight));
    ASSERT_TRUE(Shows(other.Handle(), 204));
    const WindowProbe probe(dialog);
    ASSERT_TRUE(probe.Send(WM_ENDSESSION, FALSE, 0).has_value());
    EXPECT_EQ(AlphaOf(other.Handle()), 204) << "a session that goes on";
    ASSERT_TRUE(probe.Send(WM_ENDSESSION, TRUE, 0).has_value());
    EXPECT_FALSE(Layered(other.Handle()));
}

}  // namespace
