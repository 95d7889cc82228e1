// Windows refuses a change to another program's window (a program run as
// administrator, say; Wine has no such rule): the refusal is put in at the
// calls that make the change, and the user is told at once, by a balloon
// from the tray icon and the system's error sound, and nothing changes.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/CPinDlg.h"
#include "res/resource.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ThisProgram.h"
#include "tests/support/WaitUntil.h"

namespace {

HWND g_refused = nullptr;          // borrowed: the other program's window every change to is refused
std::vector<std::wstring> g_told;  // "flags title: text" of each balloon, "sound N" of each sound

template <class Function>
Function System(const char* module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(module), name)));
}

BOOL WINAPI RefusingSetWindowPos(HWND window, HWND after, int x, int y, int cx, int cy, UINT flags) {
    if (window == g_refused) return SetLastError(ERROR_ACCESS_DENIED), FALSE;
    return System<decltype(&RefusingSetWindowPos)>("user32.dll", "SetWindowPos")(window, after, x, y, cx, cy, flags);
}

// Called on the thread that makes a see-through change.
LONG WINAPI RefusingSetWindowLongW(HWND window, int index, LONG value) {
    if (window == g_refused) return SetLastError(ERROR_ACCESS_DENIED), 0;
    return System<decltype(&RefusingSetWindowLongW)>("user32.dll", "SetWindowLongW")(window, index, value);
}

BOOL WINAPI RecordingShellNotifyIconW(DWORD message, PNOTIFYICONDATAW data) {
    if (message == NIM_MODIFY && (data->uFlags & NIF_INFO) != 0)
        g_told.push_back(std::to_wstring(data->dwInfoFlags) + L" " + data->szInfoTitle + L": " + data->szInfo);
    return System<decltype(&RecordingShellNotifyIconW)>("shell32.dll", "Shell_NotifyIconW")(message, data);
}

BOOL WINAPI RecordingMessageBeep(UINT type) {
    g_told.push_back(L"sound " + std::to_wstring(type));
    return TRUE;
}

}  // namespace

// The import slots the program's calls go through, under the names the
// target's decoration gives them: defined here, they keep the linker from
// taking the system's.
#if defined(_WIN64)
#define ZORVANE_SLOT_NAME(name, bytes) "__imp_" #name
#else
#define ZORVANE_SLOT_NAME(name, bytes) "__imp__" #name "@" #bytes
#endif
#define ZORVANE_SLOT(function, name, bytes)                                                  \
    extern decltype(&function) const g_##name##Slot __asm__(ZORVANE_SLOT_NAME(name, bytes)); \
    decltype(&function) const g_##name##Slot = function;
ZORVANE_SLOT(RefusingSetWindowPos, SetWindowPos, 28)
ZORVANE_SLOT(RefusingSetWindowLongW, SetWindowLongW, 12)
ZORVANE_SLOT(RecordingShellNotifyIconW, Shell_NotifyIconW, 8)
ZORVANE_SLOT(RecordingMessageBeep, MessageBeep, 4)

namespace {

// The real dialog: it pins the refused window as the hotkey would, and
// right-drops it as the cross-hair would; it ends once both were told, or
// after the time an action may take.
class RefusedChanges : public CPinDlg {
    BOOL OnInitDialog() override {
        const BOOL focus = CPinDlg::OnInitDialog();
        PinOrRelease(g_refused);
        StepSeeThrough(g_refused);
        SetTimer(m_hWnd, 1, testsupport::kActionTimeoutMs, nullptr);
        return focus;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = CPinDlg::WindowProc(message, wParam, lParam);
        if ((g_told.size() == 4 && message != WM_COMMAND) || message == WM_TIMER) PostMessage(WM_COMMAND, ID_TRAY_EXIT);
        return result;
    }
};

TEST(RefusedChange, APinAndASeeThroughStepAreEachToldByABalloonAndTheErrorSoundAndChangeNothing) {
    using namespace testsupport;
    const std::string title = "Refusing" + std::to_string(GetCurrentProcessId());
    ChildProcess other =
        ChildProcess::Start(ThisProgram::Beside(std::string("SeeThroughTestHelper.exe")), title + " 300 300 plain");
    ASSERT_TRUE(
        WaitUntil([&] { return (g_refused = FindWindowA(nullptr, title.c_str())) != nullptr; }, kActionTimeoutMs));
    const LONG style = GetWindowLongW(g_refused, GWL_EXSTYLE);
    RefusedChanges().DoModal();
    const std::wstring shown =
        std::to_wstring(NIIF_ERROR | NIIF_NOSOUND) + L" " + std::wstring(title.begin(), title.end());
    const std::wstring sound = L"sound " + std::to_wstring(MB_ICONHAND);
    EXPECT_EQ(g_told, (std::vector<std::wstring>{
                          shown + L": 无法置顶：该程序拒绝了更改（它可能以管理员身份运行）。", sound,
                          shown + L": 无法调整透明度：该程序拒绝了更改（它可能以管理员身份运行）。", sound}));
    EXPECT_EQ(GetWindowLongW(g_refused, GWL_EXSTYLE), style) << "neither on top nor see-through";
}

}  // namespace
