// Hotkey floor: registers a key (F7, or the virtual key given as "--key=N",
// so that it can run beside Zorvane, which holds F7) and toggles the
// foreground window's topmost state in its window procedure, nothing else.
// It moves the window with the flags Zorvane passes for another program's
// window (app/Pinning.cpp: not waiting on that program), so that the
// comparison measures the way from the key to that call. Its hidden window
// carries the instance marker once the hotkey is registered, which tells
// zvbench that it is ready.
#include <windows.h>

#include <cwchar>

#include "common/InstanceMarker.h"
#include "common/SharedContract.h"
#include "res/resource.h"

namespace {

const UINT kExitCommand = ID_TRAY_EXIT;

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_HOTKEY:
        if (wParam == contract::kPinHotkeyId) {
            // The floor's own windows are hidden: the foreground is always
            // another program's.
            HWND foreground = ::GetForegroundWindow();
            if (foreground != nullptr) {
                bool topmost = (::GetWindowLongW(foreground, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
                ::SetWindowPos(foreground, topmost ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
            }
        }
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kExitCommand) ::DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        ::UnregisterHotKey(window, contract::kPinHotkeyId);
        ::RemovePropA(window, InstanceMarker::kName);
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"ZorvaneHotkeyFloor";
    if (::RegisterClassW(&windowClass) == 0) return 1;
    HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, L"Zorvane hotkey floor", WS_OVERLAPPED, 0, 0, 100, 50,
                                    nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    const wchar_t* key = std::wcsstr(::GetCommandLineW(), L"--key=");
    const UINT virtualKey = key != nullptr ? static_cast<UINT>(std::wcstoul(key + 6, nullptr, 10)) : VK_F7;
    if (!::RegisterHotKey(window, contract::kPinHotkeyId, 0, virtualKey)) {
        ::DestroyWindow(window);
        return 2;
    }
    InstanceMarker::Mark(window);

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    return 0;
}
