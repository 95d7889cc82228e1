#include "common/InstanceMarker.h"

namespace {

// lParam is the address of the HWND that receives the first marked window.
BOOL CALLBACK StopAtMarked(HWND window, LPARAM lParam) {
    if (!InstanceMarker::IsMarked(window)) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = window;
    return FALSE;
}

}  // namespace

bool InstanceMarker::Mark(HWND window) { return ::SetPropA(window, kName, reinterpret_cast<HANDLE>(kValue)) != FALSE; }

bool InstanceMarker::IsMarked(HWND window) { return reinterpret_cast<UINT_PTR>(::GetPropA(window, kName)) == kValue; }

HWND InstanceMarker::FindFirst() {
    HWND found = nullptr;
    ::EnumWindows(StopAtMarked, reinterpret_cast<LPARAM>(&found));
    return found;
}
