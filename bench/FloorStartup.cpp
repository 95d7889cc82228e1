// Start-up floor: the least a program must do to show Zorvane's main dialog
// (the same template, from the same resource script) with the instance marker
// set. zvbench measures Zorvane.exe against it; anything this program does not
// do is start-up cost of Zorvane's own.
//
// With "--tray" on its command line it also adds Zorvane's tray icon before
// setting the marker, which tells the shell's share of that cost apart.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cwchar>

#include "common/InstanceMarker.h"
#include "common/SharedContract.h"
#include "res/resource.h"

namespace {

// The tip Zorvane's tray icon shows.
const char kTrayTip[] = "Quellbrand";

bool g_withTray = false;

void TrayIcon(HWND dialog, DWORD action) {
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = dialog;
    icon.uID = contract::kTrayIconId;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = contract::kTrayCallbackMessage;
    icon.hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP));
    lstrcpynA(icon.szTip, kTrayTip, sizeof icon.szTip);
    ::Shell_NotifyIconA(action, &icon);
}

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        if (g_withTray) TrayIcon(dialog, NIM_ADD);
        InstanceMarker::Mark(dialog);
        return TRUE;
    case WM_COMMAND:
        // The same command ends it as ends Zorvane, so the driver treats both alike.
        if (LOWORD(wParam) == ID_TRAY_EXIT || LOWORD(wParam) == IDCANCEL) {
            ::RemovePropA(dialog, InstanceMarker::kName);
            if (g_withTray) TrayIcon(dialog, NIM_DELETE);
            ::EndDialog(dialog, 0);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    g_withTray = std::wcsstr(::GetCommandLineW(), L"--tray") != nullptr;
    // The template holds a hotkey control, whose class the common controls
    // register.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_HOTKEY_CLASS};
    ::InitCommonControlsEx(&classes);
    return static_cast<int>(::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ZORVANE_DIALOG), nullptr, FloorProc, 0));
}
