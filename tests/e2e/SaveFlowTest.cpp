// A changed hotkey survives the restart: the save flow writes the updater
// with its request, the updater rewrites the program once it has ended, and
// the next start has the new hotkey. Failures are reported in message boxes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "common/UniqueHandle.h"
#include "res/resource.h"
#include "tests/e2e/HotkeyEditor.h"
#include "tests/e2e/ZorvaneFixture.h"
#include "tests/support/ExeResources.h"
#include "tests/support/FileContents.h"
#include "tests/support/InputDriver.h"
#include "tests/support/MarkedWindows.h"
#include "tests/support/MessageBoxProbe.h"
#include "tests/support/TrayProbe.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

using namespace testsupport;

namespace {

constexpr UINT kModifiersId = IDR_HOTKEY_MODIFIERS;
constexpr UINT kVirtualKeyId = IDR_HOTKEY_VIRTUAL_KEY;

class SaveFlowTest : public ZorvaneTest {
protected:
    // Starts the program and unlocks its hotkey control.
    HWND StartUnlocked(AppInstance& app) {
        HWND dialog = StartAndWaitForDialog(app);
        if (dialog == nullptr || !HotkeyEditor::Unlock(dialog)) return nullptr;
        return dialog;
    }

    // Ends the program from its tray menu.
    static void ExitFromTray(HWND dialog) { PostMessageW(dialog, WM_COMMAND, kTrayExitCommand, 0); }

    // The stored hotkey of the program's file, once both values read.
    std::optional<std::pair<DWORD, DWORD>> StoredHotkey() const {
        auto modifiers = ExeResources::ReadDword(AppPath(), "HOTKEY", kModifiersId);
        auto key = ExeResources::ReadDword(AppPath(), "HOTKEY", kVirtualKeyId);
        if (!modifiers || !key) return std::nullopt;
        return std::make_pair(*modifiers, *key);
    }

    // The save chain is over: nothing the test started runs any more.
    bool WaitForChainToEnd() {
        return WaitUntil([&] { return !m_family.AnyRunning(); }, kSaveChainTimeoutMs);
    }

    // Starts the program, changes its hotkey with edit until the combination
    // (registration flags) is registered, ends it from the tray and waits
    // for the save chain to end.
    void ChangeAndExit(const std::function<bool(HWND dialog)>& edit, UINT modifiers, UINT virtualKey) {
        AppInstance app;
        HWND dialog = StartUnlocked(app);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(edit(dialog));
        ASSERT_TRUE(WaitUntil([&] { return HotkeyTaken(modifiers, virtualKey); }, kActionTimeoutMs));
        ExitFromTray(dialog);
        ASSERT_TRUE(app.WaitForExit(kActionTimeoutMs));
        ASSERT_TRUE(WaitForChainToEnd());
    }

