// The tray menu lists the windows on top and releases them, one or all that
// this program pinned; a rule keeps a program's windows on top, kept in the
// program's file. The menu is worked from the keyboard, as its mnemonics
// allow.
#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>

#include "tests/e2e/OtherProgramWindow.h"
#include "tests/e2e/ZorvaneFixture.h"
#include "tests/support/ExeResources.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

using namespace testsupport;

namespace {

bool Topmost(HWND window) { return WindowProbe(window).Topmost(); }
bool BecomesTopmost(HWND window, bool topmost = true) {
    return WaitUntil([&] { return Topmost(window) == topmost; }, kActionTimeoutMs);
}

// On top by the test's own hand: to this program, another program's doing.
bool PinHere(HWND window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return BecomesTopmost(window);
}

class OnTopMenuTest : public ZorvaneTest {
protected:
    // Opens the tray menu as a right click on the icon does, types keys into
    // it, and waits until it has closed: its command is posted by then.
    static bool ChooseFromTrayMenu(HWND dialog, std::initializer_list<WORD> keys) {
        PostMessageW(dialog, kTrayCallback, kTrayIconId, WM_RBUTTONUP);
        const DWORD process = WindowProbe(dialog).ProcessId();
        const auto menuShown = [&] {
            for (HWND menu = nullptr; (menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr;)
                if (IsWindowVisible(menu) && WindowProbe(menu).ProcessId() == process) return true;
            return false;
        };
        if (!WaitUntil(menuShown, kActionTimeoutMs)) return false;
        for (WORD key : keys)
            if (!InputDriver::PressChord({key})) return false;
        return WaitUntil([&] { return !menuShown(); }, kActionTimeoutMs);
    }

    std::string AnsiAppPath() const {
        const std::wstring path = AppPath();
        return std::string(path.begin(), path.end());
    }

    // The rules stored in the program's file, as the save left them.
    std::optional<Bytes> StoredRules() const {
        const auto all = ExeResources::All(AnsiAppPath());
        const auto found = all.find(ExeResources::Key("HOTKEY", 145, 2052));
        if (found == all.end()) return std::nullopt;
        return found->second;
    }

    bool ExitAndSave(AppInstance& app, HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, kTrayExitCommand, 0);
        return app.WaitForExit(kActionTimeoutMs) &&
               WaitUntil([&] { return !m_family.AnyRunning(); }, kSaveChainTimeoutMs);
    }
};

TEST_F(OnTopMenuTest, TheFirstItemReleasesTheWindowOnTopAndNothingElse) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow below("plain", 400, 300), above("plain", 700, 300);
    ASSERT_TRUE(dialog && below.Handle() && above.Handle());
    ASSERT_TRUE(PinHere(below.Handle()) && PinHere(above.Handle()));
    ASSERT_TRUE(ChooseFromTrayMenu(dialog, {VK_DOWN, VK_RIGHT, 'U'}));
    EXPECT_TRUE(BecomesTopmost(above.Handle(), false));
    EXPECT_TRUE(Topmost(below.Handle()));
    EXPECT_TRUE(Topmost(dialog));
}

TEST_F(OnTopMenuTest, ReleaseAllReleasesWhatThisProgramPinnedAlsoBeforeARestartAndNothingElse) {
    OtherProgramWindow pinned("plain", 400, 300), own("plain", 700, 300);
    ASSERT_TRUE(pinned.Handle() && own.Handle());
    {
        AppInstance app;
        HWND dialog = StartAndWaitForDialog(app);
        // The dialog takes the foreground as it starts: F7 must not find it there.
        ASSERT_TRUE(ShownInFront(dialog));
        ASSERT_TRUE(InputDriver::BringToForeground(pinned.Handle(), kActionTimeoutMs));
        ASSERT_TRUE(InputDriver::PressChord({VK_F7}));
        ASSERT_TRUE(BecomesTopmost(pinned.Handle()));
        ASSERT_TRUE(ExitAndSave(app, dialog));
    }
    ASSERT_TRUE(PinHere(own.Handle()));
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_TRUE(ChooseFromTrayMenu(dialog, {'R'}));
    EXPECT_TRUE(BecomesTopmost(pinned.Handle(), false));
    EXPECT_TRUE(Topmost(own.Handle())) << "on top by its own program's doing";
}

TEST_F(OnTopMenuTest, ARulePinsNewWindowsOfItsProgramOnlyHoldsAfterARestartAndIsRemovedFromTheMenu) {
    // Another program: the same file under another name.
    const std::wstring otherProgram = m_folder.File(L"Abseits.exe");
    const std::string helper = OtherProgramWindow::HelperPath();
    ASSERT_TRUE(CopyFileW(std::wstring(helper.begin(), helper.end()).c_str(), otherProgram.c_str(), FALSE));
    {
        AppInstance app;
        HWND dialog = StartAndWaitForDialog(app);
        OtherProgramWindow first("plain", 400, 300);
        ASSERT_TRUE(dialog && first.Handle() && PinHere(first.Handle()));
        ASSERT_TRUE(ChooseFromTrayMenu(dialog, {VK_DOWN, VK_RIGHT, 'A'}));
        OtherProgramWindow another("plain", 400, 600, std::string(otherProgram.begin(), otherProgram.end()));
        OtherProgramWindow second("plain", 700, 300);
        EXPECT_TRUE(BecomesTopmost(second.Handle())) << "a new window of the program";
        EXPECT_FALSE(Topmost(another.Handle())) << "a window of another program, made before it";
        ASSERT_TRUE(ExitAndSave(app, dialog));
    }
    ASSERT_TRUE(StoredRules().has_value());
    OtherProgramWindow open("plain", 400, 300);
    ASSERT_TRUE(open.Handle() && !Topmost(open.Handle()));
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    EXPECT_TRUE(BecomesTopmost(open.Handle())) << "open before the start";
    ASSERT_TRUE(ChooseFromTrayMenu(dialog, {'P', VK_DOWN, VK_RETURN}));
    ASSERT_TRUE(ExitAndSave(app, dialog));
    const Bytes none = {'Z', 'V', 'R', '1', 0, 0};
    EXPECT_EQ(StoredRules(), none);
}

TEST_F(OnTopMenuTest, DamagedStoredRulesAreIgnoredAndTheHotkeyStillPins) {
    ASSERT_TRUE(ExeResources::WriteStoredPinRules(AnsiAppPath(), {'Z', 'V', 'R', '1', 1, 0, 200, 0, 'x', 0}));
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    OtherProgramWindow other("plain", 400, 300);
    ASSERT_TRUE(dialog && other.Handle());
    ASSERT_TRUE(InputDriver::BringToForeground(other.Handle(), kActionTimeoutMs));
    ASSERT_TRUE(InputDriver::PressChord({VK_F7}));
    EXPECT_TRUE(BecomesTopmost(other.Handle()));
}

}  // namespace
