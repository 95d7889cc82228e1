#include "updater/InstanceWait.h"

#include "updater/UniqueHandle.h"

namespace {

const char kMarkerName[] = "Quellbrand";
const UINT_PTR kMarkerValue = 2034;
// PROCESS_ALL_ACCESS as the Windows versions of the main program define it.
const DWORD kWaitAccess = 0x1F0FFF;
const DWORD kLongestWaitMs = 20000;

}  // namespace

BOOL CALLBACK FindInstanceProc(HWND window, LPARAM lParam)
{
    if (reinterpret_cast<UINT_PTR>(GetPropA(window, kMarkerName)) != kMarkerValue)
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = window;
    return FALSE;
}

void WaitForMainInstance(const Deadline& deadline)
{
    HWND found = nullptr;
    EnumWindows(FindInstanceProc, reinterpret_cast<LPARAM>(&found));
    if (found == nullptr)
        return;
    DWORD processId = 0;
    GetWindowThreadProcessId(found, &processId);
    UniqueHandle process(OpenProcess(kWaitAccess, FALSE, processId));
    if (!process.valid())
        return;
    // Timed out or ended: either way the commit decides what happens next.
    const DWORD remainingMs = deadline.RemainingMs(GetTickCount());
    WaitForSingleObject(process.get(), remainingMs < kLongestWaitMs ? remainingMs : kLongestWaitMs);
}
