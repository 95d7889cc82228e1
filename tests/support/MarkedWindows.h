#pragma once

#include <windows.h>

#include <vector>

#include "common/InstanceMarker.h"

namespace testsupport {

// Top-level windows carrying the program's instance marker.
class MarkedWindows {
public:
    // All of them, in the system's enumeration order.
    static std::vector<HWND> All();

    // The marked top-level window of the given process, or null.
    static HWND FindForProcess(DWORD processId);

    // Waits until the given process has a marked window; null on time-out.
    static HWND WaitForProcess(DWORD processId, DWORD timeoutMs);
};

}  // namespace testsupport