    // Shift+F8 typed, the program ended: the updater rewrites and restarts
    // it, the restart clears the updater away, and the next start has it.
    void ExpectAChangedHotkeyInForceAtTheNextStart() {
        ASSERT_EQ(StoredHotkey(), std::make_pair(DWORD{0}, DWORD{0x76})) << "shipped: F7 without modifiers";
        {
            AppInstance app;
            HWND dialog = StartUnlocked(app);
            ASSERT_NE(dialog, nullptr);
            ASSERT_TRUE(HotkeyEditor::Type(dialog, {VK_SHIFT, VK_F8}, MAKEWORD(VK_F8, HOTKEYF_SHIFT)));
            ASSERT_TRUE(WaitUntil([&] { return HotkeyTaken(MOD_SHIFT, VK_F8); }, kActionTimeoutMs));
            ExitFromTray(dialog);
            ASSERT_TRUE(app.WaitForExit(kActionTimeoutMs));
            ASSERT_TRUE(WaitForChainToEnd()) << "the updater and the restart it makes end by themselves";
        }
        EXPECT_EQ(StoredHotkey(), std::make_pair(DWORD{HOTKEYF_SHIFT}, DWORD{VK_F8}));
        EXPECT_FALSE(m_folder.Exists(kUpdaterName)) << "the restart cleared the updater away";
        EXPECT_TRUE(MarkedWindows::All().empty()) << "the restart showed no dialog";

        AppInstance next;
        HWND dialog = StartAndWaitForDialog(next);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(WindowProbe(dialog).Item(kHotkeyCtrl).HotkeyValue(),
                  std::optional<WORD>(MAKEWORD(VK_F8, HOTKEYF_SHIFT)));
        EXPECT_TRUE(HotkeyTaken(MOD_SHIFT, VK_F8));
        EXPECT_FALSE(HotkeyTaken(0, VK_F7));
        EXPECT_EQ(HotkeyEditor::GroupText(dialog), L"热键置顶");
    }
};

TEST_F(SaveFlowTest, AChangedHotkeyIsWrittenIntoTheProgramAndInForceAtTheNextStart) {
    ExpectAChangedHotkeyInForceAtTheNextStart();
}

// In code page 936 the name's last character, 奬, ends in the byte 0x5C: a
// backslash to a split that reads the path byte by byte.
class DoubleByteNameTest : public SaveFlowTest {
protected:
    DoubleByteNameTest() { m_appName = L"置顶奬.exe"; }
};

TEST_F(DoubleByteNameTest, ACopyWhoseNameEndsInATrailBackslashShowsItsDialogAndSavesItsHotkey) {
    ExpectAChangedHotkeyInForceAtTheNextStart();
}

TEST_F(DoubleByteNameTest, TheUpdaterBesideItIsFoundAndClearedAway) {
    ASSERT_TRUE(m_folder.WriteBytes(kUpdaterName, "MZ left over by a save"));
    AppInstance cleaner = StartApp();
    EXPECT_TRUE(cleaner.WaitForExit(kActionTimeoutMs)) << "the start did not end by itself";
    EXPECT_FALSE(m_folder.Exists(kUpdaterName));
}

TEST_F(SaveFlowTest, ChangingTheHotkeyAndBackWritesNothing) {
    const Bytes before = FileContents::Read(AppPath());
    AppInstance app;
    HWND dialog = StartUnlocked(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(HotkeyEditor::Type(dialog, {VK_SHIFT, VK_F8}, MAKEWORD(VK_F8, HOTKEYF_SHIFT)));
    ASSERT_TRUE(HotkeyEditor::Type(dialog, {VK_F7}, MAKEWORD(VK_F7, 0)));
    ASSERT_TRUE(WaitUntil([&] { return HotkeyTaken(0, VK_F7); }, kActionTimeoutMs));
    ExitFromTray(dialog);
    ASSERT_TRUE(app.WaitForExit(kActionTimeoutMs));
    ASSERT_TRUE(WaitForChainToEnd());
    EXPECT_FALSE(m_folder.Exists(kUpdaterName)) << "no updater was written";
    EXPECT_EQ(FileContents::Read(AppPath()), before);
}

TEST_F(SaveFlowTest, AnExtendedKeyKeepsItsFlagInTheStoredSetting) {
    ASSERT_NO_FATAL_FAILURE(ChangeAndExit(
        [](HWND dialog) { return HotkeyEditor::Enter(dialog, MAKEWORD(VK_INSERT, HOTKEYF_EXT)); }, 0, VK_INSERT));
    EXPECT_EQ(StoredHotkey(), std::make_pair(DWORD{HOTKEYF_EXT}, DWORD{VK_INSERT}));

    AppInstance next;
    ASSERT_NE(StartAndWaitForDialog(next), nullptr);
    EXPECT_TRUE(HotkeyTaken(0, VK_INSERT)) << "registered without the flag";
}

TEST_F(SaveFlowTest, AltIsStoredAsTheControlsOwnFlag) {
    ASSERT_NO_FATAL_FAILURE(ChangeAndExit(
        [](HWND dialog) {
            return HotkeyEditor::Type(dialog, {VK_MENU, VK_F8}, MAKEWORD(VK_F8, HOTKEYF_ALT));
        },
        MOD_ALT, VK_F8));
    EXPECT_EQ(StoredHotkey(), std::make_pair(DWORD{0x04}, DWORD{VK_F8}));
}

TEST_F(SaveFlowTest, AnUpdaterThatCannotBeWrittenIsReportedTwiceAndNothingChanges) {
    const Bytes before = FileContents::Read(AppPath());
    AppInstance app;
    HWND dialog = StartUnlocked(app);
    ASSERT_NE(dialog, nullptr);
    // Once the program runs (a start would take the file for a leftover),
    // another program holds a file of the updater's name open, unshared.
    UniqueKernelHandle held = HoldUpdaterFile();
    ASSERT_TRUE(held);

    ASSERT_TRUE(HotkeyEditor::Type(dialog, {VK_F6}, MAKEWORD(VK_F6, 0)));
    ASSERT_TRUE(WaitUntil([&] { return HotkeyTaken(0, VK_F6); }, kActionTimeoutMs));
    ExitFromTray(dialog);

    HWND first = MessageBoxProbe::WaitFor(app.Pid(), L"Extract Error!", kActionTimeoutMs);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(WindowProbe(first).Text(), L"Zorvane") << "the application's title as caption";
    EXPECT_EQ(MessageBoxProbe::Message(first), L"Extract Error!");
    EXPECT_FALSE(TrayProbe::IconExists(dialog, kTrayIconId)) << "the icon went before the save";
    EXPECT_FALSE(HotkeyTaken(0, VK_F6)) << "the hotkey was released before the save";
    ASSERT_TRUE(MessageBoxProbe::PressOk(first, kActionTimeoutMs));

    HWND second = MessageBoxProbe::WaitFor(app.Pid(), L"Open File Resource Failed!", kActionTimeoutMs);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(MessageBoxProbe::Message(second), L"Open File Resource Failed!");
    ASSERT_TRUE(MessageBoxProbe::PressOk(second, kActionTimeoutMs));

    // The launch is still attempted, and fails on the held file; the shell
    // may report that itself, since the program asks it for no silence.
    HWND shellBox = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return !app.Running() || (shellBox = MessageBoxProbe::Find(app.Pid(), L"")) != nullptr; },
                  kActionTimeoutMs));
    if (shellBox != nullptr) {
        EXPECT_TRUE(MessageBoxProbe::PressOk(shellBox, kActionTimeoutMs));
    }
    EXPECT_TRUE(app.WaitForExit(kActionTimeoutMs));
    held.reset();
    ASSERT_TRUE(WaitForChainToEnd());
    EXPECT_EQ(FileContents::Read(AppPath()), before) << "the program's file is unchanged";
    EXPECT_EQ(FileContents::Read(m_folder.File(kUpdaterName)), (Bytes{'h', 'e', 'l', 'd'}))
        << "the held file was not replaced";
}

}  // namespace
