#pragma once

#include "common/UniqueHandle.h"
#include "tests/support/AppInstance.h"
#include "tests/support/InputDriver.h"
#include "tests/support/ProcessFamily.h"
#include "tests/support/TestFolder.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include "res/resource.h"

namespace testsupport {
class WindowEventLog;
}

// Every test gets a fresh folder with its own copy of Zorvane.exe and a
// system with no copy of the program running.
class ZorvaneTest : public ::testing::Test {
protected:
    static constexpr int kHotkeyCtrl = IDC_HOTKEY;
    static constexpr int kHotkeyGroup = IDC_HOTKEY_GROUP;
    static constexpr int kExitButton = IDCANCEL;
    static constexpr UINT kTrayIconId = IDI_APP;
    static constexpr UINT kTrayCallback = 2025;
    static constexpr UINT kTrayShowCommand = ID_TRAY_SHOW;
    static constexpr UINT kTrayExitCommand = ID_TRAY_EXIT;
    static constexpr const wchar_t* kUpdaterName = L"Brisklet.exe";
    static constexpr const wchar_t* kAppName = L"Zorvane.exe";
    // The updater waits up to 20 s for the program, then rewrites and
    // restarts it.
    static constexpr DWORD kSaveChainTimeoutMs = 40000;

    void SetUp() override;
    void TearDown() override;

    std::wstring AppPath() const { return m_folder.File(m_appName); }
    testsupport::AppInstance StartApp() const;

    // Starts the program and waits until its marked dialog is visible;
    // null (with a test failure) otherwise.
    HWND StartAndWaitForDialog(testsupport::AppInstance& app) const;

    // Hides the dialog the way the minimise box does and waits until it is.
    static bool HideToTray(HWND dialog);

    // Drags the cross-hair from the dialog with the button and lets it go at
    // drop; true once the dialog has handled the release (the capture gone,
    // then a message answered after it).
    static bool DropFinderAt(HWND dialog, POINT drop, testsupport::MouseButton button = testsupport::MouseButton::Left);

    // A file of the updater's name in the test folder, held open unshared as
    // another program would; a save can then neither write nor replace it.
    // Null when it could not be made.
    UniqueKernelHandle HoldUpdaterFile() const;

    // The global hotkey is taken when this process cannot register it.
    static bool HotkeyTaken(UINT modifiers, UINT virtualKey);

    // A visible dialog box owned by the window: a box it opened; null for
    // none.
    static HWND FindOwnedBox(HWND owner);
    // Dialog boxes the given thread created while the log ran.
    static int DialogsCreatedBy(const testsupport::WindowEventLog& log, DWORD threadId);
    // Waits until the window is visible, not minimised and in the foreground.
    static bool ShownInFront(HWND window);

    // The name the program is copied in under; a suite may set another in
    // its constructor.
    std::wstring m_appName = kAppName;
    testsupport::TestFolder m_folder;
    // Everything the test started, followed into the processes they start.
    mutable testsupport::ProcessFamily m_family;
};
