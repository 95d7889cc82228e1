// Start-up floor: the least a program must do to show Zorvane's main dialog
// (the same template, from the same resource script) with the instance marker
// set. zvbench measures Zorvane.exe against it; anything this program does not
// do is start-up cost of Zorvane's own.
#include <windows.h>
#include <commctrl.h>

#include "resource.h"

namespace {

const char kMarkerName[] = "Quellbrand";
const INT_PTR kMarkerValue = 2034;

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        ::SetPropA(dialog, kMarkerName, reinterpret_cast<HANDLE>(kMarkerValue));
        return TRUE;
    case WM_COMMAND:
        // The same command ends it as ends Zorvane, so the driver treats both alike.
        if (LOWORD(wParam) == ID_TRAY_EXIT || LOWORD(wParam) == IDCANCEL) {
            ::RemovePropA(dialog, kMarkerName);
            ::EndDialog(dialog, 0);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The template holds a hotkey control, whose class the common controls
    // register.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_HOTKEY_CLASS};
    ::InitCommonControlsEx(&classes);
    return static_cast<int>(
        ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ZORVANE_DIALOG), nullptr, FloorProc, 0));
}
