// A program that stops answering cannot take this one with it: the hotkey,
// the cross-hair and the way out go on, and a change lands once the program
// answers again.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/e2e/OtherProgramWindow.h"
#include "tests/e2e/ZorvaneFixture.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

using namespace testsupport;

namespace {

constexpr DWORD kAnswerMs = 1000;  // the dialog's bound, whatever the other program does
constexpr DWORD kStopMs = 5000;    // how long the other program takes no message

bool AnswersWithin(HWND window, UINT ms) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, ms, &answer) != 0;
}

bool BecomesTopmost(HWND window) {
    return WaitUntil([&] { return WindowProbe(window).Topmost(); }, kStopMs + kActionTimeoutMs);
}

class UnansweringProgramTest : public ZorvaneTest {
protected:
    // Hides the dialog to the tray and brings it back through the tray icon,
    // each by a posted message, as a queue that is stuck would show; again and
    // again until the other program answers once more.
    static void ExpectTheDialogAnswersWhile(HWND dialog, HWND stuck) {
        const DWORD started = GetTickCount();
        int rounds = 0;
        do {
            PostMessageW(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, kAnswerMs)) << "round " << rounds;
            PostMessageW(dialog, kTrayCallback, kTrayIconId, WM_LBUTTONUP);
            ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; }, kAnswerMs)) << "round " << rounds;
            ++rounds;
        } while (GetTickCount() - started < kStopMs && !AnswersWithin(stuck, 50));
        EXPECT_GE(rounds, 2);
    }
};

TEST_F(UnansweringProgramTest, TheHotkeyOnItLeavesTheDialogAnsweringAndThePinLandsOnceItAnswers) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow other("plain", 400, 300);
    ASSERT_TRUE(dialog && other.Handle());
    ASSERT_TRUE(InputDriver::BringToForeground(other.Handle(), kActionTimeoutMs));
    ASSERT_TRUE(other.StopAnswering(kStopMs));
    ASSERT_TRUE(InputDriver::PressChord({VK_F7}));
    ExpectTheDialogAnswersWhile(dialog, other.Handle());
    EXPECT_TRUE(BecomesTopmost(other.Handle()));
}

TEST_F(UnansweringProgramTest, ALeftDropOnItLeavesTheDialogAnsweringAndThePinLandsOnceItAnswers) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow other("plain", 400, 300);
    ASSERT_TRUE(dialog && other.Handle());
    ASSERT_TRUE(other.StopAnswering(kStopMs));
    ASSERT_TRUE(DropFinderAt(dialog, other.Inside()));
    ExpectTheDialogAnswersWhile(dialog, other.Handle());
    EXPECT_TRUE(BecomesTopmost(other.Handle()));
}

TEST_F(UnansweringProgramTest, ARightDropOnItLeavesTheDialogAnsweringAndTheStepLandsOnceItAnswers) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow other("plain", 400, 300);
    ASSERT_TRUE(dialog && other.Handle());
    ASSERT_TRUE(other.StopAnswering(kStopMs));
    ASSERT_TRUE(DropFinderAt(dialog, other.Inside(), MouseButton::Right));
    ExpectTheDialogAnswersWhile(dialog, other.Handle());
    EXPECT_TRUE(WaitUntil(
        [&] {
            BYTE alpha = 0;
            return GetLayeredWindowAttributes(other.Handle(), nullptr, &alpha, nullptr) && alpha == 204;
        },
        kStopMs + kActionTimeoutMs));
}

TEST_F(UnansweringProgramTest, ExitEndsTheProgramAtOnceThoughASeeThroughWindowDoesNotAnswer) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow other("plain", 400, 300);
    ASSERT_TRUE(dialog && other.Handle());
    ASSERT_TRUE(DropFinderAt(dialog, other.Inside(), MouseButton::Right));
    ASSERT_TRUE(WaitUntil([&] { return (GetWindowLongW(other.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0; },
                          kActionTimeoutMs));
    ASSERT_TRUE(other.StopAnswering(3 * kStopMs));
    ASSERT_TRUE(InputDriver::ClickItem(dialog, kExitButton, kActionTimeoutMs));
    ASSERT_TRUE(app.WaitForExit(2000)) << "the way out waited on the program";
    EXPECT_EQ(app.ExitCode(), 0u);
}

}  // namespace
