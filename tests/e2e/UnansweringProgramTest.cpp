// A program that stops answering cannot take this one with it: the hotkey,
// the cross-hair and the way out go on, and a change lands once the program
// answers again.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

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

bool SeeThrough(HWND window) {
    BYTE alpha = 0;
    return GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr) && alpha == 204;
}

class UnansweringProgramTest : public ZorvaneTest {};

TEST_F(UnansweringProgramTest, TheHotkeyAndBothDropsLeaveTheDialogAnsweringAndLandOnceTheProgramAnswers) {
    const struct {
        const char* what;
        std::function<bool(HWND dialog, const OtherProgramWindow& other)> act;
        std::function<bool(HWND other)> landed;
    } cases[] = {
        {"F7", [](HWND, const OtherProgramWindow&) { return InputDriver::PressChord({VK_F7}); },
         [](HWND other) { return WindowProbe(other).Topmost(); }},
        {"left drop", [](HWND dialog, const OtherProgramWindow& other) { return DropFinderAt(dialog, other.Inside()); },
         [](HWND other) { return WindowProbe(other).Topmost(); }},
        {"right drop",
         [](HWND dialog, const OtherProgramWindow& other) {
             return DropFinderAt(dialog, other.Inside(), MouseButton::Right);
         },
         SeeThrough},
    };
    for (const auto& c : cases) {
        AppInstance app;
        HWND dialog = StartAndWaitForDialog(app);
        OtherProgramWindow other("plain", 400, 300);
        ASSERT_TRUE(dialog && other.Handle()) << c.what;
        ASSERT_TRUE(InputDriver::BringToForeground(other.Handle(), kActionTimeoutMs)) << c.what;
        ASSERT_TRUE(other.StopAnswering(kStopMs) && c.act(dialog, other)) << c.what;
        // Hidden to the tray and back through its icon, by posted messages,
        // as a stuck queue would show; again until the other program answers.
        int rounds = 0;
        for (const DWORD started = GetTickCount();
             GetTickCount() - started < kStopMs && !AnswersWithin(other.Handle(), 50); ++rounds) {
            PostMessageW(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, kAnswerMs)) << c.what;
            PostMessageW(dialog, kTrayCallback, kTrayIconId, WM_LBUTTONUP);
            ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; }, kAnswerMs)) << c.what;
        }
        EXPECT_GE(rounds, 2) << c.what;
        EXPECT_TRUE(WaitUntil([&] { return c.landed(other.Handle()); }, kStopMs + kActionTimeoutMs)) << c.what;
    }
}

TEST_F(UnansweringProgramTest, ExitEndsTheProgramAtOnceThoughASeeThroughWindowDoesNotAnswer) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow other("plain", 400, 300);
    ASSERT_TRUE(dialog && other.Handle());
    ASSERT_TRUE(DropFinderAt(dialog, other.Inside(), MouseButton::Right));
    ASSERT_TRUE(WaitUntil([&] { return SeeThrough(other.Handle()); }, kActionTimeoutMs));
    ASSERT_TRUE(other.StopAnswering(3 * kStopMs));
    ASSERT_TRUE(InputDriver::ClickItem(dialog, kExitButton, kActionTimeoutMs));
    ASSERT_TRUE(app.WaitForExit(2000)) << "the way out waited on the program";
    EXPECT_EQ(app.ExitCode(), 0u);
}

}  // namespace
