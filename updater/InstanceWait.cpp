#include "updater/InstanceWait.h"

#include "common/InstanceMarker.h"
#include "common/UniqueHandle.h"

namespace {

// PROCESS_ALL_ACCESS as the Windows versions of the main program define it.
const DWORD kWaitAccess = 0x1F0FFF;
const DWORD kLongestWaitMs = 20000;

}  // namespace

void WaitForMainInstance(const Deadline& deadline) {
    const HWND found = InstanceMarker::FindFirst();
    if (found == nullptr) return;
    DWORD processId = 0;
    GetWindowThreadProcessId(found, &processId);
    UniqueKernelHandle process(OpenProcess(kWaitAccess, FALSE, processId));
    if (!process) return;
    // Timed out or ended: either way the commit decides what happens next.
    const DWORD remainingMs = deadline.RemainingMs(GetTickCount());
    WaitForSingleObject(process.get(), remainingMs < kLongestWaitMs ? remainingMs : kLongestWaitMs);
}
