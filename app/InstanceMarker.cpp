#include "app/InstanceMarker.h"

const CString g_propName("Quellbrand");
const HANDLE g_propValue = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(2034));

BOOL CALLBACK FindInstanceProc(HWND hwnd, LPARAM lParam) {
    if (::GetPropA(hwnd, g_propName) == g_propValue) {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}
