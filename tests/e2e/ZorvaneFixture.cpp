#include "tests/e2e/ZorvaneFixture.h"

#include "tests/support/E2eConfig.h"
#include "tests/support/InputDriver.h"
#include "tests/support/MarkedWindows.h"
#include "tests/support/ProcessProbe.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowEventLog.h"
#include "tests/support/WindowProbe.h"

using namespace testsupport;

namespace {

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow.push_back(c < 128 ? static_cast<char>(c) : '?');
    return narrow;
}

}  // namespace

void ZorvaneTest::SetUp() {
    const std::wstring& source = E2eConfig::AppPath();
    // A missing program is a failure of the suite, never a skip.
    ASSERT_NE(GetFileAttributesW(source.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the program under test is missing: " << Narrow(source)
        << " (build the Zorvane target, or pass --zorvane=PATH)";
    ASSERT_TRUE(m_folder.Valid()) << "cannot create a test folder";
    ASSERT_TRUE(m_folder.CopyIn(source, m_appName)) << "cannot copy " << Narrow(source);
    // Copies left by an earlier test would answer for the one under test.
    ASSERT_TRUE(MarkedWindows::All().empty()) << "a marked window is already open";
    ASSERT_TRUE(ProcessProbe::Named(m_appName).empty()) << "a copy of the program is already running";
    // Not where the last test left it: a window that appears under the
    // pointer is told so by the X server, and a program that reads that late
    // moves the pointer back there after the test has moved it on.
    ASSERT_TRUE(InputDriver::ParkPointer(kActionTimeoutMs)) << "the pointer did not move";
}

void ZorvaneTest::TearDown() {
    // Ending with a changed hotkey starts the updater, which restarts the
    // program once more; the folder is free only when that chain is over.
    const bool ended = WaitUntil(
        [&] {
            return !m_family.AnyRunning() && ProcessProbe::Named(m_appName).empty() &&
                   ProcessProbe::Named(kUpdaterName).empty();
        },
        kSaveChainTimeoutMs);
    EXPECT_TRUE(ended) << "still running: " << ProcessProbe::Named(m_appName).size() << " of the program, "
                       << ProcessProbe::Named(kUpdaterName).size()
                       << " of the updater; marked windows: " << MarkedWindows::All().size()
                       << "; members of the family: " << m_family.DescribeRunning();
    EXPECT_TRUE(m_folder.Remove(kActionTimeoutMs)) << "test folder stays locked";
}

AppInstance ZorvaneTest::StartApp() const {
    AppInstance app = AppInstance::Start(AppPath());
    if (app.Started()) m_family.Add(app.Pid());
    EXPECT_TRUE(app.Started()) << "CreateProcess failed with error " << app.StartError();
    return app;
}

HWND ZorvaneTest::StartAndWaitForDialog(AppInstance& app) const {
    app = StartApp();
    if (!app.Started()) return nullptr;
    HWND dialog = app.WaitForMainWindow(kActionTimeoutMs);
    EXPECT_NE(dialog, nullptr) << "no marked dialog appeared";
    if (!dialog) return nullptr;
    const bool visible = WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; }, kActionTimeoutMs);
    EXPECT_TRUE(visible) << "the dialog did not become visible";
    return visible ? dialog : nullptr;
}

bool ZorvaneTest::HideToTray(HWND dialog) {
    PostMessageW(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return WaitUntil([&] { return !IsWindowVisible(dialog); }, kActionTimeoutMs);
}

bool ZorvaneTest::DropFinderAt(HWND dialog, POINT drop, MouseButton button) {
    RECT icon;
    GetWindowRect(GetDlgItem(dialog, IDC_FINDER), &icon);
    const POINT grab = {(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
    const WindowProbe probe(dialog);
    return InputDriver::BringToForeground(dialog, kActionTimeoutMs) &&
           InputDriver::Drag(grab, drop, dialog, kActionTimeoutMs, button) &&
           WaitUntil([&] { return probe.CaptureInItsThread() == nullptr; }, kActionTimeoutMs) &&
           probe.Send(WM_NULL, 0, 0).has_value();
}

UniqueKernelHandle ZorvaneTest::HoldUpdaterFile() const {
    if (!m_folder.WriteBytes(kUpdaterName, "held")) return UniqueKernelHandle();
    return UniqueKernelHandle(
        CreateFileW(m_folder.File(kUpdaterName).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

bool ZorvaneTest::HotkeyTaken(UINT modifiers, UINT virtualKey) {
    constexpr int kProbeId = 0x7A11;
    if (!RegisterHotKey(nullptr, kProbeId, modifiers, virtualKey)) return true;
    UnregisterHotKey(nullptr, kProbeId);
    return false;
}

HWND ZorvaneTest::FindOwnedBox(HWND owner) {
    struct Search {
        HWND owner;
        HWND found;
        static BOOL CALLBACK Visit(HWND window, LPARAM lParam) {
            auto* search = reinterpret_cast<Search*>(lParam);
            if (GetWindow(window, GW_OWNER) != search->owner || !IsWindowVisible(window)) return TRUE;
            if (WindowProbe(window).ClassName() != L"#32770") return TRUE;
            search->found = window;
            return FALSE;
        }
    } search{owner, nullptr};
    EnumWindows(&Search::Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int ZorvaneTest::DialogsCreatedBy(const WindowEventLog& log, DWORD threadId) {
    int count = 0;
    for (const auto& entry : log.CreatedByThread(threadId)) count += entry.className == L"#32770";
    return count;
}

bool ZorvaneTest::ShownInFront(HWND window) {
    const WindowProbe probe(window);
    return WaitUntil([&] { return probe.Visible() && !probe.Iconic() && probe.Foreground(); }, kActionTimeoutMs);
}
