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

HWND g_refused = nullptr;  // borrowed: the other program's window every change to is refused
struct Balloon {
    std::wstring title, text;
    DWORD flags;
};
std::vector<Balloon> g_balloons;
std::vector<UINT> g_sounds;

template <class Function>
Function System(const char* module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(module), name)));
}

BOOL WINAPI RefusingSetWindowPos(HWND window, HWND after, int x, int y, int cx, int cy, UINT flags) {
    if (window == g_refused) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return System<decltype(&RefusingSetWindowPos)>("user32.dll", "SetWindowPos")(window, after, x, y, cx, cy, flags);
}

// Called from the thread that makes a see-through change.
LONG WINAPI RefusingSetWindowLongW(HWND window, int index, LONG value) {
    if (window == g_refused) {
        SetLastError(ERROR_ACCESS_DENIED);
        return 0;
    }
    return System<decltype(&RefusingSetWindowLongW)>("user32.dll", "SetWindowLongW")(window, index, value);
}

BOOL WINAPI RecordingShellNotifyIconW(DWORD message, PNOTIFYICONDATAW data) {
    if (message == NIM_MODIFY && (data->uFlags & NIF_INFO) != 0)
        g_balloons.push_back({data->szInfoTitle, data->szInfo, data->dwInfoFlags});
    return System<decltype(&RecordingShellNotifyIconW)>("shell32.dll", "Shell_NotifyIconW")(message, data);
}

BOOL WINAPI RecordingMessageBeep(UINT type) {
    g_sounds.push_back(type);
    return TRUE;
}

}  // namespace

// The import slots every call of the program's code goes through, under the
// names the target's C decoration gives them. Defined here, they keep the
// linker from taking the system's from the import libraries.
#if defined(_WIN64)
#define ZORVANE_SLOT(name, bytes) "__imp_" #name
#else
#define ZORVANE_SLOT(name, bytes) "__imp__" #name "@" #bytes
#endif
extern decltype(&RefusingSetWindowPos) const g_setWindowPosSlot __asm__(ZORVANE_SLOT(SetWindowPos, 28));
decltype(&RefusingSetWindowPos) const g_setWindowPosSlot = RefusingSetWindowPos;
extern decltype(&RefusingSetWindowLongW) const g_setWindowLongSlot __asm__(ZORVANE_SLOT(SetWindowLongW, 12));
decltype(&RefusingSetWindowLongW) const g_setWindowLongSlot = RefusingSetWindowLongW;
extern decltype(&RecordingShellNotifyIconW) const g_notifySlot __asm__(ZORVANE_SLOT(Shell_NotifyIconW, 8));
decltype(&RecordingShellNotifyIconW) const g_notifySlot = RecordingShellNotifyIconW;
extern decltype(&RecordingMessageBeep) const g_beepSlot __asm__(ZORVANE_SLOT(MessageBeep, 4));
decltype(&RecordingMessageBeep) const g_beepSlot = RecordingMessageBeep;

namespace {

// The real dialog: once up, it pins the refused window as the hotkey
// would, and right-drops it as the cross-hair would; it ends once both
// were told.
class RefusedChanges : public CPinDlg {
public:
    BOOL OnInitDialog() override {
        const BOOL focus = CPinDlg::OnInitDialog();
        PostMessage(WM_APP);
        return focus;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            PinOrRelease(g_refused);
            StepSeeThrough(g_refused);
            return 0;
        }
        const LRESULT result = CPinDlg::WindowProc(message, wParam, lParam);
        if (g_balloons.size() == 2 && !m_ending) {
            m_ending = true;
            PostMessage(WM_COMMAND, ID_TRAY_EXIT);
        }
        return result;
    }

private:
    bool m_ending = false;
};

TEST(RefusedChange, APinAndASeeThroughStepAreEachToldByABalloonAndTheErrorSoundAndChangeNothing) {
    using namespace testsupport;
    const std::string title = "Refusing-" + std::to_string(GetCurrentProcessId());
    ChildProcess other =
        ChildProcess::Start(ThisProgram::Beside(std::string("SeeThroughTestHelper.exe")), title + " 300 300 plain");
    ASSERT_TRUE(
        WaitUntil([&] { return (g_refused = FindWindowA(nullptr, title.c_str())) != nullptr; }, kActionTimeoutMs));
    const LONG style = GetWindowLongW(g_refused, GWL_EXSTYLE);

    RefusedChanges dialog;
    dialog.DoModal();

    ASSERT_EQ(g_balloons.size(), 2u);
    const std::wstring wideTitle(title.begin(), title.end());
    EXPECT_EQ(g_balloons[0].title, wideTitle);
    EXPECT_EQ(g_balloons[0].text, L"无法置顶：该程序拒绝了更改（它可能以管理员身份运行）。");
    EXPECT_EQ(g_balloons[1].text, L"无法调整透明度：该程序拒绝了更改（它可能以管理员身份运行）。");
    for (const Balloon& balloon : g_balloons) EXPECT_EQ(balloon.flags, DWORD{NIIF_ERROR | NIIF_NOSOUND});
    EXPECT_EQ(g_sounds, (std::vector<UINT>{MB_ICONHAND, MB_ICONHAND}));
    EXPECT_EQ(GetWindowLongW(g_refused, GWL_EXSTYLE), style) << "neither on top nor see-through";
    PostMessageW(g_refused, WM_CLOSE, 0, 0);
}

}  // namespace
